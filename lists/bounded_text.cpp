#include "lists/bounded_text.h"

#include <stddef.h>
#include <string.h>

bool AppendText(char* buffer, int size, int* length, const char* text)
{
    if (size <= 0 || *length >= size)
        return false;
    const size_t room = static_cast<size_t>(size - 1 - *length);
    const size_t needed = strlen(text);
    const size_t copied = needed < room ? needed : room;
    memcpy(buffer + *length, text, copied);
    *length += static_cast<int>(copied);
    buffer[*length] = '\0';
    return copied == needed;
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
    // At most eleven characters: copied here rather than measured and copied
    // again by AppendText (a save formats some ninety keys).
    if (size <= 0 || *length >= size)
        return false;
    int end = *length;
    for (; digits[at] && end < size - 1; ++at)
        buffer[end++] = digits[at];
    buffer[end] = '\0';
    *length = end;
    return digits[at] == '\0';
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
        const int run = static_cast<int>(mark ? mark - p : static_cast<ptrdiff_t>(strlen(p)));
        const int room = size - 1 - length;
        const int copied = run < room ? run : room;
        memcpy(buffer + length, p, static_cast<size_t>(copied));
        length += copied;
        buffer[length] = '\0';
        if (copied < run)
            return false;
        p += run;
    }
    return true;
}
