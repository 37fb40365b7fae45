// 10^n in 80-bit extended precision, shared by the general formatter and the
// general parser.
#include "numtext/extended.h"

// Runs in the caller's rounding mode and precision; both general routines
// call it with the default state (64-bit precision, rounding to nearest).
// t = n * log2(10) carries an absolute error of about |t| * 2^-64, so the
// result is good to roughly 64 - log2|t| bits: 2^-50 relative near 10^4931.
long double PowerOfTen(int n)
{
    long double result;
    asm volatile(
        "fildl %1\n\t"               // n
        "fldl2t\n\t"                 // log2(10), n
        "fmulp\n\t"                  // t = n * log2(10)
        "fld %%st(0)\n\t"            // t, t
        "frndint\n\t"                // i = t rounded to nearest, t
        "fxch\n\t"                   // t, i
        "fsub %%st(1), %%st\n\t"     // f = t - i in -0.5 .. 0.5, i
        "f2xm1\n\t"                  // 2^f - 1, i
        "fld1\n\t"                   // 1, 2^f - 1, i
        "faddp\n\t"                  // 2^f, i
        "fscale\n\t"                 // 2^f * 2^i (exact change of exponent), i
        "fstp %%st(1)\n\t"           // 10^n
        "fstpt %0"
        : "=m"(result)
        : "m"(n)
        : "st", "st(1)", "st(2)", "memory");
    return result;
}
