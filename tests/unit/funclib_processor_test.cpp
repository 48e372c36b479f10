#include <gtest/gtest.h>

#include <algorithm>

#include "funclib/processor.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

class FuncLibProcessor : public testing::Test {
 protected:
  void SetUp() override { fake::ResetFake(); }
  fake::Cpu& cpu = fake::Fake().cpu;
};

TEST_F(FuncLibProcessor, ClockUsesTheWholeCounterAdvanceAcross32Bits) {
  cpu.timeStampCounter = 0xFFFFFF00ull;  // crosses 2^32 during the sleep
  cpu.timeStampHz = 3e9;
  const double hz = funclib::MeasureCpuClock(2048, true);
  EXPECT_NEAR(hz, 3e9, 1.0) << "a 32-bit counter would give 902.848 MHz";
}

TEST_F(FuncLibProcessor, ClockSurvivesTheCounterWrappingAt64Bits) {
  cpu.timeStampCounter = 0xFFFFFFFFFFFFFF00ull;
  cpu.timeStampHz = 2.5e9;
  EXPECT_NEAR(funclib::MeasureCpuClock(100, false), 2.5e9, 1.0);
}

TEST_F(FuncLibProcessor, ClockDividesByTheMeasuredSleepNotTheNominalOne) {
  cpu.timeStampHz = 1e9;
  cpu.sleepOvershootSeconds = 0.0156;  // one scheduler tick late
  EXPECT_NEAR(funclib::MeasureCpuClock(2048, false), 1e9, 1.0);
  // Without a performance counter the nominal time is all there is.
  cpu.performanceFrequency = 0;
  EXPECT_NEAR(funclib::MeasureCpuClock(1000, false), 1e9 * 1.0156, 1.0);
}

TEST_F(FuncLibProcessor, ClockOfANothingLongSleepIsZeroNotADivisionByZero) {
  cpu.timeStampHz = 0;
  EXPECT_EQ(funclib::MeasureCpuClock(0, false), 0.0);
}

TEST_F(FuncLibProcessor, BoostRaisesPriorityForTheSleepOnlyAndRestoresIt) {
  cpu.priority = {0x4000, -1};  // below normal, lowest-but-one
  funclib::MeasureCpuClock(2048, true);
  ASSERT_EQ(cpu.sleeps, std::vector<std::uint32_t>{2048});
  EXPECT_EQ(cpu.priorityDuringSleeps[0].processClass, 0x100u);
  EXPECT_EQ(cpu.priorityDuringSleeps[0].threadLevel, 15);
  EXPECT_EQ(cpu.priority.processClass, 0x4000u);
  EXPECT_EQ(cpu.priority.threadLevel, -1);

  cpu.prioritySets = 0;
  funclib::MeasureCpuClock(10, false);
  EXPECT_EQ(cpu.prioritySets, 0);

  cpu.priorityUnreadable = true;  // what could not be saved is not changed
  funclib::MeasureCpuClock(10, true);
  EXPECT_EQ(cpu.prioritySets, 0);
}

TEST_F(FuncLibProcessor, VendorAndSignatureComeFromLeavesZeroAndOne) {
  cpu.leaves[0] = {1, 0x756E6547, 0x6C65746E, 0x49656E69};  // "Genu" "ntel" "ineI"
  cpu.leaves[1] = {0x000306A9, 0x01100800, 0x7FBAE3FF, 0xBFEBFBFF};
  std::array<std::uint32_t, 3> vendor;
  funclib::GetCpuVendor(vendor);
  EXPECT_EQ(vendor, (std::array<std::uint32_t, 3>{0x756E6547, 0x49656E69, 0x6C65746E}));  // EBX, EDX, ECX
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(vendor.data()), 12), "GenuineIntel");
  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  EXPECT_EQ(signature, (std::array<std::uint32_t, 4>{0x000306A9, 0x01100800, 0x7FBAE3FF, 0xBFEBFBFF}));
}

TEST_F(FuncLibProcessor, ZerosWithoutCpuidOrWithoutLeafOne) {
  cpu.leaves[0] = {0, 0x756E6547, 0x6C65746E, 0x49656E69};  // leaf 0 is the highest
  cpu.leaves[1] = {0x000306A9, 1, 2, 3};
  std::array<std::uint32_t, 4> signature{9, 9, 9, 9};
  funclib::GetCpuSignature(signature);
  EXPECT_EQ(signature, (std::array<std::uint32_t, 4>{}));
  EXPECT_EQ(std::count(cpu.leavesAsked.begin(), cpu.leavesAsked.end(), 1u), 0);

  cpu.hasCpuid = false;
  cpu.leaves[0].eax = 1;
  std::array<std::uint32_t, 3> vendor{9, 9, 9};
  funclib::GetCpuVendor(vendor);
  funclib::GetCpuSignature(signature);
  EXPECT_EQ(vendor, (std::array<std::uint32_t, 3>{}));
  EXPECT_EQ(signature, (std::array<std::uint32_t, 4>{}));
  EXPECT_EQ(cpu.leavesAsked.size(), 1u) << "no CPUID executed without the instruction";
}

}  // namespace
