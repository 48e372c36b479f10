// Cost of the value panels' hover step (one clipboard read per mouse movement) and of one System
// list fill without the clock's sleep, on headless widgets and the fake platform.
#include <benchmark/benchmark.h>

#include "form/orvane_form.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

// The mouse moves over a panel whose value is (or is not) the clipboard's text.
void BM_LabelsMouseMove(benchmark::State& state) {
  fake::ResetFake();
  widgets::Application app;
  TFormOrvane form(app);
  form.RamFree_Panel.SetCaption("(62.5%)   655,360 k");
  fake::Fake().clipboard.block = state.range(0) ? "(62.5%)   655,360 k" : "some other text on the clipboard";
  for (auto _ : state) {
    form.RamFree_Panel.MouseMove(0, 5, 5);
    benchmark::DoNotOptimize(form.RamFree_Panel.Hint().data());
  }
}
BENCHMARK(BM_LabelsMouseMove)->Arg(0)->Arg(1)->ArgName("copied");

void BM_SysListFill(benchmark::State& state) {
  fake::ResetFake();
  fake::Fake().cpu.leaves[0] = {2, 0x756E6547, 0x6C65746E, 0x49656E69};
  fake::Fake().cpu.leaves[1] = {0xF29, 0, 0, 0x0383FBFF};
  widgets::Application app;
  TFormOrvane form(app);
  for (auto _ : state) {
    form.SysList_Fill();
    benchmark::DoNotOptimize(form.Sys_ListView.ItemCount());
  }
}
BENCHMARK(BM_SysListFill);

}  // namespace
