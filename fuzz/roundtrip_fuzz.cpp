// FormatReal on any double, decimals and notation: NaN and infinities write
// nothing; everything else writes at most 25 bytes, its 16 digits are the
// correctly rounded ones (the C library's printf is exact here), and
// ParseReal reads the text back as the number it shows. The general
// FormatExtended -> ParseExtended pair gets any 80-bit pattern: it either
// fails without touching the buffer or writes a text that is accepted
// (below 10^4932).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "tests/support/bits.h"

namespace {

[[noreturn]] void Fail(const char* what, double value, const char* text)
{
    std::fprintf(stderr, "%s: value %a, text \"%s\"\n", what, value, text);
    std::abort();
}

// The 16 digits and exponent of the scientific text against "%.15e".
void CheckDigits(double value)
{
    char ours[32], theirs[64];
    if (!FormatReal(value, 15, ours, 0)) Fail("refused", value, "");
    if (value == 0) {
        if (std::strcmp(ours, "0") != 0) Fail("zero", value, ours);
        return;
    }
    std::snprintf(theirs, sizeof theirs, "%.15e", std::fabs(value));  // d.ddddddddddddddde+XX
    int exponent = std::atoi(std::strchr(theirs, 'e') + 1);
    char expected[40];
    std::snprintf(expected, sizeof expected, "%c%.17sE%c%04d", std::signbit(value) ? '-' : ' ', theirs,
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    if (std::strcmp(ours, expected) != 0) Fail(expected, value, ours);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 10) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    int decimals = (int8_t)data[8];  // -128 .. 127: the clamping is exercised too
    int numFormat = data[9] & 1;

    char text[64];
    std::memset(text, 0x5A, sizeof text);
    int written = FormatReal(value, decimals, text, numFormat);
    if (!std::isfinite(value)) {
        if (written) Fail("wrote for a non-finite value", value, text);
        for (char c : text) if (c != 0x5A) Fail("touched the buffer", value, "");
    } else {
        if (!written) Fail("refused a finite value", value, "");
        size_t length = std::strlen(text);
        if (length + 1 > (size_t)FORMAT_MAX_TEXT || text[length + 1] != 0x5A) Fail("too long", value, text);
        double back;
        if (!ParseReal(text, &back)) Fail("its own text refused", value, text);
        double shown = std::strtod(text, nullptr);  // the number the text shows, correctly rounded
        if (BitsOf(back) != BitsOf(shown)) Fail("read back differently", value, text);
        CheckDigits(value);
    }

    if (size >= 20) {
        long double extended = 0;
        std::memcpy(&extended, data + 10, 10);
        char out[64];
        std::memset(out, 0x5A, sizeof out);
        unsigned flags = FMT_VALUE_DIRECT | ((data[9] & 2) ? FMT_SCIENTIFIC : 0);
        if (FormatExtended(extended, nullptr, decimals, out, flags)) {
            size_t length = std::strlen(out);
            if (length + 1 > (size_t)FORMAT_MAX_TEXT) Fail("extended text too long", 0, out);
            // From 10^4932 up (to 1.19e4932) the exponent is beyond what the
            // parser takes; every smaller value must read back.
            long double back;
            if (!std::strstr(out, "E+4932") && !ParseExtended(out, &back, 0)) Fail("extended text refused", 0, out);
        } else {
            for (char c : out) if (c != 0x5A) Fail("extended failure touched the buffer", 0, "");
        }
    }
    return 0;
}
