// The text of one row the "Find Unit" box found: the unit, its category and
// its size in the category's base unit, written with the program's own
// number text.
#include "core/unit_search.h"

#include "core/bounded_text.h"
#include "numtext/decimal_digits.h"

#include <cassert>

const int SIGNIFICANT_MAX = 15;   // digits shown: below a double's 15.95, so
                                  // last-place noise of computed factors rounds away
const int FIXED_EXPONENT_MIN = -4, FIXED_EXPONENT_MAX = 14;  // fixed notation from 1E-4 below 1E15
const int READ_BACK_DIGITS_MAX = 18;   // ParseReal reads no more digits than this

int FormatShortNumber(double value, char* out)
{
    // Step 1: the 16 correctly rounded digits FormatReal shows, and the
    // decimal exponent.
    DecimalDigits sixteen;
    if (!SixteenDigits(value, &sixteen)) {
        if (value != 0.0) {   // NaN or infinity: nothing to show
            out[0] = '\0';
            return 0;
        }
        out[0] = '0';   // zero has no digits to lay out
        out[1] = '\0';
        return 1;
    }
    char digits[16];
    uint64_t rest = sixteen.digits;
    for (int i = 15; i >= 0; --i, rest /= 10)
        digits[i] = static_cast<char>('0' + rest % 10);
    int exponent = sixteen.exponent;

    // Step 2: round to 15 digits, half up on the 16th. A carry out of the
    // first digit leaves 1 followed by zeros, one power of ten higher.
    if (digits[SIGNIFICANT_MAX] >= '5') {
        int i = SIGNIFICANT_MAX - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }

    // Step 3: trailing zeros are not shown.
    int count = SIGNIFICANT_MAX;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    // Step 4: lay the digits out.
    int length = 0;
    if (sixteen.negative)
        out[length++] = '-';
    // Below 1 the fixed text has -exponent zeros before the digits, the one
    // before the point included.
    bool fixed = exponent >= FIXED_EXPONENT_MIN && exponent <= FIXED_EXPONENT_MAX &&
                 (exponent >= 0 || count - exponent <= READ_BACK_DIGITS_MAX);
    if (fixed) {
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i)
                out[length++] = i < count ? digits[i] : '0';
            if (count > exponent + 1) {
                out[length++] = '.';
                for (int i = exponent + 1; i < count; ++i)
                    out[length++] = digits[i];
            }
        } else {
            out[length++] = '0';
            out[length++] = '.';
            for (int i = exponent + 1; i < 0; ++i)
                out[length++] = '0';
            for (int i = 0; i < count; ++i)
                out[length++] = digits[i];
        }
    } else {
        out[length++] = digits[0];
        if (count > 1) {
            out[length++] = '.';
            for (int i = 1; i < count; ++i)
                out[length++] = digits[i];
        }
        out[length++] = 'E';
        out[length++] = exponent < 0 ? '-' : '+';
        int magnitude = exponent < 0 ? -exponent : exponent;
        char reversed[4];
        int n = 0;
        do {
            reversed[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        while (n > 0)
            out[length++] = reversed[--n];
    }
    assert(length < SHORT_NUMBER_MAX);
    out[length] = '\0';
    return length;
}

// A unit name without the blanks a few names end in ("millisecond ").
static void AppendName(char* out, int outSize, int* length, const char* name)
{
    int count = 0;
    while (name[count] != '\0')
        ++count;
    while (count > 0 && name[count - 1] == ' ')
        --count;
    AppendTextPart(out, outSize, length, name, count);
}

static const char ROW_SEPARATOR[] = " \xB7 ";   // blank, middle dot, blank

int FormatFoundRow(int category, int unit, char* out, int outSize)
{
    if (outSize <= 0)
        return 0;
    int length = 0;   // cut where the buffer is full
    out[0] = '\0';
    if (!UnitExists(category, unit))
        return 0;
    AppendName(out, outSize, &length, UnitName(category, unit));
    AppendText(out, outSize, &length, ROW_SEPARATOR);
    AppendText(out, outSize, &length, CategoryName(category));
    int base = BaseUnitIndex(category);
    if (UnitKindOf(category, unit) != UNIT_TEMPERATURE && base >= 0) {
        char size[SHORT_NUMBER_MAX];
        if (FormatShortNumber(UnitFactor(category, unit), size) > 0) {
            AppendText(out, outSize, &length, ROW_SEPARATOR);
            AppendText(out, outSize, &length, size);
            AppendText(out, outSize, &length, " ");
            AppendName(out, outSize, &length, UnitName(category, base));
        }
    }
    return length;
}
