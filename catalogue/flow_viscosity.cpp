// Mass and mole flow rates, and the three viscosity tables.
#include "catalogue/tables.h"

// 16 "Flow Rate (Mass)": factors in kilogram/second
const UnitEntry MassFlowUnits[36] = {
    { "centigram/day",       1.1574074074074075e-10 },
    { "centigram/hour",      2.777777777777778e-09 },
    { "centigram/minute",    1.6666666666666668e-07 },
    { "centigram/second",    1e-05 },
    { "gram/day",            1.1574074074074076e-08 },
    { "gram/hour",           2.777777777777778e-07 },
    { "gram/minute",         1.6666666666666667e-05 },
    { "gram/second",         0.001 },
    { "kilogram/day",        1.1574074074074073e-05 },
    { "kilogram/hour",       0.0002777777777777778 },
    // 10
    { "kilogram/minute",     0.016666666666666666 },
    { "kilogram/second",     1.0 },
    { "milligram/day",       1.1574074074074074e-11 },
    { "milligram/hour",      2.7777777777777777e-10 },
    { "milligram/minute",    1.6666666666666667e-08 },
    { "milligram/second",    1e-06 },
    { "ounce/day",           3.281192129629629e-07 },
    { "ounce/hour",          7.87486111111111e-06 },
    { "ounce/minute",        0.00047249166666666665 },
    { "ounce/second",        0.0283495 },
    // 20
    { "pound/day",           5.2499074074074065e-06 },
    { "pound/hour",          0.00012599777777777776 },
    { "pound/minute",        0.0075598666666666665 },
    { "pound/second",        0.453592 },
    { "ton/day [long]",      0.011759792592592593 },
    { "ton/day [metric]",    0.011574074074074075 },
    { "ton/day [short]",     0.010499814814814814 },
    { "ton/hour [long]",     0.28223502222222224 },
    { "ton/hour [metric]",   0.2777777777777778 },
    { "ton/hour [short]",    0.25199555555555553 },
    // 30
    { "ton/minute [long]",   16.934101333333334 },
    { "ton/minute [metric]", 16.666666666666668 },
    { "ton/minute [short]",  15.119733333333333 },
    { "ton/second [long]",   1016.04608 },
    { "ton/second [metric]", 1000.0 },
    { "ton/second [short]",  907.184 },
};

// 17 "Flow Rate (Mole Basis)": factors in mole/second
const UnitEntry MoleFlowUnits[20] = {
    { "centimole/day",    1.1574074074074073e-07 },
    { "centimole/hour",   2.7777777777777775e-06 },
    { "centimole/minute", 0.00016666666666666666 },
    { "centimole/second", 0.01 },
    { "megamole/day",     11.574074074074074 },
    { "megamole/hour",    277.77777777777777 },
    { "megamole/minute",  16666.666666666668 },
    { "megamole/second",  1000000.0 },
    { "micromole/day",    1.1574074074074074e-11 },
    { "micromole/hour",   2.7777777777777777e-10 },
    // 10
    { "micromole/minute", 1.6666666666666667e-08 },
    { "micromole/second", 1e-06 },
    { "millimole/day",    1.1574074074074076e-08 },
    { "millimole/hour",   2.777777777777778e-07 },
    { "millimole/minute", 1.6666666666666667e-05 },
    { "millimole/second", 0.001 },
    { "mole/day",         1.1574074074074073e-05 },
    { "mole/hour",        0.0002777777777777778 },
    { "mole/minute",      0.016666666666666666 },
    { "mole/second",      1.0 },
};

// 13 "Dynamic Viscosity (Oil & Water)": factors in poise (base row "Poise")
const UnitEntry OilWaterViscosityUnits[16] = {
    { "Poise",             1.0 },
    { "Centipoise",        0.01 },
    { "lbf-S/square foot", 478.698 },
    { "N-S/ square meter", 10.0 },
    { "Water(20 C)",       0.01 },
    { "Water(40 C)",       0.0065 },
    { "Heavy Oil(20 C)",   4.5 },
    { "Heavy Oil(40 C)",   1.1 },
    { "Glycerin(20 C)",    14.1 },
    { "Glycerin(40 C)",    2.84 },
    // 10
    { "SAE 5W(-18 C)",     12.0 },
    { "SAE 10W(-18 C)",    24.0 },
    { "SAE 20(-18 C)",     96.0 },
    { "SAE 5W(99 C)",      0.039 },
    { "SAE 10W(99 C)",     0.042 },
    { "SAE 20(99 C)",      0.057 },
};

// 14 "Dynamic Viscosity": factors in pascal second
const UnitEntry DynamicViscosityUnits[22] = {
    { "centipoise",                          0.001 },
    { "decipoise",                           0.01 },
    { "dyne second/cm&sup2;",                0.1 },
    { "gram-force second/cm&sup2;",          98.0665 },
    { "gram/centimeter second",              0.1 },
    { "kilogram-force second/m&sup2;&nbsp;", 9.80665 },
    { "kilogram/meter hour",                 0.0002777777777777778 },
    { "kilogram/meter second",               1.0 },
    { "millipascal second",                  0.001 },
    { "millipoise",                          0.0001 },
    // 10
    { "newton second/m&sup2;",               1.0 },
    { "pascal second",                       1.0 },
    { "poise",                               0.1 },
    { "poiseuille [France]",                 1.0 },
    { "pound-force second/ft&sup2;",         47.880259 },
    { "pound-force second/in&sup2;",         6894.75729 },
    { "pound/foot hour",                     0.00041337887 },
    { "pound/foot second",                   1.4881639 },
    { "poundal hour/ft&sup2;",               0.00041337887 },
    { "poundal second/ft&sup2;",             1.4881639 },
    // 20
    { "reyn",                                6894.75729 },
    { "slug/foot second",                    47.880259 },
};

// 22 "Kinematic Viscosity": factors in square meters per second
const UnitEntry KinematicViscosityUnits[28] = {
    { "centistokes",         1e-06 },
    { "lentor",              0.0001 },
    { "liter/cm day",        1.1574074074074074e-06 },
    { "liter/cm hour",       2.777777777777778e-05 },
    { "liter/cm minute",     0.0016666666666666668 },
    { "liter/cm second",     0.1 },
    { "poise cm\xB3/gram  ", 0.0001 },
    { "cm\xB2/day",          1.1574074074074074e-09 },
    { "cm\xB2/hour",         2.7777777777777777e-08 },
    { "cm\xB2/minute",       1.6666666666666667e-06 },
    // 10
    { "cm\xB2/second",       0.0001 },
    { "ft\xB2/day",          1.0752667e-06 },
    { "ft\xB2/hour",         2.58064e-05 },
    { "ft\xB2/minute",       0.001548384 }, // row 14 / 60
    { "ft\xB2/second",       0.09290304 },
    { "in\xB2/day",          7.4671296e-09 },
    { "in\xB2/hour",         1.7921111e-07 },
    { "in\xB2/minute",       1.0752667e-05 },
    { "in\xB2/second",       0.00064516 },
    { "m\xB2/day",           1.1574074074074073e-05 },
    // 20
    { "m\xB2/hour",          0.0002777777777777778 },
    { "m\xB2/minute",        0.016666666666666666 },
    { "m\xB2/second",        1.0 },
    { "mm\xB2/day",          1.1574074074074074e-11 },
    { "mm\xB2/hour",         2.7777777777777777e-10 },
    { "mm\xB2/minute",       1.6666666666666667e-08 },
    { "mm\xB2/second",       1e-06 },
    { "stokes",              0.0001 },
};
