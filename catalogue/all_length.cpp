// Category 0 "All Length & Distance": every length the program knows, in meters.
// Base rows "meter" and "metre"; sources for the researched rows are cited per row.
#include "catalogue/tables.h"

const UnitEntry AllLengthUnits[316] = {
    // 0
    { "agate [Adobe]",                    0.0019402777777777777 },  // 5.5 PostScript points
    { "alen [Danish]",                                   0.6277 },  // Danish alen of 1835, 2 fod (0.6277 m)  approx.
    { "alen [Scandinavia]",                             0.62748 },  // Norwegian alen of 1824, 2 fot of 313.74 mm  approx.
    { "alen [Swedish]",                                0.593802 },  // Swedish aln of 1739, 2 fot
    { "angstrom",                                         1e-10 },
    { "arms-length",                                     0.7112 },  // arm's length, 28 in  approx.
    { "arpent [Canada]",                              58.471308 },  // 180 Canadian French feet (12.789 in)
    { "arpent [France]",                      71.46466469356818 },  // 220 pieds de roi (Paris)
    { "arsheen [Russia]",                                0.7112 },  // Russian arshin, 28 in
    { "arshin [iran]",                                     1.04 },  // Persian zar (gaz) before 1926, 1.04 m  approx.
    // 10
    { "arshin [iraq]",                                  0.75946 },  // Diyarbakir dhara (arshin), 29.9 in  approx.
    { "astronomical unit",                       149597870691.0 },
    { "attometer",                                        1e-18 },
    { "bamboo",                                           3.912 },  // Burmese bamboo (ta), 7 cubits  approx.
    { "barleycorn",                        0.008466666666666667 },  // 1/3 in
    { "bee space",                                      0.00635 },  // 1/4 in
    { "bicron",                                           1e-12 },  // picometer
    { "block [East U.S.]",                              80.4672 },  // 1/20 mile
    { "block [Midwest U.S.]",                           100.584 },  // 1/16 mile
    { "block [South, West U.S.]",                      160.9344 },  // 1/10 mile
    // 20
    { "bohr",                                 5.29177210544e-11 },  // Bohr radius, CODATA 2022  approx.
    { "braccio [Italy]",                                 0.5836 },  // Florentine braccio, 58.36 cm  approx.
    { "braza [Argentina]",                               1.7332 },  // 2 Argentine varas
    { "braza [Spain]",                                  1.67181 },  // 2 Spanish varas
    { "braza [Texas]",                       1.6933333333333334 },  // 2 Texas varas
    { "button measure",                                0.000635 },  // button line, 1/40 in
    { "cable [U.S.]",                                   219.456 },  // 720 ft (US Navy)
    { "cable [British]",                               185.3184 },  // 608 ft, 1/10 UK nautical mile
    { "caliber",                           0.025400000000000002 },  // 1 in, as the inch row
    { "cana (canna, canne)",                                2.0 },  // Mediterranean canna, about 2 m  approx.
    // 30
    { "cape foot",                                    0.3148584 },  // 1.033 ft (Cape Colony, 1859)
    { "cape inch",                                    0.0262382 },  // 1/12 Cape foot
    { "cape rood",                                    3.7783008 },  // 12 Cape feet
    { "centimeter",                                        0.01 },
    { "chain [Gunter, survey]",              20.116840233680467 },  // 66 US survey ft
    { "chain [Ramsden, engineer]",                        30.48 },  // 100 ft
    { "ch'ih [China]",                                  0.35814 },  // treaty ch'ih, 14.1 in
    { "chinese foot",                        0.3333333333333333 },  // chi, 1/3 m
    { "chinese inch",                       0.03333333333333333 },  // cun, 1/30 m
    { "chinese mile",                                     500.0 },  // li, 500 m
    // 40
    { "chinese yard",                        3.3333333333333335 },  // zhang, 10 chi
    { "city block [East U.S.]",                         80.4672 },  // 1/20 mile
    { "city block [Midwest U.S.]",                      100.584 },  // 1/16 mile
    { "city block [South, West U.S.]",                 160.9344 },  // 1/10 mile
    { "click [U.S. military]",                           1000.0 },  // kilometer
    { "cuadra",                                         83.5905 },  // 100 Spanish varas
    { "cuadra [Argentina]",                              129.99 },  // 150 Argentine varas
    { "cubit [Egyptian]",                    0.4491428571428571 },  // short cubit, 6 palms
    { "cubit [Royal Egyptian]",                           0.524 },  // royal cubit, 7 palms, 52.4 cm  approx.
    { "cubit [English]",                                 0.4572 },  // 18 in
    // 50
    { "cubit [Roman]",                                    0.444 },  // 1.5 Roman feet
    { "cuerda",                                       20.897625 },  // cuerda, 25 varas  approx.
    { "decimeter",                                          0.1 },
    { "dekameter",                                         10.0 },
    { "didot point",                                0.000376065 },  // Didot point, 0.376065 mm (DIN 16507)
    { "digit",                                          0.01905 },  // 3/4 in
    { "diraa [Egypt]",                                     0.58 },  // Egyptian dhira baladi, 58 cm  approx.
    { "dong [Vietnam]",                                    0.47 },  // Vietnamese thuoc (land), 47 cm  approx.
    { "douzi\xE8me [watchmaking]",                     0.000188 },
    { "douzi\xE8me [print]",                   0.00017638888889 },
    // 60
    { "dra [Iraq]",                                      0.7493 },  // Baghdad dhara, 29.5 in  approx.
    { "dra [Russia]",                                    0.7112 },  // Russian arshin, 28 in
    { "el [Dutch]",                                      0.6878 },  // Amsterdam el, 68.78 cm  approx.
    { "ell [English]",                                    1.143 },  // 45 in
    { "ell [Scotland]",                          0.944875427492 },  // 37 Scots inches
    { "elle [Germany]",                                 0.66694 },  // Prussian Elle, 66.694 cm  approx.
    { "elle [Vienna]",                                   0.7792 },  // Vienna Elle, 77.92 cm  approx.
    { "em",                                0.004233333333333334 },  // pica em, 1/6 in
    { "estadio [Portugal]",                   257.2083333333333 },  // Portuguese estadio, 1/24 legoa  approx.
    { "estadio [Spain]",                             174.146875 },  // Spanish estadio, 625 pies (1/8 milla)  approx.
    // 70
    { "exameter",                                         1e+18 },  // exameter
    { "faden [Austria]",                             1.89648384 },  // Austrian Klafter of 1871
    { "faden [Switzerland]",                                1.8 },  // Swiss Klafter, 6 Swiss feet
    { "fall [English]",                                  5.0292 },  // 1/40 furlong, a rod of 16.5 ft
    { "fall [Scotland]",                         5.669252564952 },  // 6 Scots ells
    { "fathom",                              1.8288000000000002 },
    { "fathom [ancient]",                                 1.776 },  // Attic orguia, 6 feet of 296 mm  approx.
    { "faust [Hungary]",                    0.10536021333333333 },  // Faust (marok), 4 Zoll = 1/18 Austrian Klafter
    { "feet [pre-1963 Canada]",                       0.3248406 },  // French foot of Quebec land, 12.789 in by Canadian statute (1919)
    { "feet [Egypt]",                                      0.29 },  // Egyptian kadam, 1/2 dirra (1891)
    // 80
    { "feet [France]",                       0.3248393849707645 },  // pied de roi
    { "feet [international, U.S.]",                      0.3048 },
    { "feet [iraq]",                                     0.3048 },  // Iraqi foot, taken as the English foot  approx.
    { "feet [Netherlands]",                           0.2830594 },  // Amsterdam voet, 0.2830594 m  approx.
    { "feet [Rome]",                                      0.296 },  // Roman pes, 296 mm  approx.
    { "feet [survey]",                       0.3048006096012192 },
    { "femtometer",                                       1e-15 },  // femtometer
    { "fermi",                                            1e-15 },  // femtometer
    { "finger",                                        0.022225 },  // 7/8 in
    { "fingerbreadth",                                  0.01905 },  // 3/4 in
    // 90
    { "fist",                                            0.1016 },  // fist, 4 in  approx.
    { "fod",                                            0.31385 },  // Danish fod of 1835, 31.385 cm
    { "foot [Egypt]",                                      0.29 },  // Egyptian kadam, 1/2 dirra (1891)
    { "foot [France]",                       0.3248393849707645 },  // pied de roi
    { "foot [international, U.S.]",                      0.3048 },
    { "foot [iraq]",                                     0.3048 },  // Iraqi foot, taken as the English foot  approx.
    { "foot [Netherlands]",                           0.2830594 },  // Amsterdam voet, 0.2830594 m  approx.
    { "foot [Rome]",                                      0.296 },  // Roman pes, 296 mm  approx.
    { "foot [survey]",                       0.3048006096012192 },
    { "football field [Canada]",                        100.584 },  // 110 yd
    // 100
    { "football field [U.S.]",                            91.44 },  // 100 yd
    { "football field [U.S., complete]",                109.728 },  // 120 yd with end zones
    { "furlong [international]",                        201.168 },  // 660 ft
    { "furlong [survey]",                    201.16840233680466 },  // 660 US survey ft
    { "fuss [German]",                                  0.31385 },  // Prussian Fuss, 31.385 cm
    { "gigameter",                                 1000000000.0 },  // gigameter
    { "gigaparsec",                                3.085678e+25 },
    { "gnat's eye",                                    0.000125 },  // gnat's eye, slang for about 0.1-0.15 mm  approx.
    { "goad",                                            1.3716 },  // 4.5 ft
    { "gry",                             0.00021166666666666667 },  // 1/10 line (1/12 in)  approx.
    // 110
    { "hair's breadth",                   0.0005291666666666667 },  // 1/48 in
    { "hand [non-equine]",                               0.1016 },  // 4 in
    { "handbreadth",                                     0.0762 },  // 3 in
    { "hat [Cambodia]",                                     0.5 },  // Cambodian hat, 50 cm
    { "hectometer",                                       100.0 },  // hectometer
    { "heer",                                            548.64 },  // heer of yarn, 600 yd
    { "hiro [Japan]",                        1.8181818181818181 },  // hiro, 6 shaku (also reckoned 5)  approx.
    { "hubble",                             9.4607304725808e+24 },  // 1e9 Julian light years
    { "hvat [Croatia]",                              1.89648384 },  // Austrian Klafter
    { "inch [international, U.S.]",        0.025400000000000002 },
    // 120
    { "iron",                             0.0005291666666666667 },  // 1/48 in
    { "ken [Japan]",                         1.8181818181818181 },  // 6 shaku
    { "kerat",                             0.024166666666666666 },  // kirat, 1/24 Egyptian dhira baladi  approx.
    { "kilofoot",                                         304.8 },  // 1000 ft
    { "kilometer",                                       1000.0 },
    { "kiloparsec",                               3.0856776e+19 },
    { "kiloyard",                                         914.4 },  // 1000 yd
    { "kind",                                               0.5 },  // unidentified unit; 0.5 m placeholder, no reference found  approx.
    { "klafter [Austria]",                           1.89648384 },  // Austrian Klafter of 1871
    { "klafter [Switzerland]",                              1.8 },  // Swiss Klafter, 6 Swiss feet
    // 130
    { "klick",                                           1000.0 },  // kilometer
    { "kyu",                                            0.00025 },  // 1/4 mm
    { "lap [old]",                                      402.336 },  // 1/4 mile
    { "lap [competition]",                                400.0 },  // 400 m track
    { "lap [olympic pool]",                                50.0 },  // 50 m pool
    { "league [ancient Celtic]",                         2220.0 },  // leuga, 1500 Roman paces  approx.
    { "league [nautical]",                               5556.0 },
    { "league [UK nautical]",                          5559.552 },  // 3 UK nautical miles
    { "league [UK]",                                   4828.032 },  // 3 miles
    { "league [US statute]",                  4828.041656083312 },  // 3 US survey miles
    // 140
    { "leap",                                            2.0574 },  // Welsh leap, 3 paces of 27 in = 6 ft 9 in  approx.
    { "legoa",                                           6173.0 },  // Portuguese legoa, 18 to the degree  approx.
    { "legua",                                         4179.525 },  // 5000 Spanish varas
    { "legua [Texas]",                        4233.333333333333 },  // 5000 Texas varas
    { "legua [Spanish, pre-1568]",                     4179.525 },  // 5000 Spanish varas
    { "legua [Spanish, post-1568]",                      5572.7 },  // 20000 Castilian pies
    { "li [ancient China]",                               405.0 },  // pre-Qin li, about 405 m  approx.
    { "li [imperial China]",                            644.652 },  // treaty li, 1800 ch'ih (2115 ft)
    { "li [modern China]",                                500.0 },  // 500 m
    { "lieue [France]",                                  4444.8 },  // lieue commune, 1/25 degree  approx.
    // 150
    { "lieue [France, metric]",                          4000.0 },  // 4 km
    { "lieue [France, nautical]",                        5556.0 },  // 3 nautical miles
    { "light second",                               299792458.0 },  // c x 1 s
    { "light minute",                             17987547480.0 },  // c x 60 s
    { "light hour",                             1079252848800.0 },  // c x 3600 s
    { "light day",                             25902068371200.0 },  // c x 86400 s
    { "light year [Julian]",                 9460730472580800.0 },
    { "light year [tropical]",               9460528404879358.0 },  // c x tropical year  approx.
    { "light year [traditional]",            9454254955488000.0 },  // c x 365 d
    { "ligne [France]",                   0.0022558290622969753 },  // 1/12 pouce
    // 160
    { "ligne [Swiss]",                                    0.003 },  // Swiss Linie, 3 mm
    { "line",                              0.002116666666666667 },  // 1/12 in
    { "line [small]",                                  0.000635 },  // small line, 1/40 in  approx.
    { "link [Gunter, survey]",              0.20116840233680466 },  // 0.66 US survey ft
    { "link [Ramden, engineer]",                         0.3048 },  // 1 ft
    { "lug",                                             5.0292 },  // 16.5 ft
    { "lug [great]",                                      6.096 },  // 20 ft  approx.
    { "marathon",                                       42195.0 },  // 42.195 km
    { "mark twain",                                      3.6576 },  // 2 fathoms
    { "megameter",                                    1000000.0 },  // megameter
    // 170
    { "megaparsec",                               3.0856776e+22 },
    { "meile [Austria]",                             7585.93536 },  // 4000 Austrian Klafter
    { "meile [geographische]",                          7420.44 },  // 1/15 equatorial degree, 7420.44 m  approx.
    { "meile [North Germany]",                           7500.0 },  // Meile of the North German Confederation, 7500 m (1868)
    { "meter",                                              1.0 },
    { "metre",                                              1.0 },
    { "metric mile",                                     1500.0 },  // 1500 m
    { "metric mile [high school]",                       1600.0 },  // 1600 m
    { "microinch",                                     2.54e-08 },  // micro-inch
    { "micrometer",                                       1e-06 },
    // 180
    { "micromicron",                                      1e-12 },  // picometer
    { "micron",                                           1e-06 },  // micrometer
    { "miglio",                                          1852.0 },  // Italian miglio, 1852 m  approx.
    { "miil (mijl) [Danish]",                            7532.4 },  // 24000 Danish fod
    { "miil (mijl) [Denmark]",                           7532.4 },  // 24000 Danish fod
    { "miil (mijl) [Sweden, ancient]",                10688.436 },  // 36000 Swedish fot
    { "mil",                                           2.54e-05 },  // 0.001 in
    { "mil [Sweden]",                                   10000.0 },  // 10 km
    { "mile [Britain, ancient]",                         1524.0 },  // old English mile, 5000 ft  approx.
    { "mile [Irish]",                                  2048.256 },  // 2240 yd
    // 190
    { "mile [international]",                          1609.344 },
    { "mile [nautical, international]",                  1852.0 },
    { "mile [nautical, UK]",                           1853.184 },  // 6080 ft
    { "mile [nautical, US]",                             1852.0 },  // 1852 m
    { "mile [Roman, ancient]",                           1480.0 },  // 5000 Roman feet
    { "mile [Scottish]",                       1814.16082078464 },  // 8 Scots furlongs
    { "mile [statute]",                                1609.344 },  // 5280 ft
    { "mile [survey, US]",                   1609.3472186944373 },
    { "milha [Portuguese]",                   1851.851851851852 },  // milha geografica, 1/3 of the league of 20 to the degree (1 minute of arc)  approx.
    { "military pace",                                    0.762 },  // 30 in
    // 200
    { "military pace [double time]",                     0.9144 },  // 36 in
    { "milla [Spanish]",                               1393.175 },  // 5000 Castilian pies
    { "mille [French]",                      1949.0363098245866 },  // 1000 toises
    { "milliare [Rome]",                                 1480.0 },  // mille passus
    { "millimeter",                                       0.001 },
    { "millimicron",                                      1e-09 },  // nanometer
    { "mkono [Africa]",                                  0.4572 },  // Swahili mkono, 18 in
    { "moot [India]",                                    0.0762 },  // Indian moot (fist), 3 in  approx.
    { "myriameter",                                     10000.0 },  // 10 km
    { "nail",                                           0.05715 },  // 1/16 yd
    // 210
    { "nanometer",                                        1e-09 },  // nanometer
    { "nanon",                                            1e-09 },  // nanometer
    { "pace [great]",                                     1.524 },  // 5 ft
    { "pace [Roman]",                                      1.48 },  // 5 Roman feet
    { "palm [Dutch]",                                       0.1 },  // Dutch metric palm, 10 cm
    { "palm [Britain, Roman minor]",                     0.0762 },  // 3 in
    { "palm [US, Roman major]",                          0.2032 },  // palm length, 8 in  approx.
    { "palmo [Portuguese]",                                0.22 },  // Portuguese palmo, 22 cm
    { "palmo [Spanish]",                             0.20897625 },  // 1/4 Spanish vara
    { "palmo [Texas]",                      0.21166666666666667 },  // 1/4 Texas vara
    // 220
    { "parasang",                                      5632.704 },  // 3.5 miles  approx.
    { "Paris foot",                          0.3248393849707645 },  // pied de roi
    { "parsec",                          3.0856774878504976e+16 },
    { "pe [Portuguese]",                                   0.33 },  // Portuguese pe, 33 cm
    { "pearl",                                      0.001757299 },  // 5 printer's points
    { "perch",                                           5.0292 },  // 16.5 ft
    { "perch [Ireland]",                                 6.4008 },  // 7 yd
    { "pertica",                                           2.96 },  // 10 Roman feet
    { "pes",                                              0.296 },  // Roman foot, 296 mm  approx.
    { "petameter",                           1000000000000000.0 },  // petameter
    // 230
    { "pica",                              0.004233333333333334 },  // 1/6 in, 12 PostScript points
    { "picometer",                                        1e-12 },  // picometer
    { "pie [Argentina]",                    0.28886666666666666 },  // 1/3 Argentine vara
    { "pie [Italian]",                                   0.2979 },  // Roman piede, 29.79 cm  approx.
    { "pie [Spanish]",                                 0.278635 },  // 1/3 Spanish vara
    { "pie [Texas]",                         0.2822222222222222 },  // 1/3 Texas vara
    { "pied de roi",                         0.3248393849707645 },  // pied de roi
    { "pik",                                             0.6858 },  // Turkish pik of the Constantinople trade, 27 in (Meyers 1908)
    { "pike [Greece]",                                   0.6858 },  // Greek cloth piki for linen and woollens, 27 in  approx.
    { "point [Adobe]",                   0.00035277777777777776 },  // 1/72 in
    // 240
    { "point [Britain, US]",                       0.0003514598 },  // 0.013837 in
    { "point [Didot]",                              0.000376065 },  // Didot point, 0.376065 mm (DIN 16507)
    { "point [TeX]",                     0.00035145980351459805 },  // 1/72.27 in
    { "pole",                                            5.0292 },  // 16.5 ft
    { "polegada [Portuguese]",                           0.0275 },  // Portuguese polegada, 27.5 mm
    { "pouce",                             0.027069948747563705 },  // 1/12 pied de roi
    { "pu [China]",                                      1.7907 },  // pu, 5 treaty ch'ih
    { "pulgada",                            0.02321958333333333 },  // 1/36 Spanish vara
    { "pygme [Greece]",                                   0.333 },  // pygme, 18 dactyls (Attic)  approx.
    { "Q",                                              0.00025 },  // 1/4 mm
    // 250
    { "quadrant",                                    10000000.0 },  // quarter meridian, 10000 km
    { "quarter",                                         0.2286 },  // 1/4 yd
    { "quarter [cloth]",                                 0.2286 },  // 1/4 yd
    { "quarter [print]",                                0.00025 },  // 1/4 mm
    { "range",                                9656.083312166624 },  // 6 US survey miles
    { "reed [Israel]",                                   3.2004 },  // Ezekiel's reed, 6 long cubits of 21 in  approx.
    { "ri [Japan]",                          3927.2727272727275 },  // 36 cho
    { "ridge",                                           6.1722 },  // Welsh ridge, 3 leaps = 20 ft 3 in (laws of Hywel Dda)  approx.
    { "river [Egypt]",                                  10480.0 },  // iteru, 20000 royal cubits  approx.
    { "Tivok",                                            0.025 },
    // 260
    { "rod [international]",                             5.0292 },  // 16.5 ft
    { "rod [survey]",                         5.029210058420117 },  // 16.5 US survey ft
    { "roede",                                           3.7674 },  // Rijnland roede, 12 voet  approx.
    { "rood",                                            5.0292 },  // rood, a rod of 16.5 ft  approx.
    { "rope",                                             6.096 },  // 20 ft
    { "royal foot",                          0.3248393849707645 },  // pied de roi
    { "rute [Germany]",                                  3.7662 },  // 12 Prussian Fuss
    { "sadzhen",                                         2.1336 },  // 3 arshin, 7 ft
    { "sagene",                                          2.1336 },  // 3 arshin, 7 ft
    { "Scots foot",                              0.306446084592 },  // 12 Scots inches
    // 270
    { "Scots mile",                            1814.16082078464 },  // 8 Scots furlongs
    { "seemeile",                                        1852.0 },  // German sea mile, 1852 m
    { "shackle",                                         27.432 },  // 15 fathoms
    { "shaftment",                                       0.1524 },  // 6 in
    { "shaftment [ancient]",                             0.1651 },  // 6.5 in  approx.
    { "shaku [Japan]",                      0.30303030303030304 },  // 10/33 m
    { "siriometer",                           1.49597870691e+17 },  // 1e6 astronomical units
    { "smoot",                                           1.7018 },  // 5 ft 7 in
    { "span",                                            0.2286 },  // 9 in
    { "spat",                                   1000000000000.0 },  // 1e12 m
    // 280
    { "stadium",                                          185.0 },  // 125 Roman paces
    { "step",                                             0.762 },  // 2.5 ft
    { "stick",                                           0.0508 },  // 2 in
    { "story",                                            3.048 },  // one storey, 10 ft  approx.
    { "stride [great]",                                   1.524 },  // 5 ft  approx.
    { "stride [Roman]",                                    1.48 },  // 5 Roman feet  approx.
    { "tenthmeter",                                       1e-10 },  // angstrom
    { "terameter",                              1000000000000.0 },  // terameter
    { "thou",                                          2.54e-05 },  // 0.001 in
    { "toise",                               1.9490363098245866 },  // 6 pieds de roi
    // 290
    { "township",                             9656.083312166624 },  // 6 US survey miles
    { "t'sun",                                         0.035814 },  // treaty ts'un, 1.41 in
    { "tu",                                            161163.0 },  // 250 treaty li
    { "twain",                                           3.6576 },  // 2 fathoms
    { "twip",                             1.763888888888889e-05 },  // 1/20 point, 1/1440 in
    { "U",                                              0.04445 },  // 1.75 in rack unit
    { "vara [California]",                               0.8382 },  // 33 in (San Francisco 50-vara lots of 137 ft 6 in)  approx.
    { "vara [Mexico]",                                    0.838 },  // Mexican vara, 83.8 cm
    { "vara [Portuguese]",                                  1.1 },  // Portuguese vara, 5 palmos
    { "vara [South America]",                            0.8666 },  // Argentine vara, 86.66 cm  approx.
    // 300
    { "vara [Spanish]",                                0.835905 },  // vara de Burgos, 83.5905 cm
    { "vara [Texas]",                        0.8466666666666667 },  // 33 1/3 in
    { "verge",                                           0.9144 },  // verge, the yard in Canadian French usage
    { "vershok",                                        0.04445 },  // 1.75 in
    { "verst",                                           1066.8 },  // 500 sazhen
    { "wah [Thailand]",                                     2.0 },  // Thai wa, 2 m
    { "werst",                                           1066.8 },  // 500 sazhen
    { "X unit",                                  1.00207697e-13 },  // Cu K-alpha x unit  approx.
    { "yard",                                            0.9144 },
    { "yoctometer",                                       1e-24 },
    // 310
    { "yottameter",                                       1e+24 },  // yottameter
    { "zeptometer",                                       1e-21 },  // zeptometer
    { "zettameter",                                       1e+21 },  // zettameter
    { "zoll [Germany]",                    0.026154166666666666 },  // 1/12 Prussian Fuss
    { "zoll [Switzerland]",                                0.03 },  // Swiss Zoll, 3 cm
    { "foot + inch", 0.3048 },  // compound: converts as its first part
};
