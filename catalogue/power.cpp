// 26 "Power": powers in watt. Hour and minute rows are the per-second row divided by
// 3600 and 60; calories and Btus are the International Table ones.
#include "catalogue/tables.h"

const UnitEntry PowerUnits[69] = {
    { "attowatt",                           1e-18 },
    { "Btu/hour [I.T.]",                    0.29307107 },              // Btu [I.T.]/h; approx.
    { "Btu/minute [I.T.]",                  17.5842642 },              // approx.
    { "Btu/second [I.T.]",                  1055.055852 },             // Btu [I.T.]/s; approx.
    { "calorie/hour [I.T.]",                0.001163 },
    { "calorie/minute [I.T.]",              0.06978 },
    { "calorie/second [I.T.]",              4.1868 },
    { "centiwatt",                          0.01 },
    { "cheval vapeur",                      735.49875 },               // metric horsepower, 75 kgf m/s
    { "clusec",                             1.3332237e-06 },           // 0.01 lusec (liter micron of mercury/s); approx.
    // 10
    { "deciwatt",                           0.1 },
    { "dekawatt",                           10.0 },
    { "dyne centimeter/hour",               2.7777777777777777e-11 },
    { "dyne centimeter/minute",             1.6666666666666665e-09 },
    { "dyne centimeter/second",             1e-07 },
    { "erg/hour",                           2.7777777777777777e-11 },
    { "erg/minute",                         1.6666666666666665e-09 },
    { "erg/second",                         1e-07 },
    { "exawatt",                            1e+18 },
    { "femtowatt",                          1e-15 },
    // 20
    { "foot pound-force/hour",              0.0003766160833333333 },   // approx.
    { "foot pound-force/minute",            0.022596965 },             // approx.
    { "foot pound-force/second",            1.3558179 },               // approx.
    { "foot poundal/hour",                  1.170558611111111e-05 },   // approx.
    { "foot poundal/minute",                0.0007023351666666667 },   // approx.
    { "foot poundal/second",                0.04214011 },              // approx.
    { "gigawatt",                           1000000000.0 },
    { "gram-force centimeter/hour",         2.7240694444444445e-08 },
    { "gram-force centimeter/minute",       1.6344416666666667e-06 },
    { "gram-force centimeter/second",       9.80665e-05 },
    // 30
    { "hectowatt",                          100.0 },
    { "horsepower [international]",         745.69987 },               // 550 ft lbf/s; approx.
    { "horsepower [electric]",              746.0 },
    { "horsepower [metric]",                735.49875 },               // 75 kgf m/s
    { "horsepower [water]",                 746.043 },                 // approx.
    { "inch ounce-force revolution/minute", 0.00073948398 },           // 1 ozf in x 2 pi rad per minute; approx.
    { "joule/hour",                         0.0002777777777777778 },
    { "joule/minute",                       0.016666666666666666 },
    { "joule/second",                       1.0 },
    { "kilocalorie/hour [I.T.]",            1.163 },
    // 40
    { "kilocalorie/minute [I.T.]",          69.78 },
    { "kilocalorie/second [I.T.]",          4186.8 },
    { "kilogram-force meter/hour",          0.0027240694444444443 },
    { "kilogram-force meter/minute",        0.16344416666666667 },
    { "kilogram-force meter/second",        9.80665 },
    { "kilopond meter/hour",                0.0027240694444444443 },
    { "kilopond meter/minute",              0.16344416666666667 },
    { "kilopond meter/second",              9.80665 },
    { "kilowatt",                           1000.0 },
    { "megawatt",                           1000000.0 },
    // 50
    { "microwatt",                          1e-06 },
    { "million Btu/hour [I.T.]",            293071.07 },               // approx.
    { "milliwatt",                          0.001 },
    { "nanowatt",                           1e-09 },
    { "newton meter/hour",                  0.0002777777777777778 },
    { "newton meter/minute",                0.016666666666666666 },
    { "newton meter/second",                1.0 },
    { "petawatt",                           1000000000000000.0 },
    { "pferdestarke",                       735.49875 },               // same as cheval vapeur
    { "picowatt",                           1e-12 },
    // 60
    { "poncelet",                           980.665 },                 // 100 kgf m/s
    { "pound square foot/cubic second",     0.04214011 },              // lb ft^2/s^3 = foot poundal/second; approx.
    { "terawatt",                           1000000000000.0 },
    { "ton of refrigeration",               3516.85284 },              // 12 000 Btu [I.T.]/h; approx.
    { "watt",                               1.0 },
    { "yoctowatt",                          1e-24 },
    { "yottawatt",                          1e+24 },
    { "zeptowatt",                          1e-21 },
    { "zettawatt",                          1e+21 },
};
