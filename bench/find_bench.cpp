// The "Find Unit" matcher: one query against all 1788 names, for queries a
// user types, next to the plainest scan there is: strstr of the query as typed
// over the raw names (no folding, no words, no ranking), measured in the same
// run as the reference.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "catalogue/units.h"
#include "core/unit_search.h"

namespace {

void FindOurs(benchmark::State& state, const char* query)
{
    std::vector<UnitMatch> results(static_cast<size_t>(TotalUnitCount()));
    int found = 0;
    for (auto _ : state) {
        found = FindUnits(query, results.data(), int(results.size()));
        benchmark::DoNotOptimize(results.data());
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = found;
}

void ScanStrstr(benchmark::State& state, const char* query)
{
    std::vector<UnitMatch> results(static_cast<size_t>(TotalUnitCount()));
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (int c = 0; c < CategoryCount(); ++c)
            for (int u = 0; u < UnitCount(c); ++u)
                if (std::strstr(UnitName(c, u), query)) {
                    results[found].category = static_cast<short>(c);
                    results[found].unit = static_cast<short>(u);
                    ++found;
                }
        benchmark::DoNotOptimize(results.data());
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = found;
}

#define QUERIES(fn)                                                   \
    BENCHMARK_CAPTURE(fn, rod, "rod");                                \
    BENCHMARK_CAPTURE(fn, league_us_survey, "league us survey");      \
    BENCHMARK_CAPTURE(fn, kip, "kip");                                \
    BENCHMARK_CAPTURE(fn, barye, "barye");                            \
    BENCHMARK_CAPTURE(fn, douzieme, "douzieme");                      \
    BENCHMARK_CAPTURE(fn, m2, "m2");                                  \
    BENCHMARK_CAPTURE(fn, cubic_foot_per_minute, "cubic foot per minute"); \
    BENCHMARK_CAPTURE(fn, empty, "");                                 \
    BENCHMARK_CAPTURE(fn, a, "a");                                    \
    BENCHMARK_CAPTURE(fn, xyz, "xyz")

QUERIES(FindOurs);
QUERIES(ScanStrstr);

}  // namespace

BENCHMARK_MAIN();
