// Time, angle, frequency, illuminance, luminance and the temperature codes.
#include "catalogue/tables.h"

// 29 "Time": factors in second
const UnitEntry TimeUnits[15] = {
    { "shake",        1e-08 },
    { "millisecond ", 0.001 },
    { "second",       1.0 },
    { "minute",       60.0 },
    { "hour",         3600.0 },
    { "day",          86400.0 },
    { "week",         604800.0 },
    { "fortnight",    1209600.0 },
    { "month",        2628000.0 },
    { "quarter",      7884000.0 },
    // 10
    { "year",         31536000.0 },
    { "decade",       315360000.0 },
    { "century",      3153600000.0 },
    { "millennium",   31536000000.0 },
    { "hour + minute + second", 3600.0 },  // compound: converts as its first part
};

// 8 "Angle": factors in radian
const UnitEntry AngleUnits[15] = {
    { "radian",      1.0 },
    { "mil",         0.0009817477042468104 },
    { "grad",        0.015707963267948967 },
    { "degree",      0.017453292519943295 },
    { "minute",      0.0002908882086657216 },
    { "second",      4.84813681109536e-06 },
    { "point",       0.19634954084936207 },
    { "1/16 circle", 0.39269908169872414 },
    { "1/10 circle", 0.6283185307179586 },
    { "1/8 circle",  0.7853981633974483 },
    // 10
    { "1/6 circle",  1.0471975511965976 },
    { "1/4 circle",  1.5707963267948966 },
    { "1/2 circle",  3.141592653589793 },
    { "full circle", 6.283185307179586 },
    { "degree + minute + second", 0.017453292519943295 },  // compound: converts as its first part
};

// 20 "Frequency": factors in hertz
const UnitEntry FrequencyUnits[18] = {
    { "1/second",          1.0 },
    { "cycle/second",      1.0 },
    { "degree/hour",       7.716049382716049e-07 },
    { "degree/minute",     4.6296296296296294e-05 },
    { "degree/second",     0.002777777777777778 },
    { "gigahertz",         1000000000.0 },
    { "hertz",             1.0 },
    { "kilohertz",         1000.0 },
    { "megahertz",         1000000.0 },
    { "millihertz",        0.001 },
    // 10
    { "radian/hour",       4.420970662129218e-05 },
    { "radian/minute",     0.002652582373823553 },
    { "radian/second",     0.15915494327375637 },
    { "revolution/hour",   0.0002777777777777778 },
    { "revolution/minute", 0.016666666666666666 },
    { "revolution/second", 1.0 },
    { "RPM",               0.016666666666666666 },
    { "terrahertz",        1000000000000.0 },
};

// 21 "Illuminance": factors in lux
const UnitEntry IlluminanceUnits[11] = {
    { "footcandle",              10.7639104 },
    { "kilolux",                 1000.0 },
    { "lumen/square centimeter", 10000.0 },
    { "lumen/square foot",       10.7639104 },
    { "lumen/square inch",       1550.0030976 },
    { "lumen/square meter",      1.0 },
    { "lux",                     1.0 },
    { "metercandle",             1.0 },
    { "milliphot",               10.0 },
    { "nox",                     0.001 },
    // 10
    { "phot",                    10000.0 },
};

// 23 "Luminance": factors in candela/square meter
const UnitEntry LuminanceUnits[15] = {
    { "apostilb",                      0.31830989 },
    { "blondel",                       0.31830989 },
    { "candela/square centimeter",     10000.0 },
    { "candela/square foot",           10.76391 },
    { "candela/square inch",           1550.0030399999998 },
    { "candela/square meter",          1.0 },
    { "Footlambert",                   3.4262591 },
    { "kilocandela/square centimeter", 10000000.0 },
    { "kilocandela/square foot",       10763.91 },
    { "kilocandela/square inch",       1550003.0399999998 },
    // 10
    { "kilocandela/square meter",      1000.0 },
    { "lambert",                       3183.0989 },
    { "millilambert",                  3.1830989 },
    { "nit",                           1.0 },
    { "stilb",                         10000.0 },
};

// 28 "Temperature": temperature codes, not sizes
const UnitEntry TemperatureUnits[5] = {
    { "degree Celsius",    1.0 },
    { "degree Fahrenheit", 2.0 },
    { "degree Rankine",    3.0 },
    { "degree Reaumur",    4.0 },
    { "kelvin",            5.0 },
};
