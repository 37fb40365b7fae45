// 12 "Density": every factor is a density in kilograms per cubic meter. Mass units as in
// "All Weight & Mass" (avoirdupois ounce and pound, troy ounce, long and short ton, slug);
// volumes from the inch of 0.0254 m, the US gallon of 231 in^3 and the imperial gallon of 4.54609 L.
#include "catalogue/tables.h"

const UnitEntry DensityUnits[78] = {
    { "aluminum",                    2643.0 },
    { "copper",                      8906.0 },
    { "gold",                        19300.0 },
    { "grain/cubic foot",            0.002288351910565734 },
    { "grain/cubic inch",            3.9542721014575886 },
    { "grain/cubic yard",            8.475377446539757e-05 },
    { "grain/gallon [U.K.]",         0.014253767523300242 },  // imperial gallon 4.54609 L
    { "grain/gallon [U.S.]",         0.017118061045270947 },  // US gallon 231 in^3
    { "gram/cubic centimeter",       1000.0 },
    { "gram/cubic decimeter",        1.0 },
    // 10
    { "gram/cubic meter",            0.001 },
    { "gram/liter",                  1.0 },
    { "gram/milliliter",             1000.0 },
    { "iron",                        7658.0 },
    { "kilogram/cubic centimeter",   1000000.0 },
    { "kilogram/cubic decimeter",    1000.0 },
    { "kilogram/cubic meter",        1.0 },
    { "kilogram/cubic millimeter",   1000000000.0 },
    { "kilogram/liter",              1000.0 },
    { "kilogram/milliliter",         1000000.0 },
    // 20
    { "lead",                        11370.0 },
    { "megagram/cubic centimeter",   1000000000.0 },
    { "megagram/cubic decimeter",    1000000.0 },
    { "megagram/cubic meter",        1000.0 },
    { "megagram/liter",              1000000.0 },
    { "megagram/milliliter",         1000000000.0 },
    { "microgram/cubic centimeter",  0.001 },
    { "microgram/cubic decimeter",   1e-06 },
    { "microgram/cubic meter",       1e-09 },
    { "microgram/liter",             1e-06 },
    // 30
    { "microgram/milliliter",        0.001 },
    { "milligram/cubic centimeter",  1.0 },
    { "milligram/cubic decimeter",   0.001 },
    { "milligram/cubic meter",       1e-06 },
    { "milligram/liter",             0.001 },
    { "milligram/milliliter",        1.0 },
    { "ounce/cubic foot",            1.0011539608725086 },    // avoirdupois ounce
    { "ounce/cubic foot [troy]",     1.0984089170715525 },
    { "ounce/cubic inch",            1729.994044387695 },     // avoirdupois ounce
    { "ounce/cubic inch [troy]",     1898.0506086996427 },
    // 40
    { "ounce/cubic yard",            0.03707977632861143 },   // avoirdupois ounce
    { "ounce/cubic yard [troy]",     0.04068181174339083 },
    { "ounce/gallon [U.K.]",         6.236023291443856 },     // avoirdupois ounce, imperial gallon
    { "ounce/gallon [U.S.]",         7.489151707306039 },     // avoirdupois ounce, US gallon
    { "ounce/gallon [troy/U.K.]",    6.841808411184116 },     // imperial gallon
    { "ounce/gallon [troy/U.S.]",    8.216669301730054 },     // US gallon
    { "pound/circular mil foot",     2936929105.9609756 },    // approx. lb / (circular mil x ft), circular mil = pi/4 (0.001 in)^2
    { "pound/cubic foot",            16.018463 },
    { "pound/cubic inch",            27679.90471020312 },
    { "pound/cubic yard",            0.5932764212577829 },
    // 50
    { "pound/gallon [U.K.]",         99.776373 },             // 1000 x pound/1000 gallon [U.K.] (imperial gallon)
    { "pound/1000 gallon [U.K.]",    0.099776373 },
    { "pound/1000000 gallon [U.K.]", 9.9776373e-05 },
    { "pound/gallon [U.S.]",         119.82643 },             // US gallon
    { "pound/1000 gallon [U.S.]",    0.11982643 },            // pound/gallon [U.S.] / 1000
    { "pound/1000000 gallon [U.S.]", 0.00011982643 },         // pound/gallon [U.S.] / 1000000
    { "silver",                      10510.0 },
    { "slug/cubic foot",             515.3788183931962 },
    { "slug/cubic inch",             890574.5981834431 },
    { "slug/cubic yard",             19.088104384933192 },
    // 60
    { "slug/gallon [U.K.]",          3210.2098588471335 },    // imperial gallon
    { "slug/gallon [U.S.]",          3855.3012908374158 },    // US gallon
    { "ton/cubic foot [long]",       35881.35795767071 },     // long ton 2240 lb
    { "ton/cubic foot [short]",      32036.92674792028 },     // short ton 2000 lb
    { "ton/cubic inch [long]",       62002986.55085499 },     // long ton
    { "ton/cubic inch [short]",      55359809.420406245 },    // short ton
    { "ton/cubic yard [long]",       1328.9391836174339 },    // long ton
    { "ton/cubic yard [short]",      1186.552842515566 },     // short ton
    { "ton/gallon [long/U.K.]",      223499.07476534782 },    // long ton, imperial gallon
    { "ton/gallon [long/U.S.]",      268411.19718984846 },    // long ton, US gallon
    // 70
    { "ton/gallon [short/U.K.]",     199552.7453262034 },     // short ton, imperial gallon
    { "ton/gallon [short/U.S.]",     239652.85463379326 },    // short ton, US gallon
    { "tonne/cubic centimeter",      1000000000.0 },
    { "tonne/cubic decimeter",       1000000.0 },
    { "tonne/cubic meter",           1000.0 },
    { "tonne/liter",                 1000000.0 },
    { "tonne/milliliter",            1000000000.0 },
    { "water",                       1000.0 },
};
