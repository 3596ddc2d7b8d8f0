// Microbenchmarks of the pure functions on the panel's hot paths, so that a
// regression shows up as a figure.
#include <benchmark/benchmark.h>

#include "core/fields.h"
#include "core/numbers.h"
#include "exchange/commands.h"
#include "exchange/orders_menu.h"
#include "exchange/status_display.h"
#include "tests/support/fake_platform.h"
#include "tracking/tracking_tick.h"
#include "ui/form1.h"

namespace {

void BM_ParserLockField(benchmark::State& state) {
  const std::u16string lock = u"0.3!0.1!0.2";
  for (auto _ : state) benchmark::DoNotOptimize(core::parser(u'!', lock, 3));
}
BENCHMARK(BM_ParserLockField);

void BM_ParserHugeCount(benchmark::State& state) {
  const std::u16string text(state.range(0), u'!');
  for (auto _ : state) benchmark::DoNotOptimize(core::parser(u'!', text, 2147483647));
  state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(BM_ParserHugeCount)->Arg(1 << 10)->Arg(1 << 20);

void BM_ParseDecimal(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(core::ParseDecimal(u" -0.25 "));
}
BENCHMARK(BM_ParseDecimal);

void BM_FormatGeneral(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(core::FormatGeneral(0.3));
}
BENCHMARK(BM_FormatGeneral);

void BM_StatusDisplay(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(exchange::CloseCaptionsFrom(u"0.3!0.1!-0.2", true));
    benchmark::DoNotOptimize(exchange::TitleFrom(u"EURUSD!1.38553!1.38563!10", u"-12.50", {false, true, false, true}));
    benchmark::DoNotOptimize(exchange::BarColorsFrom(u"40", u"-3"));
  }
}
BENCHMARK(BM_StatusDisplay);

void BM_OpenCommand(benchmark::State& state) {
  const exchange::OrderSettings settings{true, false, u"35", u"100", u"999"};
  for (auto _ : state) benchmark::DoNotOptimize(exchange::OpenCommand(exchange::Side::Buy, u"0.1", settings, true, u"tpc$"));
}
BENCHMARK(BM_OpenCommand);

void BM_OrderEntries(benchmark::State& state) {
  std::u16string list = u"100";
  for (int i = 0; i < 100; ++i) list += u"!" + std::u16string(6, u'1') + u"!buy!0.10!1.38553";
  for (auto _ : state) benchmark::DoNotOptimize(exchange::OrderEntriesFrom(list, 100));
}
BENCHMARK(BM_OrderEntries);

// The form's periodic work on an in-memory store: what the ticks cost on top
// of the registry.
struct SteadyForm {
  SteadyForm() {
    form.FormCreate();
    form.TerminalKey = u"12345";
    fake.store.values[{u"12345", u"bid_ask"}] = u"EURUSD!1.38553!1.38563!10";
    fake.store.values[{u"12345", u"lock"}] = u"0.3!0.1!0.2";
    fake.store.values[{u"12345", u"profit"}] = u"-12.50";
    fake.store.values[{u"12345", u"macd_uroven"}] = u"40";
    fake.store.values[{u"12345", u"macd_napravl"}] = u"-3";
    fake.store.values[{u"12345", u"profil2"}] = u"0.1!0.3!1!2!35!100!";
  }
  testing_support::FakePlatform fake;
  TForm1 form{fake.platform};
};

void BM_StatusTickOnMemoryStore(benchmark::State& state) {
  SteadyForm s;
  for (auto _ : state) s.form.Timer2Timer();
}
BENCHMARK(BM_StatusTickOnMemoryStore);

void BM_ProfileReloadUnchanged(benchmark::State& state) {
  SteadyForm s;
  for (auto _ : state) s.form.readnastr();
}
BENCHMARK(BM_ProfileReloadUnchanged);

}  // namespace

BENCHMARK_MAIN();
