// Row lookups by name and the tolerance checks the catalogue tests share.
// Categories are named by the catalogue's constants (CATEGORY_AREA); a lookup
// scans the category's units in order and takes the first with that exact name.
#pragma once
#include "catalogue/units.h"
#include "core/convert.h"

// Index of the named row in the category, or -1 when there is none.
int UnitIndex(int category, const char* name);

// Factor of the named row; a missing name fails the test and gives NaN.
double UnitFactor(int category, const char* name);

// Factor of the named row, or NaN without a failure when there is none.
double UnitFactorOrNaN(int category, const char* name);

// value from one named row to another of the category, by ConvertByFactors.
double ConvertUnits(int category, double value, const char* from, const char* to);

// a and b differ by no more than about `ulps` units in the last place of the larger.
bool WithinUlps(double a, double b, double ulps);

// |a - b| <= tolerance * |b|.
bool WithinRelative(double a, double b, double tolerance);

// |a - b| / |b|: exact up to the one rounding of the division.
double RelativeDifference(double a, double b);

// |a / b - 1|: the ratio's distance from one, rounded twice. It can differ from
// RelativeDifference by an ulp or so; the tests written against it keep it.
double RatioOffset(double a, double b);
