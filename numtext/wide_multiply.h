// 64 x 64 -> 128-bit and 64 x 128 -> 192-bit products for the exact double
// <-> text paths, with the compiler's 128-bit integer where it has one
// (x86-64) and 32-bit halves elsewhere (i686).
#pragma once
#include <cstdint>

#include "numtext/pow10_table.h"

struct Wide128 {
    uint64_t high, low;
};

// From 32-bit halves: what i686 uses, and what the tests hold against the
// 128-bit integer on x86-64.
inline Wide128 MultiplyWidePortable(uint64_t a, uint64_t b)
{
    uint64_t aLow = (uint32_t)a, aHigh = a >> 32, bLow = (uint32_t)b, bHigh = b >> 32;
    uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh, highLow = aHigh * bLow, highHigh = aHigh * bHigh;
    uint64_t middle = (lowLow >> 32) + (uint32_t)lowHigh + (uint32_t)highLow;  // < 3 * 2^32
    Wide128 r;
    r.low = (middle << 32) | (uint32_t)lowLow;
    r.high = highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
    return r;
}

inline Wide128 MultiplyWide(uint64_t a, uint64_t b)
{
#ifdef __SIZEOF_INT128__
    unsigned __int128 p = (unsigned __int128)a * b;
    Wide128 r;
    r.high = (uint64_t)(p >> 64);
    r.low = (uint64_t)p;
    return r;
#else
    return MultiplyWidePortable(a, b);
#endif
}

// The 192-bit product of a 64-bit integer and a table entry.
struct Wide192 {
    uint64_t high, middle, low;
};

inline Wide192 MultiplyByEntry(uint64_t a, const Pow10Entry& t)
{
    Wide128 low = MultiplyWide(a, t.lo);
    Wide128 high = MultiplyWide(a, t.hi);
    Wide192 p;
    p.low = low.low;
    p.middle = low.high + high.low;
    p.high = high.high + (p.middle < low.high ? 1 : 0);
    return p;
}

// How the bits of a product below its last kept place compare with one half
// of that place, given the product may be short of the true value by less
// than 2 units of its middle word (a truncated table entry) or not at all
// (an exact one).
enum HalfComparison { BELOW_HALF, ABOVE_HALF, EXACTLY_HALF, TOO_CLOSE };

// fractionHigh: the bits of p.high below the last kept place, of which
// halfHigh (a single bit) is one half; then p.middle and p.low.
inline HalfComparison CompareWithHalf(uint64_t fractionHigh, uint64_t halfHigh, uint64_t middle,
                                      uint64_t low, bool exact)
{
    if (exact) {
        if (fractionHigh != halfHigh) return fractionHigh > halfHigh ? ABOVE_HALF : BELOW_HALF;
        return (middle | low) ? ABOVE_HALF : EXACTLY_HALF;
    }
    // Inexact: the true value lies in [p, p + 2 units of middle).
    if (fractionHigh >= halfHigh) return ABOVE_HALF;  // p >= half and the error is positive
    // fraction + 2 <= half, with half - 2 = (halfHigh - 1, 2^64 - 2).
    if (fractionHigh < halfHigh - 1 || middle <= UINT64_MAX - 1) return BELOW_HALF;
    return TOO_CLOSE;
}
