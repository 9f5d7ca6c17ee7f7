// Microbenchmarks of the text rules, a size conversion and the calculator
// engine: every keystroke and Enter runs some of these.
#include <benchmark/benchmark.h>

#include <QString>

#include "core/calculator_engine.h"
#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

static void BM_TextToNumber(benchmark::State& state) {
  const QString text = QStringLiteral("2.3125");
  for (auto _ : state) benchmark::DoNotOptimize(TextToNumber(text));
}
BENCHMARK(BM_TextToNumber);

static void BM_FormatFixed(benchmark::State& state) {
  const long double value = 0.0905511811L;
  for (auto _ : state) benchmark::DoNotOptimize(FormatFixed(value, 10, 5));
}
BENCHMARK(BM_FormatFixed);

static void BM_FormatGeneral(benchmark::State& state) {
  const long double value = 1234.5678901234L;
  for (auto _ : state) benchmark::DoNotOptimize(FormatGeneral(value));
}
BENCHMARK(BM_FormatGeneral);

static void BM_FractionToDecimal(benchmark::State& state) {
  const QString text = QStringLiteral("1 1/8");
  for (auto _ : state) benchmark::DoNotOptimize(FractionToDecimal(text));
}
BENCHMARK(BM_FractionToDecimal);

// What Enter in the millimetre box computes: inches, then the PP and SS
// answers from the lookup key.
static void BM_ConverterLookup(benchmark::State& state) {
  const QString text = QStringLiteral("2.3");
  for (auto _ : state) {
    const long double mm = TextToNumber(text);
    const float inch = StoreSingle(mm / kMmPerInch);
    const int key = SizeLookupKey(mm);
    benchmark::DoNotOptimize(FormatFixed(inch, 10, 5));
    benchmark::DoNotOptimize(PearlAnswer(key));
    benchmark::DoNotOptimize(StoneAnswer(key));
  }
}
BENCHMARK(BM_ConverterLookup);

// 12.5 * 4 = , typed over and over into one calculator (each "=" ends the
// sum, the next digit starts a new one). The "key" counter is the time per
// key press.
static void BM_CalculatorKeys(benchmark::State& state) {
  const QString keys = QStringLiteral("12.5*4=");
  CalculatorEngine engine;
  for (auto _ : state) {
    for (QChar key : keys) engine.PressChar(key);
    benchmark::DoNotOptimize(engine.Text());
  }
  if (engine.Text() != QStringLiteral("50 ")) state.SkipWithError("12.5 * 4 = did not show 50");
  state.counters["key"] = benchmark::Counter(
      double(keys.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalculatorKeys);

BENCHMARK_MAIN();
