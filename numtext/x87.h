// The few x87 operations the number text routines need that C++ cannot say:
// the unit's reset, its exception flags, its rounding control, and the packed
// decimal (BCD) loads and stores. Every block leaves the x87 stack as it found
// it (empty between statements in x86-64 code, and in i686 code too, which is
// built with doubles in SSE2 registers), so operands go through memory.
#pragma once
#include <cstdint>

// Control word after FNINIT: all six exceptions masked (bits 0-5), 64-bit
// precision (bits 8-9 = 11), rounding to nearest (bits 10-11 = 00), plus the
// reserved bit 6 the unit reports as set: 0x037F.
const uint16_t X87_DEFAULT_CONTROL = 0x037F;
const uint16_t X87_ROUNDING_MASK = 0x0C00;      // bits 10-11
const uint16_t X87_ROUND_TOWARD_ZERO = 0x0C00;  // rounding control 11
const uint16_t X87_INVALID_FLAG = 0x0001;       // status word bit 0 (IE)

// Ten bytes in the layout FBLD reads and FBSTP writes: bytes 0-8 hold two
// digits each, the more significant in the high nibble, byte 0 the lowest two;
// byte 9 is the sign, 0x80 negative, 0x00 positive.
struct PackedDecimal {
    uint8_t bytes[10];
};

// Default state: all exceptions masked, 64-bit precision, rounding to nearest,
// flags clear, stack empty.
// FNINIT empties the register stack: no value may be kept there across it
// (the clobbers say so; it would matter if doubles lived on the x87 stack, as
// they do on i686 without -mfpmath=sse).
inline void X87Reset()
{
    asm volatile("fninit" ::: "memory", "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)");
}

// The reset costs tens of cycles; when the control word is already the
// default one only the flags are cleared, which is all that differs then.
inline void X87ResetIfNeeded()
{
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    if (control != X87_DEFAULT_CONTROL) X87Reset();
}

inline void X87ClearExceptions()
{
    asm volatile("fnclex" ::: "memory");
}

inline uint16_t X87Status()
{
    uint16_t status;
    asm volatile("fnstsw %0" : "=m"(status) :: "memory");
    return status;
}

// log10(2) * log2|value| with log10(2) = 1 / log2(10), converted to an int
// with truncation toward zero; the caller's rounding control is restored
// right after the conversion. An infinite value raises the invalid flag and
// yields the integer indefinite 0x80000000.
inline int32_t X87TruncatedLog10(const long double* value)
{
    int32_t result;
    uint16_t saved, truncating;
    asm volatile("fnstcw %0" : "=m"(saved));
    truncating = (uint16_t)((saved & ~X87_ROUNDING_MASK) | X87_ROUND_TOWARD_ZERO);
    asm volatile(
        "fldl2t\n\t"              // log2(10)
        "fld1\n\t"                // 1, log2(10)
        "fdiv %%st(1), %%st\n\t"  // 1/log2(10) = log10(2), log2(10)
        "fstp %%st(1)\n\t"        // log10(2)
        "fldt %2\n\t"             // value, log10(2)
        "fabs\n\t"                // |value|, log10(2)
        "fyl2x\n\t"               // L = log10(2) * log2|value|
        "fldcw %3\n\t"
        "fistpl %0\n\t"           // truncated L; stack empty
        "fldcw %1"
        : "=m"(result), "+m"(saved)
        : "m"(*value), "m"(truncating)
        : "st", "st(1)", "memory");
    return result;
}

// value * scale (or value alone when scale is null), rounded to an integer
// by the rounding control in force and stored as 18 packed decimal digits.
// A product of 10^18 or more, an infinity or a NaN stores the packed
// indefinite and raises the invalid flag.
inline void X87StorePacked(const long double* value, const long double* scale, PackedDecimal* out)
{
    if (scale) {
        asm volatile("fldt %1\n\tfldt %2\n\tfmulp\n\tfbstp %0"
                     : "=m"(*out) : "m"(*value), "m"(*scale) : "st", "st(1)", "memory");
    } else {
        asm volatile("fldt %1\n\tfbstp %0" : "=m"(*out) : "m"(*value) : "st", "memory");
    }
}

// The packed decimal integer times scale, one rounding.
inline long double X87LoadPackedTimes(const PackedDecimal* digits, const long double* scale)
{
    long double result;
    asm volatile("fbld %1\n\tfldt %2\n\tfmulp\n\tfstpt %0"
                 : "=m"(result) : "m"(*digits), "m"(*scale) : "st", "st(1)", "memory");
    return result;
}
