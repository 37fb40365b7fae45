#include "core/bounded_text.h"

#include <stddef.h>
#include <string.h>

// The first `needed` bytes of text at buffer[*length], cut where the buffer
// is full; always terminated.
static bool AppendBytes(char* buffer, int size, int* length, const char* text, size_t needed)
{
    if (size <= 0 || *length >= size)
        return false;
    const size_t room = static_cast<size_t>(size - 1 - *length);
    const size_t copied = needed < room ? needed : room;
    memcpy(buffer + *length, text, copied);
    *length += static_cast<int>(copied);
    buffer[*length] = '\0';
    return copied == needed;
}

bool AppendText(char* buffer, int size, int* length, const char* text)
{
    return AppendBytes(buffer, size, length, text, strlen(text));
}

bool AppendTextPart(char* buffer, int size, int* length, const char* text, int count)
{
    return AppendBytes(buffer, size, length, text, count > 0 ? static_cast<size_t>(count) : 0);
}

bool AppendDecimal(char* buffer, int size, int* length, int value)
{
    char digits[12];   // 10 digits of 2^31, a sign and a NUL
    int at = sizeof digits - 1;
    digits[at] = '\0';
    // Work on the unsigned magnitude so that INT_MIN needs no special case.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[--at] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        digits[--at] = '-';
    return AppendBytes(buffer, size, length, digits + at, sizeof digits - 1 - at);
}

bool FormatNumberedKey(char* buffer, int size, const char* format, int number)
{
    if (size <= 0)
        return false;
    int length = 0;
    buffer[0] = '\0';
    for (const char* p = format; *p;) {
        if (p[0] == '%' && p[1] == 'd') {
            if (!AppendDecimal(buffer, size, &length, number))
                return false;
            p += 2;
            continue;
        }
        // The text up to the next "%d" as it stands, in one copy: a save
        // formats some ninety keys.
        const char* mark = strstr(p, "%d");
        const size_t run = mark ? static_cast<size_t>(mark - p) : strlen(p);
        if (!AppendBytes(buffer, size, &length, p, run))
            return false;
        p += run;
    }
    return true;
}
