// Microbenchmarks of the text rules, a size conversion and the calculator
// engine: every keystroke and Enter runs some of these.
#include <benchmark/benchmark.h>

#include <QString>

#include "core/calculator_engine.h"
#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

static void benchTextToNumber(benchmark::State& state) {
  const QString text = QStringLiteral("2.3125");
  for (auto _ : state) benchmark::DoNotOptimize(textToNumber(text));
}
BENCHMARK(benchTextToNumber);

static void benchFormatFixed(benchmark::State& state) {
  const long double value = 0.0905511811L;
  for (auto _ : state) benchmark::DoNotOptimize(formatFixed(value, 10, 5));
}
BENCHMARK(benchFormatFixed);

static void benchFormatGeneral(benchmark::State& state) {
  const long double value = 1234.5678901234L;
  for (auto _ : state) benchmark::DoNotOptimize(formatGeneral(value));
}
BENCHMARK(benchFormatGeneral);

static void benchFractionToDecimal(benchmark::State& state) {
  const QString text = QStringLiteral("1 1/8");
  for (auto _ : state) benchmark::DoNotOptimize(fractionToDecimal(text));
}
BENCHMARK(benchFractionToDecimal);

// What Enter in the millimetre box computes: inches, then the PP and SS
// answers from the lookup key.
static void benchConverterLookup(benchmark::State& state) {
  const QString text = QStringLiteral("2.3");
  for (auto _ : state) {
    const long double mm = textToNumber(text);
    const float inch = storeSingle(mm / kMmPerInch);
    const int key = sizeLookupKey(mm);
    benchmark::DoNotOptimize(formatFixed(inch, 10, 5));
    benchmark::DoNotOptimize(pearlAnswer(key));
    benchmark::DoNotOptimize(stoneAnswer(key));
  }
}
BENCHMARK(benchConverterLookup);

// 12.5 * 4 = , typed over and over into one calculator (each "=" ends the
// sum, the next digit starts a new one). The "key" counter is the time per
// key press.
static void benchCalculatorKeys(benchmark::State& state) {
  const QString keys = QStringLiteral("12.5*4=");
  CalculatorEngine engine;
  for (auto _ : state) {
    for (QChar key : keys) engine.pressChar(key);
    benchmark::DoNotOptimize(engine.shownText());
  }
  if (engine.shownText() != QStringLiteral("50 ")) state.SkipWithError("12.5 * 4 = did not show 50");
  state.counters["key"] = benchmark::Counter(
      double(keys.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(benchCalculatorKeys);

BENCHMARK_MAIN();
