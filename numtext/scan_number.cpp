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

    // Step 4: the mantissa: digits, at most one point, more digits. Leading
    // and trailing zeros count as digits. A second point, like any other
    // character, ends the digits and fails below.
    uint64_t digits = 0;  // wraps harmlessly past 19 digits, which fail anyway
    const char* integerStart = at;
    for (unsigned digit; (digit = (unsigned)(unsigned char)*at - '0') < 10; ++at) digits = digits * 10 + digit;
    int integerDigits = (int)(at - integerStart);
    int fractionDigits = 0;
    if (*at == '.') {
        const char* fractionStart = ++at;
        for (unsigned digit; (digit = (unsigned)(unsigned char)*at - '0') < 10; ++at) digits = digits * 10 + digit;
        fractionDigits = (int)(at - fractionStart);
    }
    int count = integerDigits + fractionDigits;
    // No digit before the end, before "e"/"E" or before anything else fails
    // (this also catches an empty or all-blank text), and so does a 19th.
    if (count == 0 || count > kMaxDigits) return 0;

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
        const char* exponentStart = at;
        unsigned magnitude = 0;
        for (unsigned digit; (digit = (unsigned)(unsigned char)*at - '0') < 10; ++at) {
            magnitude = magnitude * 10 + digit;
            if (magnitude > kMaxExponent) return 0;
        }
        if (at == exponentStart) return 0;  // no digit, or something else first
        exponent = exponentNegative ? -(int32_t)magnitude : (int32_t)magnitude;
    }
    // Then the end of the text: nothing may follow, not even a blank.
    if (*at != '\0') return 0;

    number->negative = negative;
    number->digits = digits;
    number->digitCount = count;
    number->integerDigits = integerDigits;
    number->exponent = exponent;
    return 1;
}
