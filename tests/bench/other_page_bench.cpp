// Cost of one Other page refresh (the work of one timer tick) on headless widgets.
#include <benchmark/benchmark.h>

#include "form/orvane_form.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

void StartClock() {
  fake::ResetFake();
  fake::Fake().clock.tickCount = 273'903'000;
  fake::Fake().clock.localTime = {2026, 12, 7, 1, 9, 5, 3, 0};
  fake::Fake().desktop.cursor = platform::ScreenPoint{512, 384};
}

// A 10 ms tick: the uptime hint changes every time, the seconds every hundredth tick.
void BM_OtherPageUpdate_Ticking(benchmark::State& state) {
  StartClock();
  widgets::Application app;
  TFormOrvane form(app);
  form.FormCreate();
  auto& clock = fake::Fake().clock;
  for (auto _ : state) {
    clock.tickCount += 10;
    form.OtherPage_Update();
  }
}
BENCHMARK(BM_OtherPageUpdate_Ticking);

// Nothing changed since the last tick: every caption and the hint are set to what they hold.
void BM_OtherPageUpdate_Steady(benchmark::State& state) {
  StartClock();
  widgets::Application app;
  TFormOrvane form(app);
  form.FormCreate();
  for (auto _ : state) form.OtherPage_Update();
}
BENCHMARK(BM_OtherPageUpdate_Steady);

}  // namespace
