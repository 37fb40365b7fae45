// ParseReal on any bytes: never crashes, accepts exactly the texts of the
// accepted form, and stores the correctly rounded double (the C library's
// strtod, which rounds correctly here, is the reference) or the default NaN.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "tests/support/bits.h"

namespace {

// The accepted form, checked the long way round: blanks, sign, at most 18
// digits with at most one point and at least one digit, an optional exponent
// with at least one digit and a value of at most 4931, then the end.
bool Acceptable(const std::string& text)
{
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0, points = 0;
    for (; i < n && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'); ++i) {
        if (text[i] == '.') ++points;
        else ++digits;
    }
    if (digits == 0 || digits > 18 || points > 1) return false;
    if (i == n) return true;
    if (text[i] != 'e' && text[i] != 'E') return false;
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == n) return false;
    long value = 0;
    for (; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
        if (value > 4931) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The text ends at the first NUL, as the value box's text does.
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();

    double value;
    int accepted = ParseReal(text.c_str(), &value);
    if ((accepted != 0) != Acceptable(text)) {
        std::fprintf(stderr, "\"%s\": ParseReal says %d\n", text.c_str(), accepted);
        std::abort();
    }
    long double extended = 7, dest = 7;
    int acceptedExtended = ParseExtended(text.c_str(), &dest, PARSE_RETURN_VALUE, &extended);
    if ((acceptedExtended != 0) != (accepted != 0) || dest != 7) std::abort();
    if (!accepted) {
        if (BitsOf(value) != 0xFFF8000000000000ull || extended != 7) std::abort();
        return 0;
    }
    double reference = std::strtod(text.c_str(), nullptr);
    if (BitsOf(value) != BitsOf(reference)) {
        std::fprintf(stderr, "\"%s\": ParseReal %a, exact %a\n", text.c_str(), value, reference);
        std::abort();
    }
    return 0;
}
