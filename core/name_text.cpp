// Names between the catalogue's two encodings: built-in names are
// Windows-1252, the user's own UTF-8.
#include "core/name_text.h"

#include "catalogue/units.h"

// Windows-1252 bytes 0x80..0x9F; the five the code page leaves undefined map
// to the same code point, as the system's own conversion does.
const unsigned short CP1252_HIGH[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

namespace {

// A UTF-8 name in Windows-1252: what the code page holds, "?" for the rest.
void Put1252OfUtf8(char* out, int size, const char* text)
{
    int length = 0;
    for (const unsigned char* at = (const unsigned char*)text; *at && length < size - 1;) {
        unsigned code = *at++;
        int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;
        code &= more == 3 ? 0x07 : more == 2 ? 0x0F : more == 1 ? 0x1F : 0xFF;
        for (; more > 0 && (*at & 0xC0) == 0x80; --more) code = (code << 6) | (*at++ & 0x3F);
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) byte = char(code);
        for (int i = 0; i < 32 && byte == '?' && code >= 0x100; ++i)
            if (CP1252_HIGH[i] == code) byte = char(0x80 + i);
        out[length++] = byte;
    }
    out[length] = '\0';
}
}  // namespace

const char* UnitName1252(int category, int unit, char* buffer, int size)
{
    if (!UnitNameIsUtf8(category, unit)) return UnitName(category, unit);
    Put1252OfUtf8(buffer, size, UnitName(category, unit));
    return buffer;
}

const char* CategoryName1252(int category, char* buffer, int size)
{
    if (!CategoryNameIsUtf8(category)) return CategoryName(category);
    Put1252OfUtf8(buffer, size, CategoryName(category));
    return buffer;
}
