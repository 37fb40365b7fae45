// 18 "Flow Rate (Volume)": factors in cubic meter/second.
#include "catalogue/tables.h"

// Every set of four rows is one quantity per day, hour, minute and second; the
// first three carry the per-second factor divided by 86400, 3600 and 60.
const UnitEntry VolumeFlowUnits[168] = {
    { "acre foot/day",                0.014276410185185185 },
    { "acre foot/hour",               0.34263384444444445 },
    { "acre foot/minute",             20.558030666666664 },
    { "acre foot/second",             1233.48184             }, // 43560 ft3 (international foot), 9 digits; approx.
    { "acre foot/day [survey]",       0.014276495833333335 },
    { "acre foot/hour [survey]",      0.34263590000000005 },
    { "acre foot/minute [survey]",    20.558154000000002 },
    { "acre foot/second [survey]",    1233.48924             }, // 43560 survey ft3, 9 digits; approx.
    { "acre inch/day",                0.001189700848765432 },
    { "acre inch/hour",               0.028552820370370366 },
    // 10
    { "acre inch/minute",             1.7131692222222221 },
    { "acre inch/second",             102.79015333333332     }, // 1/12 acre foot; approx.
    { "acre inch/day [survey]",       0.0011897079861111113 },
    { "acre inch/hour [survey]",      0.02855299166666667 },
    { "acre inch/minute [survey]",    1.7131795 },
    { "acre inch/second [survey]",    102.79077000000001     }, // 1/12 survey acre foot; approx.
    { "barrel/day [petroleum]",       1.840130736111111e-06 },
    { "barrle/hour [petroleum]",      4.4163137666666665e-05 },
    { "barrel/minute [petroleum]",    0.00264978826 },
    { "barrel/second [petroleum]",    0.1589872956           }, // 42 US gallons; approx.
    // 20
    { "barrel/day [UK]",              1.894204166666667e-06 },
    { "barrle/hour [UK]",             4.5460900000000004e-05 },
    { "barrel/minute [UK]",           0.0027276540000000004 },
    { "barrel/second [UK]",           0.16365924             }, // 36 imperial gallons
    { "barrel/day [US]",              1.3800980520833333e-06 },
    { "barrle/hour [US]",             3.3122353250000004e-05 },
    { "barrel/minute [US]",           0.001987341195 },
    { "barrel/second [US]",           0.1192404717           }, // 31.5 US gallons; approx.
    { "barrel/day [US beer/wine]",    1.3581917337962963e-06 },
    { "barrle/hour [US beer/wine]",   3.259660161111111e-05 },
    // 30
    { "barrel/minute [US beer/wine]", 0.0019557960966666665 },
    { "barrel/second [US beer/wine]", 0.1173477658           }, // 31 US gallons; approx.
    { "billion cubic foot/day",       327.74128472222225 },
    { "billion cubic foot/hour",      7865.7908333333335 },
    { "billion cubic foot/minute",    471947.45 },
    { "billion cubic foot/second",    28316847.0             }, // 1e9 ft3; approx.
    { "centiliter/day",               1.1574074074074075e-10 },
    { "centiliter/hour",              2.777777777777778e-09 },
    { "centiliter/minute",            1.6666666666666668e-07 },
    { "centiliter/second",            1e-05 },
    // 40
    { "cubem/day",                    48242.84525462963 },
    { "cubem/hour",                   1157828.286111111 },
    { "cubem/minute",                 69469697.16666667 },
    { "cubem/second",                 4168181830.0           }, // cubic mile; approx.
    { "cubic centimeter/day",         1.1574074074074074e-11 },
    { "cubic centimeter/hour",        2.7777777777777777e-10 },
    { "cubic centimeter/minute",      1.6666666666666667e-08 },
    { "cubic centimeter/second",      1e-06 },
    { "cubic decimeter/day",          1.1574074074074074e-08 },
    { "cubic decimeter/hour",         2.7777777777777776e-07 },
    // 50
    { "cubic decimeter/minute",       1.6666666666666667e-05 },
    { "cubic decimeter/second",       0.001 },
    { "cubic dekameter/day",          0.011574074074074073 },
    { "cubic dekameter/hour",         0.2777777777777778 },
    { "cubic dekameter/minute",       16.666666666666668 },
    { "cubic dekameter/second",       1000.0 },
    { "cubic foot/day",               3.277412847222222e-07 },
    { "cubic foot/hour",              7.865790833333332e-06 },
    { "cubic foot/minute",            0.00047194745 },
    { "cubic foot/second",            0.028316847            }, // 0.3048^3 m3 to 8 digits; approx.
    // 60
    { "cubic inch/day",               1.896650953253601e-10 },
    { "cubic inch/hour",              4.551962287808642e-09 },
    { "cubic inch/minute",            2.731177372685185e-07 },
    { "cubic inch/second",            1.638706423611111e-05  }, // 1/1728 ft3; approx.
    { "cubic kilometer/day",          11574.074074074075 },
    { "cubic kilometer/hour",         277777.77777777775 },
    { "cubic kilometer/minute",       16666666.666666666 },
    { "cubic kilometer/second",       1000000000.0 },
    { "cubic meter/day",              1.1574074074074073e-05 },
    { "cubic meter/hour",             0.0002777777777777778 },
    // 70
    { "cubic meter/minute",           0.016666666666666666 },
    { "cubic meter/second",           1.0 },
    { "cubic mile/day",               48242.84525462963 },
    { "cubic mile/hour",              1157828.286111111 },
    { "cubic mile/minute",            69469697.16666667 },
    { "cubic mile/second",            4168181830.0           }, // 5280^3 ft3; approx.
    { "cubic millimeter/day",         1.1574074074074075e-14 },
    { "cubic millimeter/hour",        2.777777777777778e-13 },
    { "cubic millimeter/minute",      1.6666666666666667e-11 },
    { "cubic millimeter/second",      1e-09 },
    // 80
    { "cubic yard/day",               8.8490146875e-06 },
    { "cubic yard/hour",              0.00021237635250000002 },
    { "cubic yard/minute",            0.01274258115 },
    { "cubic yard/second",            0.764554869            }, // 27 ft3; approx.
    { "cusec",                        0.028316847            }, // cubic foot/second
    { "deciliter/day",                1.1574074074074074e-09 },
    { "deciliter/hour",               2.777777777777778e-08 },
    { "deciliter/minute",             1.6666666666666667e-06 },
    { "deciliter/second",             0.0001 },
    { "dekaliter/day",                1.1574074074074074e-07 },
    // 90
    { "dekaliter/hour",               2.777777777777778e-06 },
    { "dekaliter/minute",             0.00016666666666666666 },
    { "dekaliter/second",             0.01 },
    { "gallon/day [UK]",              5.2616782407407406e-08 },
    { "gallon/hour [UK]",             1.2628027777777779e-06 },
    { "gallon/minute [UK]",           7.576816666666667e-05 },
    { "gallon/second [UK]",           0.00454609             }, // 4.54609 L
    { "gallon/day [US]",              4.381263657407407e-08 },
    { "gallon/hour [US]",             1.0515032777777778e-06 },
    { "gallon/minute [US]",           6.309019666666667e-05 },
    // 100
    { "gallon/second [US]",           0.0037854118           }, // 231 in3 to 8 digits; approx.
    { "hectare meter/day",            0.11574074074074074 },
    { "hectare meter/hour",           2.7777777777777777 },
    { "hectare meter/minute",         166.66666666666666 },
    { "hectare meter/second",         10000.0                }, // 10000 m2 x 1 m
    { "hectoliter/day",               1.1574074074074074e-06 },
    { "hectoliter/hour",              2.777777777777778e-05 },
    { "hectoliter/minute",            0.0016666666666666668 },
    { "hectoliter/second",            0.1 },
    { "kiloliter/day",                1.1574074074074073e-05 },
    // 110
    { "kiloliter/hour",               0.0002777777777777778 },
    { "kiloliter/minute",             0.016666666666666666 },
    { "kiloliter/second",             1.0 },
    { "lambda/day",                   1.1574074074074075e-14 },
    { "lambda/hour",                  2.777777777777778e-13 },
    { "lambda/minute",                1.6666666666666667e-11 },
    { "lambda/second",                1e-09                  }, // lambda = 1 microliter = 1 mm3
    { "liter/day",                    1.1574074074074074e-08 },
    { "liter/hour",                   2.7777777777777776e-07 },
    { "liter/minute",                 1.6666666666666667e-05 },
    // 120
    { "liter/second",                 0.001 },
    { "milliliter/day",               1.1574074074074074e-11 },
    { "milliliter/hour",              2.7777777777777777e-10 },
    { "milliliter/minute",            1.6666666666666667e-08 },
    { "milliliter/second",            1e-06 },
    { "million acre foot/day",        14276.410185185185 },
    { "million acre foot/hour",       342633.84444444446 },
    { "million acre foot/minute",     20558030.666666668 },
    { "million acre foot/second",     1233481840.0           }, // 1e6 acre feet; approx.
    { "million cubic foot/day",       0.32774128472222225 },
    // 130
    { "million cubic foot/hour",      7.8657908333333335 },
    { "million cubic foot/minute",    471.94745 },
    { "million cubic foot/second",    28316.847              }, // 1e6 ft3; approx.
    { "million gallon/day [UK]",      0.05261678240740741 },
    { "million gallon/hour [UK]",     1.2628027777777777 },
    { "million gallon/minute [UK]",   75.76816666666667 },
    { "million gallon/second [UK]",   4546.09                }, // 1e6 imperial gallons
    { "million gallon/day [US]",      0.043812636574074075 },
    { "million gallon/hour [US]",     1.0515032777777777 },
    { "million gallon/minute [US]",   63.090196666666664 },
    // 140
    { "million gallon/second [US]",   3785.4118              }, // 1e6 US gallons; approx.
    { "miner's inch [AZ, CA, OR] ",   0.000707921175         }, // 1/40 ft3/s; approx.
    { "miner's inch [CO]",            0.000737417890625      }, // 1/38.4 ft3/s; approx.
    { "miner's inch [ID, WA, NM]",    0.0005678117700000001  }, // 9 US gallons/minute (statute: 1/50 ft3/s); approx.
    { "ounce/day [UK]",               3.288548900462963e-10 },
    { "ounce/hour [UK]",              7.892517361111111e-09 },
    { "ounce/minute [UK]",            4.7355104166666667e-07 },
    { "ounce/second [UK]",            2.84130625e-05         }, // 1/160 imperial gallon
    { "ounce/day [US]",               3.422862232349537e-10 },
    { "ounce/hour [US]",              8.214869357638889e-09 },
    // 150
    { "ounce/minute [US]",            4.928921614583334e-07 },
    { "ounce/second [US]",            2.95735296875e-05      }, // 1/128 US gallon; approx.
    { "petrograd standard/day",       5.4077311979166667e-05 },
    { "petrograd standard/hour",      0.0012978554874999999 },
    { "petrograd standard/minute",    0.07787132925 },
    { "petrograd standard/second",    4.672279755            }, // 165 ft3; approx.
    { "stere/day",                    1.1574074074074073e-05 },
    { "stere/hour",                   0.0002777777777777778 },
    { "stere/minute",                 0.016666666666666666 },
    { "stere/second",                 1.0 },
    // 160
    { "thousand cubic foot/day",      0.0003277412847222222 },
    { "thousand cubic foot/hour",     0.007865790833333334 },
    { "thousand cubic foot/minute",   0.47194745 },
    { "thousand cubic foot/second",   28.316847              }, // 1000 ft3; approx.
    { "trillion cubic foot/day",      327741.28472222225 },
    { "trillion cubic foot/hour",     7865790.833333333 },
    { "trillion cubic foot/minute",   471947450.0 },
    { "trillion cubic foot/second",   28316847000.0          }, // 1e12 ft3; approx.
};
