// SPDX-License-Identifier: MIT
// The vernal-equinox table: a full run of 800 years built as text (no window), one row, and one
// equinox instant. Target: the 800-year text in under 10 ms.
#include <benchmark/benchmark.h>

#include "equinox/EquinoxTable.h"

namespace {

using namespace vardex;

class SilentDialogs : public Dialogs {
public:
    MessageReply ShowMessage(const QString &, const QString &, MessageIcon, MessageButtons) override
    {
        return MessageReply::Yes;
    }
};

EquinoxRunInputs EightHundredYears()
{
    EquinoxRunInputs inputs;
    inputs.firstYear = 2000;
    inputs.numberOfYears = kMaxEquinoxYears;
    inputs.variant = DeeVariant::Dee;
    inputs.capacityKB = 1024;  // every row fits (the window's 63 KB can cut a run of late years a row short)
    return inputs;
}

void EightHundredYearRun(benchmark::State &state)
{
    const EquinoxRunInputs inputs = EightHundredYears();
    SilentDialogs dialogs;
    for (auto _ : state) {
        QString output;
        const EquinoxRunResult result = RunVernalEquinoxes(inputs, output, dialogs);
        if (result.rows.size() != static_cast<size_t>(kMaxEquinoxYears))
            state.SkipWithError("the run did not write every row");
        benchmark::DoNotOptimize(output.data());
    }
}
BENCHMARK(EightHundredYearRun)->Unit(benchmark::kMillisecond);

void OneRow(benchmark::State &state)
{
    const EquinoxRunInputs inputs = EightHundredYears();
    int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeEquinoxRow(year, 0, inputs));
        year = year % 4000 + 1;
    }
}
BENCHMARK(OneRow)->Unit(benchmark::kMicrosecond);

void OneEquinox(benchmark::State &state)
{
    InitPeriodicTerms();
    int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VernalEquinoxUT(year));
        year = year % 4000 + 1;
    }
}
BENCHMARK(OneEquinox)->Unit(benchmark::kNanosecond);

}  // namespace
