// Cost of one Winamp page refresh (the work of one timer tick) against the fake player, on
// headless widgets: the eight questions, the texts and the track bar.
#include <benchmark/benchmark.h>

#include "form/orvane_form.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

void StartPlayer() {
  fake::ResetFake();
  fake::Player& p = fake::Fake().player;
  p.running = true;
  p.caption = "12. Some Artist - A Rather Long Song Title (Remastered) - Winamp";
  p.position = 90'000;
  p.length = 241;
  p.index = 11;
  p.count = 250;
}

// The song plays on: position, progress and the position text change every tick.
void BM_UpdateWinampPage_Playing(benchmark::State& state) {
  StartPlayer();
  widgets::Application app;
  TFormOrvane form(app);
  for (auto _ : state) {
    fake::Fake().player.position += 1000;
    fake::Fake().player.messages.clear();
    form.UpdateWinampPage();
  }
}
BENCHMARK(BM_UpdateWinampPage_Playing);

// Paused: every caption is set to the text it already has.
void BM_UpdateWinampPage_Steady(benchmark::State& state) {
  StartPlayer();
  fake::Fake().player.state = 3;
  widgets::Application app;
  TFormOrvane form(app);
  for (auto _ : state) {
    fake::Fake().player.messages.clear();
    form.UpdateWinampPage();
  }
}
BENCHMARK(BM_UpdateWinampPage_Steady);

}  // namespace
