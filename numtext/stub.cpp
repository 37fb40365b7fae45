// Placeholder until the real number text routines land. Not the final code.
#include "numtext/numtext.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int FormatReal(double value, int decimals, char* out, int numFormat)
{
    if (!std::isfinite(value)) return 0;
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    if (value == 0) { std::strcpy(out, "0"); return 1; }
    std::snprintf(out, 26, numFormat ? "% .*f" : "% .*E", decimals, value);
    return 1;
}

int ParseReal(const char* text, double* result)
{
    char* end;
    double v = std::strtod(text, &end);
    if (end == text || *end) { *result = std::nan(""); return 0; }
    *result = v;
    return 1;
}
