// Pieces shared by the formatter and the parser: the public decimal pieces
// (text layout, text scanner, exact comparison) and the test-build switch.
#pragma once
#include <cstdint>

#include "numtext/decimal_digits.h"

// Whether the fast double paths settle every rounding by exact comparison: only
// in a test build, so that the rarely taken exact path is tested as well.
#ifdef NUMTEXT_EXACT_ROUNDING_ONLY
const bool kAlwaysExact = true;
#else
const bool kAlwaysExact = false;
#endif

// Bits of the double nearest to w * 10^p (w > 0, any p), ties to even:
// ParseReal's rounding, for the exact readers (parse_real.cpp).
uint64_t NearestDouble(uint64_t w, int p);
