// Conversion arithmetic: the one factor rule, the temperature converter and
// the registry that says which unit table replaces the rule by a converter
// (and by which exact converter, for the answer the boxes show).
#pragma once
#include "core/exact_convert.h"

// A routine that replaces factor arithmetic for one unit table.
typedef void (*SpecialConverter)(double fromFactor, double toFactor, double value, double* result);

// value * fromFactor / toFactor, product first, in double precision.
double ConvertByFactors(double value, double fromFactor, double toFactor);

// Temperature codes: 1 Celsius, 2 Fahrenheit, 3 Rankine, 4 Reaumur, anything else kelvin.
void TemperatureConvert(double fromCode, double toCode, double value, double* result);

// The converter registered for the category, or 0. Indexes that name no
// category select nothing.
SpecialConverter FindSpecialConverter(int categoryIndex);

// The exact converter registered beside it (core/exact_convert.h), or 0 where
// the factor rule applies; same key, same indexes.
ExactConverter FindExactConverter(int categoryIndex);
