// The number rules run for every keystroke and for every row of a pull plan.
#include "numbers/number_rules.h"

#include <benchmark/benchmark.h>

namespace {

const tensora::NumberLocale kEnglish{".", ","};

void BM_ReadInput(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tensora::read_input("1,234.567", kEnglish));
    }
}
BENCHMARK(BM_ReadInput);

void BM_PatternWholeNumber(benchmark::State& state) {
    double value = 27.98;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tensora::format_pattern(value, "###"));
        value += 1.0;
    }
}
BENCHMARK(BM_PatternWholeNumber);

void BM_GeneralNumberText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tensora::general_number_text(0.4337125));
    }
}
BENCHMARK(BM_GeneralNumberText);

} // namespace

BENCHMARK_MAIN();
