// The "Find Unit" matcher: one query against all 1780 names, for queries a
// user types, next to the plainest scan there is: strstr of the query as typed
// over the raw names (no folding, no words, no ranking), measured in the same
// run as the reference.
#include <benchmark/benchmark.h>

#include <cstring>

#include "catalogue/catalog.h"
#include "core/unit_search.h"

namespace {

void FindOurs(benchmark::State& state, const char* query)
{
    static UnitMatch results[FIND_RESULT_CAPACITY];
    int found = 0;
    for (auto _ : state) {
        found = FindUnits(query, results, FIND_RESULT_CAPACITY);
        benchmark::DoNotOptimize(results);
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = found;
}

void ScanStrstr(benchmark::State& state, const char* query)
{
    static UnitMatch results[FIND_RESULT_CAPACITY];
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (int c = 0; c < CATEGORY_COUNT; ++c)
            for (int u = 0; u < UnitCatalog[c].count; ++u)
                if (std::strstr(UnitCatalog[c].units[u].name, query)) {
                    results[found].category = static_cast<short>(c);
                    results[found].unit = static_cast<short>(u);
                    ++found;
                }
        benchmark::DoNotOptimize(results);
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
