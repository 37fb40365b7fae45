// Cooking units (category "Common Cooking"): each factor is a volume in cubic meters; "cubic
// meter" and "kiloliter" are the base units. Names also in Volume carry the same factor there.
#include "catalogue/tables.h"

const UnitEntry CookingUnits[73] = {
    // 0
    { "#2.5 can",                  0.00082805883125 },       // 3.5 US cups
    { "#10 can",                   0.0028390588500000003 },  // 3 US quarts
    { "barrel [UK, wine]",         0.1193348625 },           // 1/2 wine hogshead = 26.25 UK gal
    { "barrel [UK]",               0.16365924 },             // 36 UK gal
    { "barrel [US, dry]",          0.11562712407272727 },    // 7056 cubic inches
    { "barrel [US, federal]",      0.1173477658 },           // 31 US gal
    { "barrel [US, liquid]",       0.1192404717 },           // 31.5 US gal
    { "bucket [UK]",               0.01818436 },             // 4 UK gal
    { "bucket [US]",               0.018927059 },            // 5 US gal; approx.
    { "bushel [UK]",               0.03636872 },             // 8 UK gal
    // 10
    { "bushel [US, dry]",          0.03523907031582684 },    // 2150.42 cubic inches
    { "centiliter",                1e-05 },
    { "coffee spoon",              2.4644608072916666e-06 }, // 1/2 US teaspoon
    { "cubic centimeter",          1e-06 },
    { "cubic decimeter",           0.001 },
    { "cubic foot",                0.028316846711688312 },   // 1728 cubic inches
    { "cubic inch",                1.638706406926407e-05 },  // 1/231 US gal
    { "cubic meter",               1.0 },
    { "cubic micrometer",          1e-18 },
    { "cubic millimeter",          1e-09 },
    // 20
    { "cup [Canada]",              0.0002273045 },           // 8 UK fl oz
    { "cup [metric]",              0.00025 },
    { "cup [US]",                  0.0002365882375 },        // 1/16 US gal
    { "dash",                      6.161152018229166e-07 },  // 1/8 US teaspoon
    { "deciliter",                 0.0001 },
    { "dekaliter",                 0.01 },
    { "demi",                      0.00025 },                // metric cup
    { "dram",                      3.6966912109375e-06 },    // US fluid dram, 1/8 US fl oz
    { "drop",                      5.1342933485243054e-08 }, // 1/96 US teaspoon
    { "fifth",                     0.00075708236 },          // 1/5 US gal
    // 30
    { "gallon [UK]",               0.00454609 },
    { "gallon [US, dry]",          0.004404883789478355 },   // 268.8025 cubic inches
    { "gallon [US, liquid]",       0.0037854118 },           // 231 cubic inches; approx.
    { "gill [UK]",                 0.0001420653125 },        // 1/32 UK gal
    { "gill [US]",                 0.00011829411875 },       // 1/32 US gal
    { "hectoliter",                0.1 },
    { "hogshead [UK]",             0.238669725 },            // wine hogshead: 52.5 UK gal
    { "hogshead [US]",             0.2384809434 },           // 63 US gal
    { "jigger",                    4.436029453125e-05 },     // 1.5 US fl oz
    { "kiloliter",                 1.0 },
    // 40
    { "liter",                     0.001 },
    { "measure [ancient hebrew]",  0.007333333333333333 },   // seah: 1/3 ephah of 22 L; approx.
    { "megaliter",                 1000.0 },
    { "microliter",                1e-09 },
    { "milliliter",                1e-06 },
    { "minim [UK]",                5.9193880208333334e-08 }, // 1/60 UK fluid drachm
    { "minim [US]",                6.161152018229167e-08 },  // 1/60 US fluid dram
    { "ounce [UK, liquid]",        2.84130625e-05 },         // 1/160 UK gal
    { "ounce [US, liquid]",        2.95735296875e-05 },      // 1/128 US gal
    { "peck [UK]",                 0.00909218 },             // 2 UK gal
    // 50
    { "peck [US]",                 0.00880976757895671 },    // 537.605 cubic inches
    { "pinch",                     3.080576009114583e-07 },  // 1/16 US teaspoon
    { "pint [UK]",                 0.00056826125 },          // 1/8 UK gal
    { "pint [US, dry]",            0.0005506104736847944 },  // 33.6003125 cubic inches
    { "pint [US, liquid]",         0.000473176475 },         // 1/8 US gal
    { "pipe [UK]",                 0.47733945 },             // 2 wine hogsheads = 105 UK gal
    { "pipe [US]",                 0.4769618868 },           // 126 US gal
    { "pony",                      2.95735296875e-05 },      // 1 US fl oz
    { "quart [Germany]",           0.0011450307598151717 },  // Prussian Quart: 64 cu in (foot of 139.13 Paris lines); approx.
    { "quart [ancient hebrew]",    0.00108 },                // choinix: 4 kotyle of 270 mL; approx.
    // 60
    { "quart [UK]",                0.0011365225 },           // 1/4 UK gal
    { "quart [US, dry]",           0.0011012209473695888 },  // 67.200625 cubic inches
    { "quart [US, liquid]",        0.00094635295 },          // 1/4 US gal
    { "Tivok",                     1e-05 },
    { "Tivokspoon",                1e-05 },
    { "Tivok Shot",                5e-05 },                  // 5 centiliters
    { "shot",                      2.95735296875e-05 },      // 1 US fl oz
    { "Tablespoon [metric]",       1.5e-05 },
    { "Tablespoon [UK]",           1.77581640625e-05 },      // 5/8 UK fl oz = 1/256 UK gal, the traditional British tablespoon
    { "Tablespoon [US]",           1.478676484375e-05 },     // 1/2 US fl oz
    // 70
    { "Teaspoon [metric]",         5e-06 },
    { "Teaspoon [UK]",             4.439541015625e-06 },     // 1/4 UK tablespoon = 5/32 UK fl oz
    { "Teaspoon [US]",             4.928921614583333e-06 },  // 1/3 US tablespoon
};
