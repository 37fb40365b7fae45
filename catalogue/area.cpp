// Area units (category "Area"): each factor is an area in square meters;
// "centiare" and "square meter" are the base units.
#include "catalogue/tables.h"

const UnitEntry AreaUnits[127] = {
    // 0
    { "acre",                                  4046.8564224 },           // 43560 sq ft
    { "acre [commercial]",                     3344.50944 },             // 36000 sq ft
    { "acre [survey]",                         4046.8726267200004 },     // 43560 sq survey ft, rounded; approx.
    { "acre [Ireland]",                        6555.2385024 },           // 7840 sq yd: 160 sq Irish perches of 7 yd
    { "are",                                   100.0 },
    { "arpent [Canada]",                       3418.893859230864 },      // (180 Canadian French feet of 12.789 in)^2
    { "barn",                                  1e-28 },
    { "bovate",                                60702.846336 },           // 15 acres (1/8 carucate)
    { "bunder",                                10000.0 },
    { "caballeria [Spain/Peru]",               386373.704984064 },       // 60 fanegas de tierra; approx.
    // 10
    { "caballeria [Central America]",          447186.4384 },            // 64 manzanas; approx.
    { "caballeria [Cuba]",                     134202.064896 },          // 324 sq cordeles of 24 Cuban varas (0.848 m); approx.
    { "carreau",                               12926.276688452603 },     // Haiti: (100 pas of 3.5 pieds du roi)^2; approx.
    { "carucate",                              485622.770688 },          // 120 acres (8 oxgangs)
    { "cawney",                                5351.215104 },            // Madras: 57600 sq ft
    { "centiare",                              1.0 },
    { "cong",                                  1000.0 },                 // Vietnam (South): 1000 m2; approx.
    { "cover",                                 3612.0701952 },           // Wales (cyfar of Anglesey, Caernarfon): the 4320 sq yd erw; approx.
    { "cuerda",                                3930.395625 },            // Puerto Rico
    { "dekare",                                1000.0 },
    // 20
    { "dessiatina",                            10925.397504 },           // 2400 sq sazhen of 7 ft
    { "dhur",                                  16.93157904 },            // Nepal: 1/20 kattha = 182.25 sq ft
    { "dunum, dunham",                         1000.0 },                 // metric dunam
    { "fall [Scots]",                          32.14042464521483 },      // (6 Scots ells of 37 Scots inches)^2
    { "fall [English]",                        25.29285264 },            // square fall = square rod, 1/160 acre
    { "fanega",                                6439.5617497344 },        // Castile: 9216 sq varas (0.835905 m); approx.
    { "farthingdale",                          1011.7141056 },           // 1/4 acre
    { "hacienda",                              89605555.55555555 },      // 5 sq leguas: 125e6 sq Texas varas
    { "hectare",                               10000.0 },
    { "hide",                                  485622.770688 },          // 120 acres
    // 30
    { "homestead",                             647499.6202752001 },      // 160 acres [survey]
    { "hundred",                               48562277.0688 },          // 100 hides = 12000 acres
    { "jerib",                                 2000.0 },                 // Afghanistan: 2000 m2; approx.
    { "jitro, joch, jutro",                    5754.641528609833 },      // 1600 sq Austrian klafter
    { "jo [Japan]",                            1.6528925619834711 },     // one tatami mat, 3 x 6 shaku = 1/2 tsubo; approx.
    { "kappland",                              154.2618175 },            // Sweden: 1/32 tunnland
    { "kattha [Nepal]",                        338.6315808 },            // Nepal: 3645 sq ft
    { "labor",                                 716844.4444444445 },      // 1e6 sq Texas varas
    { "legua",                                 17921111.111111112 },     // square legua: 25e6 sq Texas varas
    { "manzana [Costa Rican]",                 6987.2881 },              // 10000 sq Costa Rican varas (0.8359 m); approx.
    // 40
    { "manzana [Argentina]",                   10000.0 },
    { "morgen [Germany]",                      2500.0 },                 // 1/4 hectare; approx.
    { "morgen [South Africa]",                 8565.334161168385 },      // 600 sq Cape roods of 12 Cape feet (1.033 ft)
    { "mu",                                    666.6666666666666 },      // 1/15 hectare
    { "ngarn",                                 400.0 },                  // Thailand: 1/4 rai
    { "nook",                                  80937.128448 },           // northern England: 1/2 yardland of 40 acres = 20 acres
    { "oxgang",                                60702.846336 },           // 15 acres
    { "perch",                                 25.29285264 },            // square rod
    { "perche [Canada]",                       34.18893859230864 },      // (18 Canadian French feet)^2, 1/100 arpent
    { "ping",                                  3.3057851239669422 },     // Taiwan: = tsubo, (6 shaku of 10/33 m)^2
    // 50
    { "pyong",                                 3.3057851239669422 },     // Korea: = tsubo
    { "rai",                                   1600.0 },
    { "rood",                                  1011.7141056 },           // 1/4 acre
    { "section",                               2589998.5 },              // 1 sq mile [survey]; approx.
    { "shed",                                  1e-52 },                  // 1e-24 barn = 1e-52 m2
    { "sitio",                                 17921111.111111112 },     // sitio de ganado mayor = square legua
    { "square",                                9.290304 },               // 100 sq ft
    { "square angstrom",                       1e-20 },
    { "square astronomical unit",              2.2379522915281156e+22 }, // (149597870691 m)^2
    { "square attometer",                      1e-36 },
    // 60
    { "square bicron",                         1e-24 },
    { "square centimeter",                     0.0001 },
    { "square chain [Gunter, survey]",         404.6872609874252 },      // (66 survey ft)^2
    { "square chain [Ramden, Engineer]",       929.0304 },               // (100 ft)^2
    { "square city block [East U.S.]",         6474.97027584 },          // (1/20 mile)^2
    { "square city block [Midwest U.S.]",      10117.141056 },           // (1/16 mile)^2
    { "square city block [South, West U.S.]",  25899.88110336 },         // (1/10 mile)^2
    { "square cubit",                          0.20903184 },             // (18 in)^2
    { "square decimeter",                      0.01 },
    { "square dekameter",                      100.0 },
    // 70
    { "square exameter",                       1e+36 },
    { "square fathom",                         3.34450944 },             // (6 ft)^2
    { "square femtometer",                     1e-30 },
    { "square fermi",                          1e-30 },
    { "square foot",                           0.09290304 },             // (0.3048 m)^2
    { "square foot [survey]",                  0.09290341161327484 },    // (1200/3937 m)^2
    { "square furlong",                        40468.564224 },           // (660 ft)^2 = 10 acres
    { "square gigameter",                      1e+18 },
    { "square hectometer",                     10000.0 },
    { "square inch",                           0.0006451600000000001 },  // (0.0254 m)^2
    // 80
    { "square inch [survey]",                  0.0006451625806477419 },  // (survey inch)^2
    { "square kilometer",                      1000000.0 },
    { "square league [nautical]",              30869136.0 },             // (3 nautical miles)^2
    { "square league [U.S. statute]",          23309986.23287569 },      // (3 US survey miles)^2
    { "square light year",                     8.950542107481893e+31 },  // (Julian light year)^2
    { "square link [Gunter, survey]",          0.04046872609874252 },    // (0.66 survey ft)^2
    { "square link [Ramden, Engineer]",        0.09290304 },             // (1 ft)^2
    { "square megameter",                      1000000000000.0 },
    { "square meter",                          1.0 },
    { "square microinch",                      6.4516e-16 },
    // 90
    { "square micrometer",                     1e-12 },
    { "square micromicron",                    1e-24 },
    { "square micron",                         1e-12 },
    { "square mil",                            6.4516e-10 },
    { "square mile",                           2589988.110336 },         // (5280 ft)^2
    { "square mile [nautical]",                3429904.0 },              // (1852 m)^2
    { "square mile [survey, U.S. statute]",    2589998.5 },              // approx.
    { "square millimeter",                     1e-06 },
    { "square millimicron",                    1e-18 },
    { "square myriameter",                     100000000.0 },
    // 100
    { "square nanometer",                      1e-18 },
    { "square Paris foot",                     0.10552062602818452 },    // (pied du roi, 144/443.296 m)^2
    { "square parsec",                         9.521405559027358e+32 },  // (parsec)^2
    { "square perch",                          25.29285264 },            // square rod
    { "square perche",                         51.07198299764131 },      // (perche royale of 22 pieds du roi)^2
    { "square petameter",                      1e+30 },
    { "square picometer",                      1e-24 },
    { "square rod",                            25.29285264 },            // (16.5 ft)^2
    { "square tenthmeter",                     1e-20 },
    { "square terameter",                      1e+24 },
    // 110
    { "square thou",                           6.4516e-10 },
    { "square vara [California]",              0.70257924 },             // (33 in)^2, as the vara [California] length
    { "square vara [Texas]",                   0.7168444444444444 },     // (33 1/3 in)^2
    { "square yard",                           0.8361273600000001 },     // (3 ft)^2
    { "square yard [survey]",                  0.8361307045194736 },     // (3 survey ft)^2
    { "square yoctometer",                     1e-48 },
    { "square yottameter",                     1e+48 },
    { "stang",                                 2709.0526464 },           // Wales: 3240 sq yd
    { "stremma",                               1000.0 },
    { "tarea",                                 628.855929 },             // Dominican Republic: 900 sq varas (0.8359 m); approx.
    // 120
    { "tatami [Japan]",                        1.6528925619834711 },     // 3 x 6 shaku = 1/2 tsubo; approx.
    { "tonde land",                            5516.10206 },             // Denmark: 14000 sq alen
    { "township",                              93239945.3196288 },       // 36 sections of 640 acres [survey]; approx.
    { "tsubo",                                 3.3057851239669422 },     // 36 sq shaku (shaku = 10/33 m)
    { "tunnland",                              4936.37816 },             // Sweden: 56000 sq fot
    { "yard",                                  0.8361273600000001 },     // square yard
    { "virgate",                               120000.0 },               // about 30 acres; approx.
};
