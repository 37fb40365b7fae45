// The user's decimal and grouping symbols, read from the locale and handed
// down to the portable number reader as UTF-8.
#include "shell/shell.h"
#include "core/convert_text.h"

// A locale symbol holds at most 3 characters and its NUL (LOCALE_SDECIMAL,
// LOCALE_STHOUSAND); as UTF-8 that is at most 7 bytes and a NUL.
static const int SYMBOL_CHARACTERS = 4;
static const int SYMBOL_BYTES = 8;

static void ReadSymbol(LCTYPE item, char* symbol)
{
    wchar_t wide[SYMBOL_CHARACTERS] = L"";
    symbol[0] = '\0';
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, item, wide, SYMBOL_CHARACTERS)) return;
    int written = WideCharToMultiByte(CP_UTF8, 0, wide, -1, symbol, SYMBOL_BYTES, 0, 0);
    if (written <= 0) symbol[0] = '\0';
}

void HandDownNumberSymbols()
{
    char decimal[SYMBOL_BYTES], grouping[SYMBOL_BYTES];
    ReadSymbol(LOCALE_SDECIMAL, decimal);
    ReadSymbol(LOCALE_STHOUSAND, grouping);
    SetNumberSymbols(decimal, grouping);
}
