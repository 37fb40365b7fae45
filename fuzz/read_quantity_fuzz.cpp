// ReadQuantity on any bytes, under several pairs of locale symbols: never
// crashes or trips an assertion, reads every text ParseReal accepts as the
// same number, and its answer goes through the exact converters and the
// rounding to a double without harm; read in a compound row's parts, it is
// laid out in them again without harm.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue/units.h"
#include "core/compound.h"
#include "core/exact_convert.h"
#include "numtext/numtext.h"
#include "numtext/read_quantity.h"
#include "tests/support/bits.h"

namespace {

struct Symbols {
    const char* decimal;
    const char* grouping;
};
const Symbols kSymbols[] = {
    {".", ","}, {",", "."}, {",", "\xc2\xa0"}, {".", "\xe2\x80\x99"}, {"", ""}, {"\xd9\xab", "\xd9\xac"},
};
const int kSymbolPairs = sizeof kSymbols / sizeof kSymbols[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    // The first byte picks the symbols; the text ends at the first NUL.
    const Symbols& symbols = kSymbols[data[0] % kSymbolPairs];
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str();

    // The same text in parts, in a compound row of each kind, and laid out again.
    ExactNumber value;
    char laidOut[128];
    for (int category : {CATEGORY_COMMON_LENGTH, CATEGORY_COMMON_WEIGHT, CATEGORY_TIME, CATEGORY_ANGLE}) {
        const CompoundLayout* layout = FindCompound(category, UnitCount(category) - 1);
        if (ReadCompound(layout, text.c_str(), symbols.decimal, symbols.grouping, &value))
            WriteCompound(layout, value, data[0] % 17, 1 << (data[0] % 7), laidOut, sizeof laidOut);
    }
    int accepted = ReadQuantity(text.c_str(), symbols.decimal, symbols.grouping, &value);
    double parsed;
    if (text.size() <= (size_t)QUANTITY_MAX_CHARACTERS && ParseReal(text.c_str(), &parsed)) {
        // Nothing a box could hold before reads differently, whatever the locale.
        if (!accepted || value.sticky || BitsOf(ExactToDouble(value)) != BitsOf(parsed)) {
            std::fprintf(stderr, "\"%s\": ParseReal %a, ReadQuantity %d\n", text.c_str(), parsed, accepted);
            std::abort();
        }
    }
    if (!accepted) return 0;
    ExactToDouble(value);
    ExactRationalByFactors(0.3048, 1e-9, value);
    ExactRationalByFactors(1.0, 1.8288000000000002, value);
    ExactRationalTemperature(2.0, 4.0, value);
    ExactRationalTemperature(5.0, 1.0, value);
    return 0;
}
