// FormatReal against snprintf and std::to_chars, ParseReal against strtod
// and std::from_chars, on the values and texts a conversion produces: a
// typed decimal times a unit factor, written with 6 and 15 decimals in fixed
// and scientific notation, and those texts read back. Then one whole
// conversion, typed text to shown text, on the exact path against the double
// path it replaced, and the big-integer division inside it both ways.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "catalogue/units.h"
#include "core/convert.h"
#include "core/convert_text.h"
#include "core/exact_convert.h"
#include "numtext/big_int.h"
#include "numtext/numtext.h"

namespace {

const int kCount = 1024;

// Typed values (up to 6 significant digits, 10^-9 .. 10^9) converted by
// factors from the catalogue.
const std::vector<double>& Values()
{
    static std::vector<double> values = [] {
        std::mt19937_64 random(2026);
        const double factors[] = {0.3048, 1 / 0.3048, 4.54609e-3, 1609.344, 0.45359237,
                                  101325.0, 1.0 / 3600, 4.1868, 1e-3, 2.54e-2, 6.894757293168361e3, 1.0};
        std::vector<double> v;
        for (int i = 0; i < kCount; ++i) {
            double typed = (double)(random() % 999999 + 1) * std::pow(10.0, (int)(random() % 13) - 9);
            v.push_back(typed * factors[i % 12] * ((i % 7 == 0) ? -1 : 1));
        }
        return v;
    }();
    return values;
}

// The texts FormatReal writes for those values.
const std::vector<std::string>& Texts(int decimals, bool scientific)
{
    static std::vector<std::string> cache[2][16];
    std::vector<std::string>& texts = cache[scientific][decimals];
    if (texts.empty()) {
        for (double v : Values()) {
            char out[32];
            FormatReal(v, decimals, out, scientific ? 0 : 1);
            texts.push_back(out);
        }
    }
    return texts;
}

void FormatOurs(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<double>& values = Values();
    char out[32];
    for (auto _ : state) {
        for (double v : values) {
            FormatReal(v, decimals, out, scientific ? 0 : 1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void FormatSnprintf(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<double>& values = Values();
    char out[400];
    const char* format = scientific ? "% .*E" : "% .*f";
    for (auto _ : state) {
        for (double v : values) {
            std::snprintf(out, sizeof out, format, decimals, v);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void FormatToChars(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<double>& values = Values();
    char out[400];
    std::chars_format format = scientific ? std::chars_format::scientific : std::chars_format::fixed;
    for (auto _ : state) {
        for (double v : values) {
            std::to_chars_result r = std::to_chars(out, out + sizeof out, v, format, decimals);
            *r.ptr = '\0';
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void ParseOurs(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<std::string>& texts = Texts(decimals, scientific);
    for (auto _ : state) {
        for (const std::string& t : texts) {
            double v;
            ParseReal(t.c_str(), &v);
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void ParseStrtod(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<std::string>& texts = Texts(decimals, scientific);
    for (auto _ : state) {
        for (const std::string& t : texts) {
            char* end;
            double v = std::strtod(t.c_str(), &end);
            benchmark::DoNotOptimize(v);
            benchmark::DoNotOptimize(end);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void ParseFromChars(benchmark::State& state, int decimals, bool scientific)
{
    const std::vector<std::string>& texts = Texts(decimals, scientific);
    for (auto _ : state) {
        for (const std::string& t : texts) {
            // from_chars takes no leading blank: start after it.
            const char* begin = t.c_str() + (t[0] == ' ');
            double v;
            std::from_chars_result r = std::from_chars(begin, t.c_str() + t.size(), v);
            benchmark::DoNotOptimize(v);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

// ---- One whole conversion -------------------------------------------------

// A conversion as the user sets it up: two factors (or temperature codes)
// and a typed text.
struct Conversion {
    double from, to;
    std::string text;
    int category, fromUnit, toUnit;   // the same pair as the typed box sees it
};

int Unit(int category, const char* name)
{
    for (int u = 0; u < UnitCount(category); ++u)
        if (std::string(UnitName(category, u)) == name) return u;
    std::fprintf(stderr, "no unit \"%s\"\n", name);
    std::abort();
}


// What users type (whole numbers and short decimals, a few negative) between
// units picked across the length, weight, speed, cooking, area, volume,
// energy and flow categories, rows standing for decimals and rows that do
// not. `perPair` texts are typed with each pair of units, as a user types
// several values before changing units; with 1 every conversion brings two
// new factors, more than the factor memo keeps.
std::vector<Conversion> MakeTyped(int perPair)
{
    const int kCategories[] = {CATEGORY_COMMON_LENGTH, CATEGORY_COMMON_WEIGHT, CATEGORY_COMMON_SPEED,
                               CATEGORY_COOKING,       CATEGORY_AREA,          CATEGORY_VOLUME,
                               CATEGORY_ENERGY,        CATEGORY_METRIC_LENGTH, CATEGORY_METRIC_MASS,
                               CATEGORY_VOLUME_FLOW};
    const char* kTexts[] = {"1", "2", "5", "12", "50", "100", "1000", "0.5", "2.54", "12.5",
                            "0.75", "3.2", "-4", "99.9", "1.609", "37"};
    std::mt19937_64 random(2027);
    std::vector<Conversion> v;
    for (int i = 0; i < kCount; i += perPair) {
        const int c = kCategories[i / perPair % 10];
        const unsigned count = unsigned(UnitCount(c));
        const int from = int(random() % count), to = int(random() % count);
        for (int k = 0; k < perPair; ++k)
            v.push_back({UnitFactor(c, from), UnitFactor(c, to), kTexts[random() % 16], c, from, to});
    }
    return v;
}
const std::vector<Conversion>& TypedConversions()
{
    static std::vector<Conversion> conversions = MakeTyped(32);
    return conversions;
}
const std::vector<Conversion>& UnitChanges()
{
    static std::vector<Conversion> conversions = MakeTyped(1);
    return conversions;
}

Conversion Typed(int category, const char* from, const char* to, const char* text)
{
    const int f = Unit(category, from), t = Unit(category, to);
    return Conversion{UnitFactor(category, f), UnitFactor(category, t), text, category, f, t};
}
// The worst inputs: 18 digits with a four-digit exponent between the
// catalogue's largest and smallest factors (both stand for decimals), and
// between the widest-spread pair of rows that stand for their doubles.
const std::vector<Conversion>& WorstConversions()
{
    static std::vector<Conversion> conversions = {
        Typed(CATEGORY_AREA, "square yottameter", "shed", "123456789012345678E-0300"),
        Typed(CATEGORY_AREA, "square parsec", "square link [Gunter, survey]", "123456789012345678E-0300"),
    };
    return conversions;
}

// Temperatures as typed (codes 1 C, 2 F, 3 R, 4 Reaumur, 5 K), and the
// largest operands the temperature rule builds: 18 digits near 10^308 next
// to the 273.15 offset.
const std::vector<Conversion>& TemperatureConversions()
{
    static std::vector<Conversion> conversions = [] {
        const char* kTexts[] = {"-49.7", "100", "37", "0", "-40", "451", "20.5", "-273.15"};
        std::vector<Conversion> v;
        for (int i = 0; i < kCount; ++i)
            v.push_back({(double)(1 + i % 5), (double)(1 + i / 5 % 5), kTexts[i % 8], CATEGORY_TEMPERATURE, i % 5, i / 5 % 5});
        return v;
    }();
    return conversions;
}
const std::vector<Conversion>& TemperatureWorst()
{
    static std::vector<Conversion> conversions = {{1.0, 5.0, "123456789012345678e290", CATEGORY_TEMPERATURE, 0, 4}};
    return conversions;
}

// The answer in doubles: ParseReal, then the factor rule or TemperatureConvert.
double DoubleAnswer(const Conversion& c, bool temperature)
{
    double value, result;
    ParseReal(c.text.c_str(), &value);
    if (temperature) TemperatureConvert(c.from, c.to, value, &result);
    else result = ConvertByFactors(value, c.from, c.to);
    return result;
}

// Before: ParseReal, the factor rule or TemperatureConvert on doubles, FormatReal.
void ConvertDoublePath(benchmark::State& state, const std::vector<Conversion>* conversions, bool temperature)
{
    char out[32];
    for (auto _ : state) {
        for (const Conversion& c : *conversions) {
            FormatReal(DoubleAnswer(c, temperature), 6, out, 1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * conversions->size());
}

// Now: the exact answer's text (the double result is only the fallback
// below the double range, unused here).
void ConvertExactPath(benchmark::State& state, const std::vector<Conversion>* conversions, bool temperature)
{
    char out[32];
    ExactConverter converter = temperature ? ExactTemperature : nullptr;
    for (auto _ : state) {
        for (const Conversion& c : *conversions) {
            FormatExactConversion(c.text.c_str(), c.from, c.to, converter, 0.0, 6, out, 1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * conversions->size());
}

// What a keystroke costs now: the doubles the conversion state keeps
// (ParseReal and the rule on doubles) and the exact answer's text.
void ConvertKeystroke(benchmark::State& state, const std::vector<Conversion>* conversions, bool temperature)
{
    char out[32];
    ExactConverter converter = temperature ? ExactTemperature : nullptr;
    for (auto _ : state) {
        for (const Conversion& c : *conversions) {
            FormatExactConversion(c.text.c_str(), c.from, c.to, converter, DoubleAnswer(c, temperature), 6, out, 1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * conversions->size());
}

#define CONVERSION_CASES(fn)                                                     \
    BENCHMARK_CAPTURE(fn, typed, &TypedConversions(), false);                    \
    BENCHMARK_CAPTURE(fn, unitChange, &UnitChanges(), false);                    \
    BENCHMARK_CAPTURE(fn, worst, &WorstConversions(), false);                    \
    BENCHMARK_CAPTURE(fn, temperature, &TemperatureConversions(), true);         \
    BENCHMARK_CAPTURE(fn, temperatureWorst, &TemperatureWorst(), true)

CONVERSION_CASES(ConvertDoublePath);
CONVERSION_CASES(ConvertExactPath);
CONVERSION_CASES(ConvertKeystroke);

// ---- Typed quantities ------------------------------------------------------

// A keystroke since the typed box is read once (core/convert_text.h): the
// grammar, the exact answer and both doubles. Plain decimals against
// ConvertKeystroke above; then fractions, arithmetic, a German grouped
// decimal, and the slowest 64-character texts found (sums that align
// 18-digit numbers 40 decades apart, products of such sums).
std::vector<Conversion> Repeated(const Conversion& c)
{
    return std::vector<Conversion>(kCount, c);
}
const std::vector<Conversion> kMixed = Repeated(Typed(CATEGORY_COOKING, "cup [US]", "milliliter", "3 1/2"));
const std::vector<Conversion> kSum = Repeated(Typed(CATEGORY_COMMON_LENGTH, "inch", "feet", "(2+1/2)*3"));
const std::vector<Conversion> kGroupedComma = Repeated(Typed(CATEGORY_METRIC_LENGTH, "meter", "centimeter", "1.234,5"));
const std::vector<Conversion> kWorst64 = {
    Typed(CATEGORY_METRIC_LENGTH, "meter", "nanometer", "(123456789012345678e-30+1/7)*(987654321098765432e9-1/3)/(11/13)"),
    Typed(CATEGORY_METRIC_LENGTH, "meter", "nanometer", "(1/3+1/7e-40)*(1/11+1/13e-40)*(1/17+1/19e-40)*(1/23+1/29e-39)"),
    Typed(CATEGORY_METRIC_LENGTH, "meter", "nanometer", "123456789012345678e-20/7+987654321098765432/9-1/11+3/13*17/19"),
};

void ConvertTypedQuantity(benchmark::State& state, const std::vector<Conversion>* conversions, bool german)
{
    SetNumberSymbols(german ? "," : ".", german ? "." : ",");
    TypedConversion result;
    for (auto _ : state) {
        for (const Conversion& c : *conversions) {
            ConvertTyped(c.text.c_str(), c.category, c.fromUnit, c.toUnit, 6, 1, &result);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * conversions->size());
    SetNumberSymbols(".", ",");
}
BENCHMARK_CAPTURE(ConvertTypedQuantity, typed, &TypedConversions(), false);
BENCHMARK_CAPTURE(ConvertTypedQuantity, mixed, &kMixed, false);
BENCHMARK_CAPTURE(ConvertTypedQuantity, sum, &kSum, false);
BENCHMARK_CAPTURE(ConvertTypedQuantity, groupedComma, &kGroupedComma, true);
BENCHMARK_CAPTURE(ConvertTypedQuantity, worst64, &kWorst64, false);

// ---- The division inside ---------------------------------------------------

// Dividend and divisor as the exact path forms them: a quotient of about
// 2^53 over a divisor of the given number of limbs.
struct Division {
    BigInt n, d;
};

const std::vector<Division>& Divisions(int limbs)
{
    static std::vector<Division> cache[40];
    std::vector<Division>& v = cache[limbs];
    if (v.empty()) {
        std::mt19937_64 random(limbs);
        for (int i = 0; i < kCount; ++i) {
            Division x;
            BigSetWord(x.d, random() | 1);
            for (int l = 2; l < limbs; l += 2) BigMultiplyWord(x.d, random() | (1ull << 63));
            if (x.d.used > limbs) x.d.used = limbs;
            x.d.limb[x.d.used - 1] |= 1u << 31;
            x.n = x.d;
            BigMultiplyWord(x.n, (random() >> 11) | (1ull << 52));
            v.push_back(x);
        }
    }
    return v;
}

void ShiftRightOne(BigInt& x)
{
    for (int i = 0; i < x.used; ++i) x.limb[i] = (x.limb[i] >> 1) | (i + 1 < x.used ? x.limb[i + 1] << 31 : 0);
    while (x.used > 0 && x.limb[x.used - 1] == 0) --x.used;
}

// The alternative: shift-subtract, one quotient bit (of 58) per step.
uint64_t DivideShiftSubtract(BigInt& n, const BigInt& d)
{
    const int kQuotientBits = 58;
    BigInt t = d;
    BigShiftLeft(t, kQuotientBits - 1);
    uint64_t q = 0;
    for (int bit = kQuotientBits - 1; bit >= 0; --bit, ShiftRightOne(t)) {
        if (BigCompare(n, t) >= 0) {
            BigSubtract(n, t);
            q |= 1ull << bit;
        }
    }
    return q;
}

void DivideEstimateAndCorrect(benchmark::State& state, int limbs)
{
    const std::vector<Division>& divisions = Divisions(limbs);
    for (auto _ : state) {
        for (const Division& x : divisions) {
            BigInt n = x.n;
            benchmark::DoNotOptimize(BigDivide(n, x.d));
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void DivideShiftSubtractRow(benchmark::State& state, int limbs)
{
    const std::vector<Division>& divisions = Divisions(limbs);
    for (auto _ : state) {
        for (const Division& x : divisions) {
            BigInt n = x.n;
            benchmark::DoNotOptimize(DivideShiftSubtract(n, x.d));
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

#define DIVISION_CASES(fn)                 \
    BENCHMARK_CAPTURE(fn, limbs2, 2);      \
    BENCHMARK_CAPTURE(fn, limbs4, 4);      \
    BENCHMARK_CAPTURE(fn, limbs14, 14);    \
    BENCHMARK_CAPTURE(fn, limbs33, 33)

DIVISION_CASES(DivideEstimateAndCorrect);
DIVISION_CASES(DivideShiftSubtractRow);

// ---- Formatting and parsing -------------------------------------------------

#define CASES(fn)                                   \
    BENCHMARK_CAPTURE(fn, fixed6, 6, false);        \
    BENCHMARK_CAPTURE(fn, fixed15, 15, false);      \
    BENCHMARK_CAPTURE(fn, scientific6, 6, true);    \
    BENCHMARK_CAPTURE(fn, scientific15, 15, true)

CASES(FormatOurs);
CASES(FormatToChars);
CASES(FormatSnprintf);
CASES(ParseOurs);
CASES(ParseFromChars);
CASES(ParseStrtod);

}  // namespace

BENCHMARK_MAIN();
