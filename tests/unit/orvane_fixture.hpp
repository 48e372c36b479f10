#pragma once
// A main window on headless widgets and the fake platform, with the page steps that other pages
// supply recorded instead of run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/orvane_form.hpp"
#include "tests/fake/fake_platform.hpp"

namespace testing_orvane {

constexpr std::uint64_t KiB = 1024;
constexpr std::uint64_t MiB = 1024 * KiB;
constexpr std::uint64_t GiB = 1024 * MiB;

class RecordingForm : public TFormOrvane {
 public:
  using TFormOrvane::TFormOrvane;
  std::vector<std::string> calls;

  void SysList_Fill() override {
    calls.push_back("SysList_Fill");
    Sys_ListView.AddItem("CPU Clock");  // what a fill leaves behind: a list with items
  }
  void CpuIdList_Fill() override { calls.push_back("CpuIdList_Fill"); }
  void CpuIdPage_Activate() override { calls.push_back("CpuIdPage_Activate"); }
  void DiskList_Fill() override {
    calls.push_back("DiskList_Fill");
    TFormOrvane::DiskList_Fill();
  }
  void OtherPage_Update() override { calls.push_back("OtherPage_Update"); }
  void UpdateWinampPage() override { calls.push_back("UpdateWinampPage"); }
  void Cursor_Combo_Change(widgets::Control&) override { calls.push_back("Cursor_Combo_Change"); }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};

// 1 GiB of memory with 384 MiB in use; a 2 GiB page file with 512 MiB in use; 2 GiB of address
// space with 100 MiB used.
inline platform::MemoryStatus TypicalMemory() {
  platform::MemoryStatus m;
  m.memoryLoad = 37;
  m.totalPhys = 1 * GiB;
  m.availPhys = 1 * GiB - 384 * MiB;
  m.totalPageFile = 2 * GiB;
  m.availPageFile = 2 * GiB - 512 * MiB;
  m.totalVirtual = 2 * GiB;
  m.availVirtual = 2 * GiB - 100 * MiB;
  return m;
}

class OrvaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::ResetFake();
    fake::Fake().memory = TypicalMemory();
  }
  // Makes the window and runs its start-up sequence.
  RecordingForm& Start() {
    form_ = std::make_unique<RecordingForm>(app_);
    form_->FormCreate();
    return *form_;
  }
  void Tick() { form_->Timer1.Tick(); }

  widgets::Application app_;
  std::unique_ptr<RecordingForm> form_;
};

}  // namespace testing_orvane
