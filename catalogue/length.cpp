// Length tables in meters: common, astronomical and metric lengths.
#include "catalogue/tables.h"

// 4 "Common Length": factors in meter
const UnitEntry CommonLengthUnits[12] = {
    { "centimeter",        0.01 },
    { "feet",              0.3048 },
    { "inch",              0.025400000000000002 },
    { "kilometer",         1000.0 },
    { "league",            4828.0417 },
    { "league [nautical]", 5556.0 },
    { "meter",             1.0 },
    { "microinch",         2.54e-08 },
    { "mile",              1609.344 },
    { "millimeter",        0.001 },
    // 10
    { "yard",              0.9144 },
    { "foot + inch", 0.3048 },  // compound: converts as its first part
};

// 10 "Astronomical": factors in meter
const UnitEntry AstronomicalUnits[12] = {
    { "astronomical unit [1996]", 149597870691.0 },
    { "kilometer",                1000.0 },
    { "light second",             299792458.0 },
    { "light minute",             17987547480.0 },
    { "light hour",               1079252848800.0 },
    { "light day",                25902068371200.0 },
    { "light year [Julian]",      9460730472580800.0 },
    { "light year [tropical]",    9460528404879358.0 },
    { "light year [traditional]", 9454254955488000.0 },
    { "parsec",                   3.0856774878504976e+16 },
    // 10
    { "meter",                    1.0 },
    { "mile",                     1609.344 },
};

// 24 "Metric Length & Distance": factors in meter
const UnitEntry MetricLengthUnits[23] = {
    { "attometer",  1e-18 },
    { "centimeter", 0.01 },
    { "decimeter",  0.1 },
    { "dekameter",  10.0 },
    { "exameter",   1e+18 },
    { "femtometer", 1e-15 },
    { "gigameter",  1000000000.0 },
    { "hectometer", 100.0 },
    { "kilometer",  1000.0 },
    { "megameter",  1000000.0 },
    // 10
    { "meter",      1.0 },
    { "micrometer", 1e-06 },
    { "millimeter", 0.001 },
    { "myriameter", 10000.0 },
    { "nanometer",  1e-09 },
    { "petameter",  1000000000000000.0 },
    { "picometer",  1e-12 },
    { "tenthmeter", 1e-10 },
    { "terameter",  1000000000000.0 },
    { "yoctometer", 1e-24 },
    // 20
    { "yottameter", 1e+24 },
    { "zeptometer", 1e-21 },
    { "zettameter", 1e+21 },
};
