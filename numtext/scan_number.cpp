// The accepted number text: blanks, an optional sign, at most 18 mantissa
// digits with at most one point, an optional exponent of at most 4931, and
// nothing after it.
#include "numtext/numtext_internal.h"

namespace {

const int kMaxDigits = 18;          // 10^18 - 1 < 2^63: exact in a 64-bit significand
const unsigned kMaxExponent = 4931; // 10^4931 is the largest power of ten below the extended range (10^4932 = 2^16383.9)

}  // namespace

int ScanNumber(const char* text, ScannedNumber* number)
{
    const char* at = text;
    // Step 2: skip blanks (0x20 only; a tab is not a blank here).
    while (*at == ' ') ++at;

    // Step 3: one sign, directly before the mantissa.
    bool negative = false;
    if (*at == '+') {
        ++at;
    } else if (*at == '-') {
        negative = true;
        ++at;
    }

    // Step 4: the mantissa. Leading and trailing zeros count as digits.
    uint64_t digits = 0;
    int count = 0, integerDigits = 0;
    bool point = false;
    for (;; ++at) {
        unsigned digit = (unsigned)(unsigned char)*at - '0';
        if (digit < 10) {
            if (count == kMaxDigits) return 0;
            digits = digits * 10 + digit;
            ++count;
            if (!point) ++integerDigits;
        } else if (*at == '.') {
            if (point) return 0;
            point = true;
        } else {
            break;
        }
    }
    // No digit before the end, before "e"/"E" or before anything else fails;
    // this also catches an empty or all-blank text.
    if (count == 0) return 0;

    // Step 5: the exponent, its magnitude tested after every digit.
    int32_t exponent = 0;
    if (*at == 'e' || *at == 'E') {
        ++at;
        bool exponentNegative = false;
        if (*at == '+') {
            ++at;
        } else if (*at == '-') {
            exponentNegative = true;
            ++at;
        }
        if (*at == '\0') return 0;
        unsigned magnitude = 0;
        for (; *at; ++at) {
            unsigned digit = (unsigned)(unsigned char)*at - '0';
            if (digit >= 10) return 0;
            magnitude = magnitude * 10 + digit;
            if (magnitude > kMaxExponent) return 0;
        }
        exponent = exponentNegative ? -(int32_t)magnitude : (int32_t)magnitude;
    } else if (*at != '\0') {
        return 0;
    }

    number->negative = negative;
    number->digits = digits;
    number->digitCount = count;
    number->integerDigits = integerDigits;
    number->exponent = exponent;
    return 1;
}
