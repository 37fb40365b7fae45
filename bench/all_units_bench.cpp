// The All Units view after one keystroke: the rows read the conversion again
// and every row of "All Length & Distance" (315) is converted exactly and
// named, as if all of them were on screen at once. Over the fake controls
// the native tests use.
#include <benchmark/benchmark.h>

#include "core/all_units.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "tests/support/fake_view.h"

namespace {

const int CATEGORY_ALL_LENGTH = 0;   // "All Length & Distance", 315 units

// Every row's texts, as a window showing all of them asks for them.
int ConvertEveryRow()
{
    char value[ALL_UNITS_VALUE_SIZE], name[ALL_UNITS_NAME_SIZE];
    int bytes = 0;
    for (int row = 0; row < AllUnits.count; ++row)
        bytes += AllUnitsValueText(row, value) + AllUnitsNameText(row, name);
    return bytes;
}

// typed: the From box's text; numFormat and decimals: the options;
// newCategory: each update comes with a category change (the filter runs).
void UpdateAllRows(benchmark::State& state, const char* typed, int numFormat, int decimals, bool newCategory)
{
    FakeViewReset();
    OnChooserChanged(0);
    FakePick(CHOOSER_FROM_UNIT, 3);
    FakePick(CHOOSER_TO_UNIT, 7);
    FakeClear(BOX_FROM);
    FakeType(BOX_FROM, typed);
    Conversion.NumFormat = numFormat;
    Conversion.DecimalPlaces = static_cast<unsigned short>(decimals);
    SetAllUnitsFilter("");
    for (auto _ : state) {
        if (newCategory) AllUnits.category = -1;
        RefreshAllUnits();
        benchmark::DoNotOptimize(ConvertEveryRow());
    }
    state.counters["rows"] = AllUnits.count;
}

BENCHMARK_CAPTURE(UpdateAllRows, keystroke_fixed6, "12.5", 1, 6, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(UpdateAllRows, keystroke_scientific15, "-0.000123456789", 0, 15, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(UpdateAllRows, category_change, "12.5", 1, 6, true)->Unit(benchmark::kMicrosecond);

}  // namespace
