// Common speeds, acceleration, force and torque.
#include "catalogue/tables.h"

// 5 "Common Speed": factors in meter/second
const UnitEntry CommonSpeedUnits[13] = {
    { "centimeter/second",       0.01 },
    { "foot/second",             0.3048 },
    { "inch/second",             0.025400000000000002 },
    { "kilometer/hour",          0.2777777777777778 },
    { "kilometer/second",        1000.0 },
    { "knot",                    0.5144444444444445 },
    { "mach",                    340.29 },
    { "meter/second",            1.0 },
    { "mile/hour (mph)",         0.44704 },
    { "mile/second",             1609.344 },
    // 10
    { "millimeter/second",       0.001 },
    { "speed of light [vacuum]", 299792458.0 },
    { "speed of sound [air]",    340.29 },
};

// 7 "Acceleration": factors in meter/square second
const UnitEntry AccelerationUnits[21] = {
    { "centigal",                 0.0001 },
    { "centimeter/square second", 0.01 },
    { "decigal",                  0.001 },
    { "decimeter/square second",  0.1 },
    { "dekameter/square second",  10.0 },
    { "foot/square second",       0.3048 },
    { "g-unit (G)",               9.80665 },
    { "gal",                      0.01 },
    { "galileo",                  0.01 },
    { "g-n",                      9.80665 },
    // 10
    { "grav",                     9.80665 },
    { "hectometer/square second", 100.0 },
    { "inch/square second",       0.0254 },
    { "kilometer/hour second",    0.277777777777778 },
    { "kilometer/square second",  1000.0 },
    { "meter/square second",      1.0 },
    { "mile/hour minute",         0.007450666666666667 },
    { "mile/hour second",         0.44704 },
    { "mile/square second",       1609.344 },
    { "milligal",                 1e-05 },
    // 20
    { "millimeter/square second", 0.001 },
};

// 19 "Force": factors in newton
const UnitEntry ForceUnits[38] = {
    { "attonewton",         1e-18 },
    { "centinewton",        0.01 },
    { "decigram-force",     0.0009806650000000001 },
    { "decinewton",         0.1 },
    { "dekagram-force",     0.0980665 },
    { "dekanewton",         10.0 },
    { "dyne",               1e-05 },
    { "exanewton",          1e+18 },
    { "femtonewton",        1e-15 },
    { "giganewton",         1000000000.0 },
    // 10
    { "gram-force",         0.00980665 },
    { "hectonewton",        100.0 },
    { "joule/meter",        1.0 },
    { "kilogram-force",     9.80665 },
    { "kilonewton",         1000.0 },
    { "kilopond",           9.80665 },
    { "kip",                4448.2216 },
    { "meganewton",         1000000.0 },
    { "megapond",           9806.65 },
    { "micronewton",        1e-06 },
    // 20
    { "millinewton",        0.001 },
    { "nanonewton",         1e-09 },
    { "newton",             1.0 },
    { "ounce-force",        0.27801385 },
    { "petanewton",         1000000000000000.0 },
    { "piconewton",         1e-12 },
    { "pond",               0.00980665 },
    { "pound-force",        4.4482216 },
    { "poundal",            0.13825495 },
    { "sthene",             1000.0 },
    // 30
    { "teranewton",         1000000000000.0 },
    { "ton-force [long]",   9964.016384 },
    { "ton-force [metric]", 9806.65 },
    { "ton-force [short]",  8896.4432 },
    { "yoctonewton",        1e-24 },
    { "yottanewton",        1e+24 },
    { "zeptonewton",        1e-21 },
    { "zettanewton",        1e+21 },
};

// 30 "Torque": factors in newton meter
const UnitEntry TorqueUnits[16] = {
    { "dyne centimeter",     1e-07 },
    { "gram centimeter",     9.80665e-05 },
    { "kilogram centimeter", 0.0980665 },
    { "kilogram meter",      9.80665 },
    { "kilonewton meter",    1000.0 },
    { "kilopond meter",      9.80665 },
    { "meganewton meter",    1000000.0 },
    { "micronewton meter",   1e-06 },
    { "millinewton meter",   0.001 },
    { "newton centimeter",   0.01 },
    // 10
    { "newton meter",        1.0 },
    { "ounce foot",          0.084738622 },
    { "ounce inch",          0.007061551833333333 },
    { "pound foot",          1.355817952 },
    { "poundal foot",        0.0421401099752144 },
    { "pound inch",          0.11298482933333333 },
};
