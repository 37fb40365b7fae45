// Volume units (category "Volume"): each factor is a volume in cubic meters; "cubic meter",
// "kiloliter" and "stere" are the base units. US rows follow the US gallon of 0.0037854118 m^3.
#include "catalogue/tables.h"

const UnitEntry VolumeUnits[82] = {
    // 0
    { "acre foot",                    1233.48185532 },          // 43560 cubic feet; approx.
    { "acre foot [US survey]",        1233.4892384681489 },     // 43560 cubic survey feet
    { "acre inch",                    102.79015461 },           // 1/12 acre foot
    { "barrel [UK, wine]",            0.1193348625 },           // 1/2 wine hogshead = 26.25 UK gal
    { "barrel [UK]",                  0.16365924 },             // 36 UK gal
    { "barrel [US, dry]",             0.11562712407272727 },    // 7056 cubic inches
    { "barrel [US, federal]",         0.1173477658 },           // 31 US gal
    { "barrel [US, liquid]",          0.1192404717 },           // 31.5 US gal
    { "barrel [US, petroleum]",       0.1589872956 },           // 42 US gal
    { "board foot",                   0.002359737225974026 },   // 144 cubic inches
    // 10
    { "bucket [UK]",                  0.01818436 },             // 4 UK gal
    { "bucket [US]",                  0.018927059 },            // 5 US gal; approx.
    { "bushel [UK]",                  0.03636872 },             // 8 UK gal
    { "bushel [US, dry]",             0.03523907031582684 },    // 2150.42 cubic inches
    { "centiliter",                   1e-05 },
    { "cord [firewood]",              3.624556379096104 },      // 128 cubic feet
    { "cord foot [timber]",           0.453069547387013 },      // 16 cubic feet
    { "cubic centimeter",             1e-06 },
    { "cubic cubit [ancient egypt]",  0.143877824 },            // (royal cubit of 0.524 m)^3; approx.
    { "cubic decimeter",              0.001 },
    // 20
    { "cubic dekameter",              1000.0 },
    { "cubic foot",                   0.028316846711688312 },   // 1728 cubic inches
    { "cubic inch",                   1.638706406926407e-05 },  // 1/231 US gal
    { "cubic kilometer",              1000000000.0 },
    { "cubic meter",                  1.0 },
    { "cubic mile",                   4168181843.058454 },      // 5280^3 cubic feet
    { "cubic micrometer",             1e-18 },
    { "cubic millimeter",             1e-09 },
    { "cubic yard",                   0.7645548612155845 },     // 27 cubic feet
    { "cup [Canada]",                 0.0002273045 },           // 8 UK fl oz
    // 30
    { "cup [metric]",                 0.00025 },
    { "cup [US]",                     0.0002365882375 },        // 1/16 US gal
    { "deciliter",                    0.0001 },
    { "dekaliter",                    0.01 },
    { "dram",                         3.6966912109375e-06 },    // US fluid dram, 1/8 US fl oz
    { "drum [US, petroleum]",         0.208197649 },            // 55 US gal
    { "drum [metric, petroleum]",     0.2 },                    // 200 L
    { "fifth",                        0.00075708236 },          // 1/5 US gal
    { "gallon [UK]",                  0.00454609 },
    { "gallon [US, dry]",             0.004404883789478355 },   // 268.8025 cubic inches
    // 40
    { "gallon [US, liquid]",          0.0037854118 },           // 231 cubic inches; approx.
    { "gill [UK]",                    0.0001420653125 },        // 1/32 UK gal
    { "gill [US]",                    0.00011829411875 },       // 1/32 US gal
    { "hectare meter",                10000.0 },
    { "hectoliter",                   0.1 },
    { "hogshead [UK]",                0.238669725 },            // wine hogshead: 52.5 UK gal
    { "hogshead [US]",                0.2384809434 },           // 63 US gal
    { "jigger",                       4.436029453125e-05 },     // 1.5 US fl oz
    { "kiloliter",                    1.0 },
    { "liter",                        0.001 },
    // 50
    { "measure [ancient hebrew]",     0.007333333333333333 },   // seah: 1/3 ephah of 22 L; approx.
    { "megaliter",                    1000.0 },
    { "microliter",                   1e-09 },
    { "milliliter",                   1e-06 },
    { "minim [UK]",                   5.9193880208333334e-08 }, // 1/60 UK fluid drachm
    { "minim [US]",                   6.161152018229167e-08 },  // 1/60 US fluid dram
    { "ounce [UK, liquid]",           2.84130625e-05 },         // 1/160 UK gal
    { "ounce [US, liquid]",           2.95735296875e-05 },      // 1/128 US gal
    { "peck [UK]",                    0.00909218 },             // 2 UK gal
    { "peck [US]",                    0.00880976757895671 },    // 537.605 cubic inches
    // 60
    { "pint [UK]",                    0.00056826125 },          // 1/8 UK gal
    { "pint [US, dry]",               0.0005506104736847944 },  // 33.6003125 cubic inches
    { "pint [US, liquid]",            0.000473176475 },         // 1/8 US gal
    { "pipe [UK]",                    0.47733945 },             // 2 wine hogsheads = 105 UK gal
    { "pipe [US]",                    0.4769618868 },           // 126 US gal
    { "pony",                         2.95735296875e-05 },      // 1 US fl oz
    { "quart [Germany]",              0.0011450307598151717 },  // Prussian Quart: 64 cu in (foot of 139.13 Paris lines); approx.
    { "quart [ancient hebrew]",       0.00108 },                // choinix: 4 kotyle of 270 mL; approx.
    { "quart [UK]",                   0.0011365225 },           // 1/4 UK gal
    { "quart [US, dry]",              0.0011012209473695888 },  // 67.200625 cubic inches
    // 70
    { "quart [US, liquid]",           0.00094635295 },          // 1/4 US gal
    { "quarter [UK, liquid]",         0.29094976 },             // 8 UK bushels = 64 UK gal
    { "Tivok",                        1e-05 },
    { "shot",                         2.95735296875e-05 },      // 1 US fl oz
    { "stere",                        1.0 },
    { "Tablespoon [metric]",          1.5e-05 },
    { "Tablespoon [UK]",              1.77581640625e-05 },      // 5/8 UK fl oz = 1/256 UK gal, the traditional British tablespoon
    { "Tablespoon [US]",              1.478676484375e-05 },     // 1/2 US fl oz
    { "Teaspoon [metric]",            5e-06 },
    { "Teaspoon [UK]",                4.439541015625e-06 },     // 1/4 UK tablespoon = 5/32 UK fl oz
    // 80
    { "Teaspoon [US]",                4.928921614583333e-06 },  // 1/3 US tablespoon
    { "yard",                         0.7645548612155845 },     // cubic yard
};
