// The user's decimal and grouping symbols, read from the locale and handed
// down to the portable number reader as UTF-8.
#include "shell/shell.h"
#include "core/convert_text.h"

// A locale symbol holds at most 3 characters and its NUL (LOCALE_SDECIMAL,
// LOCALE_STHOUSAND); as UTF-8 that is at most 7 bytes and a NUL.
static const int SYMBOL_CHARACTERS = 4;
static const int SYMBOL_BYTES = 8;

char LocaleAnswerSymbol = '.';

// Reads a locale symbol into wide and symbol (UTF-8); empty when unreadable.
static void ReadSymbol(LCTYPE item, wchar_t* wide, char* symbol)
{
    wide[0] = L'\0';
    symbol[0] = '\0';
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, item, wide, SYMBOL_CHARACTERS)) return;
    int written = WideCharToMultiByte(CP_UTF8, 0, wide, -1, symbol, SYMBOL_BYTES, 0, 0);
    if (written <= 0) symbol[0] = '\0';
}

// The decimal symbol answers may show: one Windows-1252 byte that cannot be
// read as part of a number, else '.'.
static char AnswerSymbolOf(const wchar_t* symbol)
{
    if (symbol[0] == L'\0' || symbol[1] != L'\0') return '.';
    char byte[2] = "";
    BOOL substituted = FALSE;
    if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, symbol, 1, byte, 1, 0, &substituted) != 1 || substituted)
        return '.';
    const char c = byte[0];
    const bool numberLike = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' || c == ' ';
    return numberLike || c == '\0' ? '.' : c;
}

void HandDownNumberSymbols()
{
    wchar_t wideDecimal[SYMBOL_CHARACTERS], wideGrouping[SYMBOL_CHARACTERS];
    char decimal[SYMBOL_BYTES], grouping[SYMBOL_BYTES];
    ReadSymbol(LOCALE_SDECIMAL, wideDecimal, decimal);
    ReadSymbol(LOCALE_STHOUSAND, wideGrouping, grouping);
    SetNumberSymbols(decimal, grouping);
    LocaleAnswerSymbol = AnswerSymbolOf(wideDecimal);
}
