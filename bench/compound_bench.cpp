// One keystroke's conversion, typed text to shown text, as the value boxes
// do it (ConvertTypedRows): a plain answer in feet, the same answer laid out
// in feet and inches, and in feet to the nearest sixteenth, on the same
// typed values.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/units.h"
#include "core/convert_text.h"
#include "numtext/decimal_digits.h"

namespace {

// 1024 typed inches: up to six significant digits, 10^-3 .. 10^6, every
// seventh negative.
const std::vector<std::string>& TypedInches()
{
    static std::vector<std::string> texts = [] {
        std::mt19937_64 random(19);
        std::vector<std::string> v;
        for (int i = 0; i < 1024; ++i) {
            std::string digits = std::to_string(random() % 999999 + 1);
            size_t point = (size_t)(random() % 7);
            if (point < digits.size()) digits.insert(digits.size() - point, ".");
            v.push_back((i % 7 == 0 ? "-" : "") + digits);
        }
        return v;
    }();
    return texts;
}

int Row(const char* name)
{
    for (int u = 0; u < UnitCount(CATEGORY_COMMON_LENGTH); ++u)
        if (std::string(UnitName(CATEGORY_COMMON_LENGTH, u)) == name) return u;
    return -1;
}

void Answer(benchmark::State& state, const char* to, int denominator)
{
    const int from = Row("inch"), toRow = Row(to);
    SetAnswerDenominator(denominator);
    TypedConversion result;
    for (auto _ : state) {
        for (const std::string& typed : TypedInches()) {
            ConvertTypedRows(typed.c_str(), CATEGORY_COMMON_LENGTH, from, toRow, 6, NUM_FORMAT_FIXED, &result);
            benchmark::DoNotOptimize(result.text[0]);
        }
    }
    SetAnswerDenominator(0);
    state.SetItemsProcessed(state.iterations() * (int64_t)TypedInches().size());
}

}  // namespace

BENCHMARK_CAPTURE(Answer, plainFeet, "feet", 0);
BENCHMARK_CAPTURE(Answer, feetAndInches, "foot + inch", 0);
BENCHMARK_CAPTURE(Answer, feetInSixteenths, "feet", 16);

BENCHMARK_MAIN();
