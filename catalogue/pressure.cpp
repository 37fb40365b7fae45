// 27 "Pressure": factors in pascal. Liquid and air columns are height x density x g_n
// (9.80665 m/s2): water 1000 kg/m3 (the conventional water column, also for the
// "[4 deg C]" rows; water at 4 deg C is 999.972 kg/m3), mercury 13595.1 kg/m3, dry air as noted.
#include "catalogue/tables.h"

const UnitEntry PressureUnits[100] = {
    { "atmosphere [standard]",              101325.01          }, // approx.; 101325 Pa by definition
    { "atmosphere [technical]",             98066.5            }, // 1 kgf/cm2
    { "attobar",                            1e-13 },
    { "attopascal",                         1e-18 },
    { "bar",                                100000.0 },
    { "barad",                              0.1                }, // old name of the barye
    { "barye",                              0.1                }, // 1 dyne/square centimeter (CGS)
    { "centibar",                           1000.0 },
    { "centihg",                            1333.2239          }, // centimeter of mercury (as millihg is the millimeter); approx.
    { "centimeter of mercury [0 \xB0" "C]", 1333.2239          }, // 13595.1 kg/m3 x 0.01 m x g_n, 8 digits; approx.
    // 10
    { "centimeter of water [4 \xB0" "C]",   98.0665            }, // 0.01 m x 1000 kg/m3 x g_n
    { "centipascal",                        0.01 },
    { "centitorr",                          1.3332237          }, // torr / 100; approx.
    { "decibar",                            10000.0 },
    { "decipascal",                         0.1 },
    { "decitorr",                           13.332237          }, // torr / 10; approx.
    { "dekabar",                            1000000.0 },
    { "dekapascal",                         10.0 },
    { "dyne/square centimeter",             0.1 },
    { "exabar",                             1e+23 },
    // 20
    { "exapascal",                          1e+18 },
    { "femtobar",                           1e-10 },
    { "femtopascal",                        1e-15 },
    { "foot of air [0 \xB0" "C]",           3.86486352756      }, // 0.3048 m x 1.293 kg/m3 x g_n; approx.
    { "foot of air [15 \xB0" "C]",          3.661606977        }, // 0.3048 m x 1.225 kg/m3 x g_n; approx.
    { "foot of head",                       2989.0669          }, // foot of water; approx.
    { "foot of mercury [0 \xB0" "C]",       40636.664          }, // 12 inches of mercury (0.3048 m x 13595.1 kg/m3 x g_n, 8 digits); approx.
    { "foot of water [4 \xB0" "C]",         2989.0669          }, // 1000 kg/m3 x 0.3048 m x g_n, 8 digits; approx.
    { "gigabar",                            100000000000000.0 },
    { "gigapascal",                         1000000000.0 },
    // 30
    { "gram-force/square centimeter",       98.0665            }, // 1 gram x g_n per cm2
    { "hectobar",                           10000000.0 },
    { "hectopascal",                        100.0 },
    { "inch of air [0 \xB0" "C]",           0.32207196063      }, // 0.0254 m x 1.293 kg/m3 x g_n; approx.
    { "inch of air [15 \xB0" "C]",          0.30513391475      }, // 0.0254 m x 1.225 kg/m3 x g_n; approx.
    { "inch of mercury [0 \xB0" "C]",       3386.3886666666663 }, // 1/12 foot of mercury; approx.
    { "inch of water [4 \xB0" "C]",         249.0889083333333  }, // 1/12 foot of water; approx.
    { "kilobar",                            100000000.0 },
    { "kilogram-force/square centimeter",   98066.5 },
    { "kilogram-force/square meter",        9.80665 },
    // 40
    { "kilogram-force/square millimeter",   9806650.0 },
    { "kilonewton/square meter",            1000.0 },
    { "kilopascal",                         1000.0 },
    { "kilopond/square centimeter",         98066.5            }, // kilopond = kilogram-force
    { "kilopond/square meter",              9.80665            }, // kilopond = kilogram-force
    { "kilopond/square millimeter",         9806650.0          }, // kilopond = kilogram-force
    { "kip/square foot",                    47880.258888888886 }, // 1000 pound/square foot; approx.
    { "kip/square inch",                    6894757.279999999  }, // 1000 pound/square inch; approx.
    { "megabar",                            100000000000.0 },
    { "meganewton/square meter",            1000000.0 },
    // 50
    { "megapascal",                         1000000.0 },
    { "meter of air [0 \xB0" "C]",          12.67999845        }, // 1 m x 1.293 kg/m3 x g_n; approx.
    { "meter of air [15 \xB0" "C]",         12.01314625        }, // 1 m x 1.225 kg/m3 x g_n; approx.
    { "meter of head",                      9804.139432        }, // 3.28 foot of head; approx. (1 m of water is 9806.65 Pa)
    { "microbar",                           0.1 },
    { "micrometer of mercury [0 \xB0" "C]", 0.13332239         }, // 1/1000 millimeter of mercury; approx.
    { "micrometer of water [4 \xB0" "C]",   0.00980665         }, // 1e-6 m x 1000 kg/m3 x g_n
    { "micron of mercury [0 \xB0" "C]",     0.13332239         }, // micrometer of mercury; approx.
    { "micropascal",                        1e-06 },
    { "millibar",                           100.0 },
    // 60
    { "millihg",                            133.32239          }, // millimeter of mercury; approx.
    { "millimeter of mercury [0 \xB0" "C]", 133.32239          }, // 13595.1 kg/m3 x 0.001 m x g_n, 8 digits; approx.
    { "millimeter of water [4 \xB0" "C]",   9.80665            }, // 0.001 m x 1000 kg/m3 x g_n
    { "millipascal",                        0.001 },
    { "millitorr",                          0.13332237         }, // torr / 1000; approx.
    { "nanobar",                            0.0001 },
    { "nanopascal",                         1e-09 },
    { "newton/square meter",                1.0 },
    { "newton/square millimeter",           1000000.0 },
    { "ounce/square inch",                  430.92233          }, // 1/16 pound/square inch; approx.
    // 70
    { "pascal",                             1.0 },
    { "petabar",                            1e+20 },
    { "petapascal",                         1000000000000000.0 },
    { "picobar",                            1e-07 },
    { "picopascal",                         1e-12 },
    { "pieze",                              1000.0             }, // 1 sthene/square meter (meter-tonne-second system)
    { "pound/square foot",                  47.88025888888889  }, // 1/144 pound/square inch; approx.
    { "pound/square inch",                  6894.75728         }, // 0.45359237 kg x g_n / 0.0254^2 m2, 9 digits; approx.
    { "poundal/square foot",                1.4881639435695537 }, // lb ft/s2 per ft2
    { "sthene/square meter",                1000.0             }, // sthene = 1 tonne x 1 m/s2 = 1 kN
    // 80
    { "technical atmosphere",               98066.5            }, // 1 kgf/cm2
    { "terabar",                            1e+17 },
    { "terapascal",                         1000000000000.0 },
    { "ton/square foot [long]",             107251.77991111111 }, // 2240 pound/square foot; approx.
    { "ton/square foot [short]",            95760.51777777777  }, // 2000 pound/square foot; approx.
    { "ton/square inch [long]",             15444256.3072      }, // 2240 pound/square inch; approx.
    { "ton/square inch [short]",            13789514.56        }, // 2000 pound/square inch; approx.
    { "ton/square meter",                   9806.65            }, // metric ton-force per m2
    { "torr",                               133.32237          }, // approx.; 101325/760 Pa by definition
    { "Water Column [centimeter]",          98.0665            }, // centimeter of water
    // 90
    { "Water Column [inch]",                249.0889083333333  }, // inch of water; approx.
    { "Water Column [millimeter]",          9.80665            }, // millimeter of water
    { "yoctobar",                           1e-19 },
    { "yoctopascal",                        1e-24 },
    { "yottabar",                           1e+29 },
    { "yottapascal",                        1e+24 },
    { "zeptobar",                           1e-16 },
    { "zeptopascal",                        1e-21 },
    { "zettabar",                           1e+26 },
    { "zettapascal",                        1e+21 },
};
