// Cost of one Memory page refresh (the work of one timer tick) on headless widgets.
#include <benchmark/benchmark.h>

#include "form/orvane_form.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

void SetMemory() {
  fake::ResetFake();
  auto& m = fake::Fake().memory;
  m.memoryLoad = 42;
  m.totalPhys = 24ull << 30;
  m.availPhys = 14ull << 30;
  m.totalPageFile = 40ull << 30;
  m.availPageFile = 28ull << 30;
  m.totalVirtual = 2ull << 30;
  m.availVirtual = 1ull << 30;
}

// Free memory moves by a page every tick: every figure that depends on it changes.
void BM_MemPageUpdate_Changing(benchmark::State& state) {
  SetMemory();
  widgets::Application app;
  TFormOrvane form(app);
  form.FormCreate();
  for (auto _ : state) {
    fake::Fake().memory.availPhys -= 4096;
    form.MemPage_Update();
  }
}
BENCHMARK(BM_MemPageUpdate_Changing);

// Nothing changed since the last tick: every caption is set to the text it already has.
void BM_MemPageUpdate_Steady(benchmark::State& state) {
  SetMemory();
  widgets::Application app;
  TFormOrvane form(app);
  form.FormCreate();
  for (auto _ : state) form.MemPage_Update();
}
BENCHMARK(BM_MemPageUpdate_Steady);

}  // namespace
