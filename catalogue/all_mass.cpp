// 2 "All Weight & Mass": every factor is a mass in kilograms; force rows hold the
// mass that weighs that much under standard gravity, electronvolt rows the mass equivalent.
// Avoirdupois, troy and apothecaries' units from the pound of 0.45359237 kg and the grain of
// 1/7000 lb; atomic units from CODATA; regional units: see the comment on each row.
#include "catalogue/tables.h"

const UnitEntry AllMassUnits[203] = {
    { "arratel, artel [Arab]",             0.45904 },         // approx. 16 oncas (Portuguese standard of 1499, ~459 g)
    { "arroba [Portugal]",                 14.68928 },        // approx. 32 arrateis
    { "arroba [Spain]",                    11.502325 },       // approx. 25 Castilian libras of 460.093 g
    { "as, ass [Northern Europe]",         4.806328125e-05 },  // approx. 1/10240 Amsterdam troy pond (Dutch aas; Swedish ass agrees)
    { "atomic mass unit [1960]",           1.66043e-27 },     // approx. 12C scale unit, 1963 adjustment (1 g / 6.02252e23)
    { "atomic mass unit [1973]",           1.6605655e-27 },   // approx. CODATA 1973
    { "atomic mass unit [1986]",           1.6605402e-27 },   // approx. CODATA 1986
    { "atomic mass unit [1998]",           1.66053873e-27 },  // approx. CODATA 1998
    { "avogram",                           1.6605390671738466e-27 },  // 1 g / Avogadro constant (exact since 2019)
    { "bag [portland cement]",             42.63768278 },     // 94 lb
    // 10
    { "baht [Thailand]",                   0.015 },           // 15 g (Thai baht weight)
    { "bale [UK]",                         326.5865064 },     // approx. 720 lb (British and Egyptian cotton bale)
    { "bale [US]",                         217.7243376 },     // 480 lb (statistical cotton bale)
    { "bismar pound [Denmark]",            5.993 },           // approx. 12 skaalpund (sizes.com)
    { "candy [India]",                     254.0117272 },     // approx. 20 maunds of 28 lb (Bombay, Bengal)
    { "carat [international]",             0.0002 },
    { "carat [metric]",                    0.0002 },          // 200 mg
    { "carat [UK]",                        0.00020530347722772278 },  // 1/151.5 troy ounce (English carat)
    { "carat [pre-1913 US]",               0.0002053 },       // approx. 205.3 mg
    { "carga [Mexico]",                    138.073902 },      // approx. 12 arrobas, 300 Mexican libras of 0.46024634 kg
    // 20
    { "catti [China]",                     0.6047898266666667 },  // 1 1/3 lb (old Chinese catty)
    { "catti [Japan]",                     0.6 },             // kin: 160 momme
    { "catty [China]",                     0.5 },             // metric jin
    { "catty [Japan, Thailand]",           0.6 },             // kin: 160 momme; Thai chang chin (Chinese catty) 600 g
    { "cental",                            45.359237 },       // 100 lb
    { "centigram",                         1e-05 },
    { "centner [Germany]",                 50.0 },            // Zentner
    { "centner [Russia]",                  100.0 },           // tsentner
    { "chalder, chaldron",                 2692.52430832 },   // Newcastle coal chaldron, 53 long cwt
    { "chin [China]",                      0.5 },             // metric jin
    // 30
    { "chin [Japan]",                      0.6 },             // kin: 160 momme
    { "clove",                             3.17514659 },      // 7 lb
    { "crith",                             8.9885e-05 },      // approx. mass of 1 L of hydrogen at STP
    { "dalton",                            1.66053906892e-27 },  // approx. CODATA 2022
    { "dan [China]",                       50.0 },            // 100 jin
    { "dan [Japan]",                       60.0 },            // 100 kin (picul)
    { "decigram",                          0.0001 },
    { "decitonne",                         100.0 },
    { "dekagram",                          0.01 },
    { "dekatonne",                         10000.0 },
    // 40
    { "denaro [Italy]",                    0.001177326388888889 },  // approx. 1/24 oncia (Rome)
    { "denier [France]",                   0.0012747546875 },  // approx. 1/3 gros (poids de marc)
    { "drachme",                           0.0038242640625 },  // approx. French apothecaries' drachme = 1 gros
    { "dram",                              0.0017718451953125 },  // 1/16 avoirdupois ounce
    { "dram [apothecaries]",               0.0038879346 },    // 60 grains
    { "dyne",                              1.01971621e-06 },
    { "electron",                          9.1093837139e-31 },  // approx. electron mass, CODATA 2022
    { "electronvolt",                      1.782662e-36 },
    { "etto [Italy]",                      0.1 },
    { "exagram",                           1000000000000000.0 },
    // 50
    { "femtogram",                         1e-18 },
    { "firkin [butter, soap]",             25.40117272 },     // 56 lb (butter firkin)
    { "flask",                             34.47302012 },     // 76 lb (flask of mercury)
    { "fother [lead]",                     952.543977 },      // approx. 30 fotmals
    { "fotmal [lead]",                     31.7514659 },      // approx. 70 lb
    { "funt, funte [Russia]",              0.40951718 },      // Russian funt
    { "gamma",                             1e-09 },           // microgram
    { "gigaelectronvolt",                  1.782662e-27 },    // approx. mass of 1e9 eV, from the electronvolt row
    { "gigagram",                          1000000.0 },
    { "gigatonne",                         1000000000000.0 },
    // 60
    { "gin [China]",                       0.5 },             // metric jin
    { "gin [Japan]",                       0.6 },             // kin: 160 momme
    { "grain",                             6.479891e-05 },
    { "gram",                              0.001 },
    { "gran [Germany]",                    0.000812 },        // approx. Gran, 1/288 Cologne mark
    { "grano, grani [Italy]",              4.9055266203703704e-05 },  // approx. 1/24 denaro (Rome)
    { "gros",                              0.0038242640625 },  // approx. 1/8 once (poids de marc)
    { "hectogram",                         0.1 },
    { "hundredweight [long, UK]",          50.80234544 },     // 112 lb
    { "hundredweight [short, US]",         45.359237 },       // 100 lb
    // 70
    { "hyl",                               9.80665 },         // kgf s^2/m
    { "jin [China]",                       0.5 },             // metric jin
    { "jupiter",                           1.899e+27 },
    { "kati [China]",                      0.5 },             // metric jin
    { "kati [Japan]",                      0.6 },             // kin: 160 momme
    { "keel [coal]",                       21540.19446656 },  // 8 Newcastle chaldrons
    { "keg [nails]",                       45.359237 },       // 100 lb
    { "kilodalton",                        1.66053906892e-24 },  // approx. 1000 dalton
    { "kilogram",                          1.0 },
    { "kilogram-force",                    1.0 },
    // 80
    { "kiloton [long, UK]",                1016046.9088 },    // 1000 long tons
    { "kiloton [short, US]",               907184.74 },       // 1000 short tons
    { "kilotonne",                         1000000.0 },
    { "kin [Japan]",                       0.6 },             // 160 momme
    { "kip",                               453.59237 },       // 1000 lbf
    { "koyan [Malaysia]",                  2419.1593066666665 },  // 40 pikul of 100 kati (1 1/3 lb)
    { "kwan [Japan]",                      3.75 },            // kan: 1000 momme
    { "last [Germany]",                    2000.0 },          // 2 t
    { "last [US]",                         1814.36948 },      // approx. 2 short tons (the last as a general cargo weight)
    { "last [US, wool]",                   1981.29147216 },   // 12 sacks of 364 lb
    // 90
    { "lb, lbs",                           0.45359237 },
    { "liang [China]",                     0.05 },            // 1/10 jin
    { "libra [Italy]",                     0.33907 },         // approx. libbra of Rome
    { "libra [Portugal, Spain]",           0.45904 },         // approx. Portuguese arratel, 16 oncas (Castilian libra 460.093 g)
    { "libra [ancient Rome]",              0.32736409332 },   // approx. 5052 grains
    { "libra [metric]",                    1.0 },
    { "livre [France]",                    0.4895058 },       // approx. livre poids de marc
    { "long ton",                          1016.0469088000001 },
    { "lot [Germany]",                     0.016666666666666666 },  // 1/30 Zollpfund
    { "mace [China]",                      0.0037799364166666667 },  // 1/10 tael of 1/16 old catty
    // 100
    { "mahnd [Arab]",                      0.9253284348 },    // approx. 2.04 lb, about two ratls (Arabic mann)
    { "marc [France]",                     0.2447529 },       // approx. 1/2 livre
    { "marco [Spanish]",                   0.2300465 },       // approx. 1/2 Castilian libra
    { "mark [English]",                    0.2488278144 },    // approx. 8 troy ounces
    { "mark [German]",                     0.233856 },        // approx. Cologne mark
    { "maund [India]",                     37.3242 },         // 40 seers (Act of 1956)
    { "maund [Pakistan]",                  40.0 },            // 40 metric seers
    { "megadalton",                        1.66053906892e-21 },  // approx. 1e6 dalton
    { "megagram",                          1000.0 },
    { "megatonne",                         1000000000.0 },
    // 110
    { "mercantile pound",                  0.4373926425 },    // 6750 grains (15 tower ounces)
    { "metric ton",                        1000.0 },
    { "mic",                               1e-09 },           // microgram
    { "microgram",                         1e-09 },
    { "millidalton",                       1.66053906892e-30 },  // approx. 1/1000 dalton
    { "millier",                           1000.0 },
    { "milligram",                         1e-06 },
    { "millimass unit",                    1.66053906892e-30 },  // approx. 1/1000 atomic mass unit
    { "mina [Hebrew]",                     0.571 },           // approx. 50 shekels
    { "momme [Japan]",                     0.00375 },
    // 120
    { "myriagram",                         10.0 },
    { "nanogram",                          1e-12 },
    { "Newton",                            0.101971621 },
    { "obol, obolos, obolus [Greece]",     0.0001 },          // metric obolos of 1836
    { "obolos [Ancient Greece]",           0.0007183333333333333 },  // approx. 1/6 Attic drachma of 4.31 g
    { "obolus [Ancient Rome]",             0.0005683404397916667 },  // approx. 1/48 uncia
    { "okka [Turkey]",                     1.2829 },          // approx. 400 dirhem
    { "on\xE7" "a [Portuguese]",           0.02869 },
    { "once [France]",                     0.0305941125 },    // approx. 1/16 livre
    { "oncia [Italy]",                     0.028255833333333334 },  // approx. 1/12 libbra (Rome)
    // 130
    { "onza [Spanish]",                    0.0287558125 },    // approx. 1/16 Castilian libra
    { "ons [Dutch]",                       0.1 },             // metric ons
    { "ounce",                             0.028349523125 },
    { "ounce-force",                       0.028349523125 },
    { "ounce [troy]",                      0.0311034768 },
    { "packen [Russia]",                   491.420616 },      // 30 pood (3 berkovets)
    { "pennyweight [troy]",                0.00155517384 },   // 24 grains
    { "petagram",                          1000000000000.0 },
    { "pfund [Denmark, Germany]",          0.5 },             // 500 g
    { "picogram",                          1e-15 },
    // 140
    { "point",                             2e-06 },           // 1/100 metric carat
    { "pond [Dutch]",                      0.5 },             // 500 g
    { "pound",                             0.45359237 },
    { "pound-force",                       0.45359237 },
    { "pound [metric]",                    0.5 },             // 500 g
    { "pound [troy]",                      0.3732417216 },
    { "pud, pood [Russia]",                16.3806872 },      // 40 funt
    { "pund [Scandinavia]",                0.5 },             // 500 g (Danish pund of 1839)
    { "qian [China]",                      0.005 },           // 1/10 liang
    { "qintar [Arab]",                     44.928 },          // approx. 100 rotl
    // 150
    { "quarter [UK]",                      12.70058636 },     // 28 lb
    { "quarter [US]",                      11.33980925 },     // 25 lb
    { "quarter (ton) [US]",                226.796185 },      // 500 lb
    { "quartern",                          1.587573295 },     // 1/4 stone
    { "quartern-loaf",                     1.81436948 },      // 4 lb
    { "quintal [French]",                  48.95058 },        // approx. 100 livres
    { "quintal [metric]",                  100.0 },
    { "quintal [Portugal]",                58.75712 },        // approx. 4 arrobas
    { "quintal [Spanish]",                 46.0093 },         // approx. 100 Castilian libras
    { "rebah",                             0.002855 },        // approx. Hebrew quarter shekel (reba'), 1/4 of the shekel row
    // 160
    { "Tivok",                             0.01 },
    { "rotl, rotel, rottle, ratel [Arab]", 0.44928 },         // approx. Egyptian rotl, 144 dirhem
    { "sack [UK, wool]",                   165.10762268 },    // 364 lb (2 weys of 13 stone)
    { "scruple [troy]",                    0.0012959782 },    // 20 grains
    { "seer [India]",                      0.933105 },        // 1/40 maund (Act of 1956)
    { "seer [Pakistan]",                   1.0 },
    { "shekel [Hebrew]",                   0.01142 },         // approx. sacred shekel
    { "short ton",                         907.18474 },
    { "slinch",                            175.1268352464764 },  // lbf s^2/in
    { "slug",                              14.593902937206364 },  // lbf s^2/ft
    // 170
    { "stone",                             6.35029318 },
    { "tael, tahil [Japan]",               0.0375 },          // 10 momme
    { "tahil [China]",                     0.037799364166666667 },  // 1/16 catti: the tael of the old catty (Malay kati/tahil, Hong Kong)
    { "talent [Hebrew]",                   34.26 },           // approx. 3000 shekels
    { "tan [China]",                       50.0 },            // 100 jin
    { "technische mass einheit (TME)",     9.80665 },
    { "teragram",                          1000000000.0 },
    { "tetradrachm [Hebrew]",              0.014 },           // approx. Tyrian tetradrachm (shekel)
    { "tical [Asia]",                      0.01632932532 },   // Burmese kyat, 1/100 viss of 3.6 lb
    { "tod",                               12.70058636 },     // 28 lb
    // 180
    { "tola [India]",                      0.0116638125 },    // 1/80 seer (Act of 1956)
    { "tola [Pakistan]",                   0.0116638038 },    // 180 grains; the tola kept its weight when the seer went metric
    { "ton [long, UK]",                    1016.0469088000001 },
    { "ton [metric]",                      1000.0 },
    { "ton [short, US]",                   907.18474 },
    { "tonelada [Portugal]",               793.22112 },       // approx. 54 arrobas
    { "tonelada [Spain]",                  920.186 },         // approx. 20 quintales
    { "tonne",                             1000.0 },
    { "tonneau [France]",                  979.0116 },        // approx. 2000 livres
    { "tovar [Bulgaria]",                  128.29 },          // approx. 100 oka
    // 190
    { "troy ounce",                        0.0311034768 },
    { "troy pound",                        0.3732417216 },
    { "truss",                             25.40117272 },     // 56 lb (old hay)
    { "uncia [Rome]",                      0.02728034111 },   // approx. 1/12 libra
    { "unze [Germany]",                    0.03125 },         // 1/16 Pfund of 500 g
    { "vagon [Yugoslavia]",                10000.0 },         // 10 t wagonload
    { "yoctogram",                         1e-27 },
    { "yottagram",                         1e+21 },
    { "zentner [Germany]",                 50.0 },
    { "zeptogram",                         1e-24 },
    // 200
    { "zettagram",                         1e+18 },
    { "pound + ounce", 0.45359237 },  // compound: converts as its first part
    { "stone + pound", 6.35029318 },  // compound: converts as its first part
};
