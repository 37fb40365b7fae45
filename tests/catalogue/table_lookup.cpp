#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

int UnitIndex(int category, const char* name)
{
    for (int u = 0; u < UnitCount(category); ++u)
        if (std::strcmp(UnitName(category, u), name) == 0)
            return u;
    return -1;
}

double UnitFactor(int category, const char* name)
{
    int u = UnitIndex(category, name);
    if (u < 0) {
        ADD_FAILURE() << "no \"" << name << "\" in the " << CategoryName(category) << " table";
        return std::nan("");
    }
    return UnitFactor(category, u);
}

double UnitFactorOrNaN(int category, const char* name)
{
    int u = UnitIndex(category, name);
    return u < 0 ? std::nan("") : UnitFactor(category, u);
}

double ConvertUnits(int category, double value, const char* from, const char* to)
{
    return ConvertByFactors(value, UnitFactor(category, from), UnitFactor(category, to));
}

bool WithinUlps(double a, double b, double ulps)
{
    return std::fabs(a - b) <= ulps * DBL_EPSILON * std::fmax(std::fabs(a), std::fabs(b));
}

bool WithinRelative(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance * std::fabs(b);
}

double RelativeDifference(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

double RatioOffset(double a, double b) { return std::fabs(a / b - 1.0); }
