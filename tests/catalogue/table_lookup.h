// Row lookups by name and the tolerance checks the catalogue tests share.
// Categories are named by their index in UnitCatalog; a lookup scans the
// category's table in order and takes the first row with that exact name.
#pragma once
#include "catalogue/catalog.h"
#include "core/convert.h"

// Category indexes, in UnitCatalog order.
const int ALL_LENGTH = 0, ALL_SPEED = 1, ALL_MASS = 2, COOKING = 3, COMMON_LENGTH = 4,
          COMMON_SPEED = 5, COMMON_WEIGHT = 6, ACCELERATION = 7, ANGLE = 8, AREA = 9,
          ASTRONOMICAL = 10, BUTTER = 11, DENSITY = 12, OIL_WATER_VISCOSITY = 13,
          DYNAMIC_VISCOSITY = 14, ENERGY = 15, MASS_FLOW = 16, MOLE_FLOW = 17, VOLUME_FLOW = 18,
          FORCE = 19, FREQUENCY = 20, ILLUMINANCE = 21, KINEMATIC_VISCOSITY = 22, LUMINANCE = 23,
          METRIC_LENGTH = 24, METRIC_MASS = 25, POWER = 26, PRESSURE = 27, TEMPERATURE = 28,
          TIME = 29, TORQUE = 30, VOLUME = 31;

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
