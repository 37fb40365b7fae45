// FormatReal against snprintf and std::to_chars, ParseReal against strtod
// and std::from_chars, on the values and texts a conversion produces: a
// typed decimal times a unit factor, written with 6 and 15 decimals in fixed
// and scientific notation, and those texts read back.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

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
