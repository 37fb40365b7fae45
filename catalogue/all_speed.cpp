// 1 "All Speed": speeds in meter/second ("benz" is a synonym of the base unit).
// Each length comes as per day, hour, minute and second rows; the first three are the
// per-second factor divided by 86400, 3600 and 60.
#include "catalogue/tables.h"

const UnitEntry AllSpeedUnits[70] = {
    { "benz",                       1.0 },                     // synonym of meter/second
    { "centimeter/day",             1.1574074074074074e-07 },
    { "centimeter/hour",            2.777777777777778e-06 },
    { "centimeter/minute",          0.00016666666666666666 },
    { "centimeter/second",          0.01 },
    { "dekameter/day",              0.00011574074074074075 },
    { "dekameter/hour",             0.002777777777777778 },
    { "dekameter/minute",           0.16666666666666666 },
    { "dekameter/second",           10.0 },
    { "foot/day",                   3.527777777777778e-06 },
    // 10
    { "foot/hour",                  8.466666666666667e-05 },
    { "foot/minute",                0.00508 },
    { "foot/second",                0.3048 },
    { "furlong/day [survey]",       0.002328337962962963 },    // approx.
    { "furlong/fortnight [survey]", 0.0001663098544973545 },   // 1/8 US survey mile per 14 days; approx.
    { "furlong/hour [survey]",      0.05588011111111111 },     // approx.
    { "furlong/minute [survey]",    3.3528066666666665 },      // approx.
    { "furlong/second [survey]",    201.1684 },                // 1/8 US survey mile (201.1684 m); approx.
    { "hectometer/day",             0.0011574074074074073 },
    { "hectometer/hour",            0.027777777777777776 },
    // 20
    { "hectometer/minute",          1.6666666666666667 },
    { "hectometer/second",          100.0 },
    { "inch/day",                   2.939814814814815e-07 },
    { "inch/hour",                  7.055555555555556e-06 },
    { "inch/minute",                0.0004233333333333334 },
    { "inch/second",                0.025400000000000002 },
    { "kilometer/day",              0.011574074074074073 },
    { "kilometer/hour",             0.2777777777777778 },
    { "kilometer/minute",           16.666666666666668 },
    { "kilometer/second",           1000.0 },
    // 30
    { "knot",                       0.5144444444444445 },      // 1 nautical mile (1852 m) per hour
    { "league/day [statute]",       0.055880112268518516 },    // approx.
    { "league/hour [statute]",      1.3411226944444443 },      // approx.
    { "league/minute [statute]",    80.46736166666666 },       // approx.
    { "league/second [statute]",    4828.0417 },               // 3 US survey miles; approx.
    { "mach",                       340.29 },                  // speed of sound in air, 15 deg C, sea level; approx.
    { "megameter/day",              11.574074074074074 },
    { "megameter/hour",             277.77777777777777 },
    { "megameter/minute",           16666.666666666668 },
    { "megameter/second",           1000000.0 },
    // 40
    { "meter/day",                  1.1574074074074073e-05 },
    { "meter/hour",                 0.0002777777777777778 },
    { "meter/minute",               0.016666666666666666 },
    { "meter/second",               1.0 },
    { "mile/day",                   0.018626666666666666 },
    { "mile/hour",                  0.44704 },
    { "mile/minute",                26.822400000000002 },
    { "mile/second",                1609.344 },
    { "millimeter/day",             1.1574074074074074e-08 },
    { "millimeter/hour",            2.7777777777777776e-07 },
    // 50
    { "millimeter/minute",          1.6666666666666667e-05 },
    { "millimeter/second",          0.001 },
    { "millimeter/microsecond",     1000.0 },                  // = kilometer/second
    { "millimeter/100 microsecond", 10.0 },                    // = dekameter/second
    { "nautical mile/day",          0.021435185185185186 },
    { "nautical mile/hour",         0.5144444444444445 },
    { "nautical mile/minute",       30.866666666666667 },
    { "nautical mile/second",       1852.0 },
    { "speed of light [air]",       299702547.0 },             // c / 1.0003; approx.
    { "speed of light [glass]",     199861638.0 },             // c / 1.5; approx.
    // 60
    { "speed of light [ice]",       228849204.0 },             // c / 1.31; approx.
    { "speed of light [vacuum]",    299792458.0 },             // exact by definition of the meter
    { "speed of light [water]",     225407863.0 },             // c / 1.33; approx.
    { "speed of sound [air]",       340.29 },                  // in air at 15 deg C, sea level; approx.
    { "speed of sound [metal]",     5000.0 },                  // typical; approx.
    { "speed of sound [water]",     1500.0 },                  // typical; approx.
    { "yard/day",                   1.0583333333333334e-05 },
    { "yard/hour",                  0.00025400000000000005 },
    { "yard/minute",                0.015240000000000002 },
    { "yard/second",                0.9144000000000001 },
};
