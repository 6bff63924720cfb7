// SPDX-License-Identifier: MIT
// One run of the longest date sequence, text and rows, as the "Do it" button builds it.
#include <benchmark/benchmark.h>

#include "sequence/DateSequence.h"

namespace {

// A full run of 800 days fits the program's box, so no message is ever asked for.
class SilentDialogs : public vardex::Dialogs {
public:
    vardex::MessageReply ShowMessage(const QString &, const QString &, vardex::MessageIcon,
                                     vardex::MessageButtons) override
    {
        return vardex::MessageReply::No;
    }
};

void BM_DateSequence800Days(benchmark::State &state)
{
    SilentDialogs dialogs;
    for (auto _ : state) {
        QString output;
        const vardex::SequenceResult result = vardex::RunDateSequence(
            [] { return int32_t{2460368}; }, vardex::kMaxSequenceDays, vardex::DeeVariant::DeeCecil,
            vardex::NumberFormat::Regional(), output, 63, dialogs);
        benchmark::DoNotOptimize(output.constData());
        benchmark::DoNotOptimize(result.sameDateCount);
    }
}
BENCHMARK(BM_DateSequence800Days)->Unit(benchmark::kMillisecond);

}  // namespace
