// A double's bit pattern and back, for tests that name values by their bits.
#pragma once
#include <cstdint>
#include <cstring>

inline double Bits(uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

inline uint64_t BitsOf(double d)
{
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}
