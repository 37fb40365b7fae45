// 15 "Energy": energies in joule. Calories are named by variant ([I.T.] 4.1868 J,
// [thermochemical] 4.184 J, [15 deg C] 4.1858 J); "Btu" is the International Table Btu.
#include "catalogue/tables.h"

const UnitEntry EnergyUnits[101] = {
    { "attojoule",                               1e-18 },
    { "Board of Trade unit",                     3600000.0 },            // 1 kilowatt hour
    { "Btu",                                     1055.0559 },            // International Table Btu; approx.
    { "Btu [thermochemical]",                    1054.3502644888888 },   // 4.184 J/(g K) x 1 lb x 5/9 K
    { "calorie [I.T.]",                          4.1868 },
    { "calorie [15\xB0 C]",                      4.1858 },               // approx.
    { "Calorie [nutritional]",                   4186.8 },               // 1 kilocalorie [I.T.]
    { "calorie [thermochemical]",                4.184 },
    { "celsius heat unit",                       1899.100534716 },       // 4.1868 J/(g K) x 1 lb x 1 K = 1.8 Btu [I.T.]
    { "centijoule",                              0.01 },
    // 10
    { "cheval vapeur heure",                     2647795.5 },            // 735.49875 W x 3600 s
    { "decijoule",                               0.1 },
    { "dekajoule",                               10.0 },
    { "dekawatt hour",                           36000.0 },
    { "dekatherm",                               1055055900.0 },         // 1 000 000 Btu [I.T.] (gas trade: 1.055056 GJ/Dth); approx.
    { "electronvolt",                            1.6021773e-19 },        // CODATA 1986 value (exactly 1.602176634e-19 since 2019); approx.
    { "erg",                                     1e-07 },
    { "exajoule",                                1e+18 },
    { "exawatt hour",                            3.6e+21 },
    { "femtojoule",                              1e-15 },
    // 20
    { "foot pound",                              1.3558179 },            // foot pound-force; approx.
    { "foot poundal",                            0.0421401100938048 },   // 1 lb ft^2/s^2
    { "gallon [UK] of automotive gasoline",      158237172.0 },          // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of automotive gasoline",    131760000.0 },          // 36.6 kWh (EIA 5.253 MMBtu/bbl: 131.96 MJ); approx.
    { "gallon [UK] of aviation gasoline",        152289672.52176285 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of aviation gasoline",      126807671.02857143 },   // 5.048 MMBtu/bbl / 42 (EIA); approx.
    { "gallon [UK] of diesel oil",               175730456.10920537 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of diesel oil",             146326205.17857143 },   // 5.825 MMBtu/bbl / 42 (EIA); approx.
    { "gallon [UK] of distilate #2 fuel oil",    175730456.10920537 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of distilate #2 fuel oil",  146326205.17857143 },   // 5.825 MMBtu/bbl / 42 (EIA); approx.
    // 30
    { "gallon [UK] of kerosene type jet fuel",   171054366.71917498 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of kerosene type jet fuel", 142432546.5 },          // 5.670 MMBtu/bbl / 42 (EIA); approx.
    { "gallon [UK] of LPG",                      121005126.0865275 },    // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of LPG",                    100757838.45 },         // 95 500 Btu; approx.
    { "gallon [UK] of naphtha type jet fuel",    161551346.34588748 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of naphtha type jet fuel",  134519627.25 },         // 5.355 MMBtu/bbl / 42 (EIA); approx.
    { "gallon [UK] of kerosene",                 171054366.71917498 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of kerosene",               142432546.5 },          // 5.670 MMBtu/bbl / 42 (EIA); approx.
    { "gallon [UK] of residual fuel oil",        189668219.32336035 },   // U.S. row x 1.20095; approx.
    { "gallon [U.S.] of residual fuel oil",      157931820.07857144 },   // 6.287 MMBtu/bbl / 42 (EIA); approx.
    // 40
    { "gigaelectronvolt",                        1.6021773e-10 },        // electronvolt x 10^9; approx.
    { "gigacalorie [I.T.]",                      4186800000.0 },
    { "gigacalorie [15\xB0 C]",                  4185800000.0 },
    { "gigajoule",                               1000000000.0 },
    { "gigawatt hour",                           3600000000000.0 },
    { "gram calorie",                            4.1858 },               // same as calorie [15 deg C]
    { "hartree",                                 4.3597447222071e-18 },  // CODATA 2018; approx.
    { "hectojoule",                              100.0 },
    { "hectowatt hour",                          360000.0 },
    { "horsepower hour",                         2684519.537696173 },    // 550 ft lbf/s x 3600 s
    // 50
    { "hundred cubic foot of natural gas",       108670757.7 },          // 100 ft^3 x 1030 Btu/ft^3 (EIA, gross); approx.
    { "inch ounce",                              0.0070615515625 },      // inch pound / 16 (ounce-force inch); approx.
    { "inch pound",                              0.112984825 },          // foot pound / 12 (pound-force inch); approx.
    { "joule",                                   1.0 },
    { "kilocalorie [15\xB0 C]",                  4185.8 },
    { "kilocalorie [I.T.]",                      4186.8 },
    { "kilocalorie [thermochemical]",            4184.0 },
    { "kiloelectronvolt",                        1.6021773e-16 },        // electronvolt x 10^3; approx.
    { "kilogram calorie",                        4185.8 },               // 1000 gram calories (15 deg C)
    { "kilogram-force meter",                    9.80665 },
    // 60
    { "kilojoule",                               1000.0 },
    { "kilopond meter",                          9.80665 },
    { "kiloton [explosive]",                     4184000000000.0 },      // 10^12 cal_th
    { "kilowatt hour",                           3600000.0 },
    { "liter atmosphere",                        101.325 },              // 0.001 m^3 x 101325 Pa
    { "megaelectronvolt",                        1.6021773e-13 },        // electronvolt x 10^6; approx.
    { "megacalorie [I.T.]",                      4186800.0 },
    { "megacalorie [15\xB0 C]",                  4185800.0 },
    { "megajoule",                               1000000.0 },
    { "megalerg",                                0.1 },                  // 10^6 erg (megaerg)
    // 70
    { "megaton [explosive]",                     4184000000000000.0 },   // 1000 kilotons [explosive]
    { "megawatthour",                            3600000000.0 },
    { "meter kilogram-force",                    9.80665 },
    { "microjoule",                              1e-06 },
    { "millijoule",                              0.001 },
    { "myriawatt hour",                          36000000.0 },           // 10 000 watt hours
    { "nanojoule",                               1e-09 },
    { "newton meter",                            1.0 },
    { "petajoule",                               1000000000000000.0 },
    { "petawatthour",                            3.6e+18 },
    // 80
    { "pferdest\xE4rkenstunde",                  2647795.5 },            // 735.49875 W x 3600 s
    { "picojoule",                               1e-12 },
    { "Q unit",                                  1.0550559e+21 },        // 10^18 Btu; approx.
    { "quad",                                    1.0550559e+18 },        // 10^15 Btu; approx.
    { "teraelectronvolt",                        1.6021773e-07 },        // electronvolt x 10^12; approx.
    { "terajoule",                               1000000000000.0 },
    { "terawatthour",                            3600000000000000.0 },
    { "therm [Europe]",                          105505590.0 },          // 100 000 Btu [I.T.]; approx.
    { "therm [U.S.]",                            105480400.0 },          // 100 000 Btu (59 deg F)
    { "thermie",                                 4185800.0 },            // 1 Mcal (15 deg C calorie)
    // 90
    { "ton [explosive]",                         4184000000.0 },         // 10^9 cal_th
    { "tonne of coal equivalent",                29307600000.0 },        // 7 Gcal [I.T.]
    { "tonne of oil equivalent",                 41868000000.0 },        // 10 Gcal [I.T.]
    { "watthour",                                3600.0 },
    { "wattsecond",                              1.0 },
    { "yoctojoule",                              1e-24 },
    { "yottajoule",                              1e+24 },
    { "yottawatthour",                           3.6e+27 },
    { "zeptojoule",                              1e-21 },
    { "zettajoule",                              1e+21 },
    // 100
    { "zettawatthour",                           3.6e+24 },
};
