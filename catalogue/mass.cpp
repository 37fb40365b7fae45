// Mass tables: common weights and metric masses in kilograms, butter in grams.
#include "catalogue/tables.h"

// 6 "Common Weight": factors in kilogram
const UnitEntry CommonWeightUnits[25] = {
    { "centigram",                 1e-05 },
    { "decigram",                  0.0001 },
    { "dekagram",                  0.01 },
    { "dram",                      0.0017718451953125 },
    { "grain",                     6.479891e-05 },
    { "gram",                      0.001 },
    { "hectogram",                 0.1 },
    { "hundredweight [long, UK]",  50.80234544 },
    { "hundredweight [short, US]", 45.359237 },
    { "kilogram",                  1.0 },
    // 10
    { "lb, lbs",                   0.45359237 },
    { "long ton",                  1016.0469088000001 },
    { "megagram",                  1000.0 },
    { "metric ton",                1000.0 },
    { "microgram",                 1e-09 },
    { "milligram",                 1e-06 },
    { "ounce",                     0.028349523125 },
    { "pound",                     0.45359237 },
    { "short ton",                 907.18474 },
    { "ton [long, UK]",            1016.0469088000001 },
    // 20
    { "ton [metric]",              1000.0 },
    { "ton [short, US]",           907.18474 },
    { "tonne",                     1000.0 },
    { "pound + ounce", 0.45359237 },  // compound: converts as its first part
    { "stone + pound", 6.35029318 },  // compound: converts as its first part
};

// 11 "Butter": factors in gram
const UnitEntry ButterUnits[10] = {
    { "half stick",      56.69904625 },
    { "stick",           113.3980925 },
    { "cup",             226.796185 },
    { "gram",            1.0 },
    { "ounce",           28.349523125 },
    { "pound",           453.59237 },
    { "teaspoon [UK]",   4.430793745919407 },
    { "teaspoon [US]",   4.724920520833334 },
    { "tablespoon [UK]", 17.723174983677627 },
    { "tablespoon [US]", 14.1747615625 },
};

// 25 "Metric Mass": factors in kilogram
const UnitEntry MetricMassUnits[30] = {
    { "centigram",      1e-05 },
    { "decigram",       0.0001 },
    { "decitonne",      100.0 },
    { "dekagram",       0.01 },
    { "dekatonne",      10000.0 },
    { "exagram",        1000000000000000.0 },
    { "femtogram",      1e-18 },
    { "gigagram",       1000000.0 },
    { "gigatonne",      1000000000000.0 },
    { "gram",           0.001 },
    // 10
    { "hectogram",      0.1 },
    { "kilogram",       1.0 },
    { "kilotonne",      1000000.0 },
    { "megagram",       1000.0 },
    { "megatonne",      1000000000.0 },
    { "metric ton",     1000.0 },
    { "microgram",      1e-09 },
    { "milligram",      1e-06 },
    { "myriagram",      10.0 },
    { "nanogram",       1e-12 },
    // 20
    { "petagram",       1000000000000.0 },
    { "picogram",       1e-15 },
    { "pound [metric]", 0.5 },
    { "teragram",       1000000000.0 },
    { "ton [metric]",   1000.0 },
    { "tonne",          1000.0 },
    { "yoctogram",      1e-27 },
    { "yottagram",      1e+21 },
    { "zeptogram",      1e-24 },
    { "zettagram",      1e+18 },
};
