#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

using MemoryPage = OrvaneTest;

TEST_F(MemoryPage, StartUpFillsThePageAndTakesEveryBaseline) {
  auto& f = Start();
  EXPECT_EQ(f.RamSize_Panel.Caption(), "1,048,576 k");
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37.5%)   393,216 k");
  EXPECT_EQ(f.RamFree_Panel.Caption(), "(62.5%)   655,360 k");
  EXPECT_EQ(f.MemLoad_Panel.Caption(), "37%");
  EXPECT_EQ(f.SwpSize_Panel.Caption(), "2,097,152 k");
  EXPECT_EQ(f.SwpUsed_Panel.Caption(), "(25.0%)   524,288 k");
  EXPECT_EQ(f.SwpFree_Panel.Caption(), "(75.0%)   1,572,864 k");
  EXPECT_EQ(f.VirtualSize_Panel.Caption(), "2,097,152 k");
  EXPECT_EQ(f.VirtualUsed_Panel.Caption(), "102,400 k");
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "0 k");
  EXPECT_TRUE(f.RamResetMes_Spd.Enabled());
  EXPECT_TRUE(f.SwpResetMes_Spd.Enabled());
  EXPECT_TRUE(f.TotResetMes_Spd.Enabled());
  EXPECT_EQ(f.RamMes_Panel.Tag(), 655360);
  EXPECT_EQ(f.TotMes_Panel.Tag(), 655360 + 1572864);
}

TEST_F(MemoryPage, CountersFollowFreeMemoryFromTheBaseline) {
  auto& f = Start();
  fake::Fake().memory.availPhys -= 2048 * KiB;
  Tick();
  EXPECT_EQ(f.RamMes_Panel.Caption(), "-2,048 k");
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "-2,048 k");
  fake::Fake().memory.availPageFile += 10 * MiB;
  Tick();
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "10,240 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "8,192 k");
}

TEST_F(MemoryPage, RamResetRebasesOnlyRamAtTheNextRefresh) {
  auto& f = Start();
  fake::Fake().memory.availPhys -= 4 * MiB;
  fake::Fake().memory.availPageFile -= 1 * MiB;
  f.RamResetMes_Spd.Click();
  EXPECT_FALSE(f.RamResetMes_Spd.Enabled()) << "a click only marks the reset";
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k") << "nothing changes before the next refresh";
  Tick();
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "-1,024 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "-5,120 k");
  EXPECT_TRUE(f.RamResetMes_Spd.Enabled());
}

TEST_F(MemoryPage, SwapResetRebasesOnlySwap) {
  auto& f = Start();
  fake::Fake().memory.availPhys -= 4 * MiB;
  fake::Fake().memory.availPageFile -= 1 * MiB;
  f.SwpResetMes_Spd.Click();
  Tick();
  EXPECT_EQ(f.RamMes_Panel.Caption(), "-4,096 k");
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "-5,120 k");
}

TEST_F(MemoryPage, TotalResetRebasesAllThree) {
  auto& f = Start();
  fake::Fake().memory.availPhys -= 4 * MiB;
  fake::Fake().memory.availPageFile -= 1 * MiB;
  f.TotResetMes_Spd.Click();
  Tick();
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.SwpMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "0 k");
  EXPECT_TRUE(f.RamResetMes_Spd.Enabled());
  EXPECT_TRUE(f.SwpResetMes_Spd.Enabled());
  EXPECT_TRUE(f.TotResetMes_Spd.Enabled());
}

TEST_F(MemoryPage, AResetClickedBeforeLeavingIsTakenWhenThePageShowsAgain) {
  auto& f = Start();
  f.RamResetMes_Spd.Click();
  f.Main_PageCtrl.SelectPage(4);
  fake::Fake().memory.availPhys -= 8 * MiB;
  Tick();
  EXPECT_FALSE(f.RamResetMes_Spd.Enabled()) << "no Memory refresh while another page shows";
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k");
  fake::Fake().memory.availPhys -= 2 * MiB;
  f.Main_PageCtrl.SelectPage(0);
  EXPECT_TRUE(f.RamResetMes_Spd.Enabled());
  EXPECT_EQ(f.RamMes_Panel.Tag(), 655360 - 10240) << "the baseline is taken on showing the page";
  EXPECT_EQ(f.RamMes_Panel.Caption(), "0 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "-10,240 k");
}

TEST_F(MemoryPage, BaselineIsTruncatedWhileTheShownDifferenceIsRounded) {
  fake::Fake().memory.availPhys = 1000 * KiB + 717;  // 1000.70 KiB
  auto& f = Start();
  EXPECT_EQ(f.RamMes_Panel.Tag(), 1000);
  EXPECT_EQ(f.RamMes_Panel.Caption(), "1 k");
}

TEST_F(MemoryPage, MemoryAbove4GiBIsShownInFull) {
  platform::MemoryStatus& m = fake::Fake().memory;
  m.totalPhys = 24 * GiB;
  m.availPhys = 6 * GiB;
  m.totalPageFile = 40 * GiB;
  m.availPageFile = 30 * GiB;
  auto& f = Start();
  EXPECT_EQ(f.RamSize_Panel.Caption(), "25,165,824 k");
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(75.0%)   18,874,368 k");
  EXPECT_EQ(f.RamFree_Panel.Caption(), "(25.0%)   6,291,456 k");
  EXPECT_EQ(f.SwpSize_Panel.Caption(), "41,943,040 k");
  m.availPhys -= 5 * GiB;
  Tick();
  EXPECT_EQ(f.RamMes_Panel.Caption(), "-5,242,880 k");
  EXPECT_EQ(f.TotMes_Panel.Caption(), "-5,242,880 k");
}

TEST_F(MemoryPage, ZeroTotalsShowNoShareInsteadOfDividing) {
  fake::Fake().memory = platform::MemoryStatus{};
  auto& f = Start();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(0.0%)   0 k");
  EXPECT_EQ(f.RamFree_Panel.Caption(), "(0.0%)   0 k");
  EXPECT_EQ(f.SwpUsed_Panel.Caption(), "(0.0%)   0 k");
  EXPECT_EQ(f.SwpFree_Panel.Caption(), "(0.0%)   0 k");
  EXPECT_EQ(f.MemLoad_Panel.Caption(), "0%");
}

TEST_F(MemoryPage, MoreFreeThanTotalNeverWrapsTheUsedFigure) {
  platform::MemoryStatus& m = fake::Fake().memory;
  m.availPageFile = m.totalPageFile + 4 * MiB;
  m.availVirtual = m.totalVirtual + 1;
  auto& f = Start();
  EXPECT_EQ(f.SwpUsed_Panel.Caption(), "(0.0%)   0 k");
  EXPECT_EQ(f.VirtualUsed_Panel.Caption(), "0 k");
}

TEST_F(MemoryPage, UsesTheLocaleSeparators) {
  fake::Fake().format.thousandSeparator = ".";
  fake::Fake().format.decimalSeparator = ",";
  auto& f = Start();
  EXPECT_EQ(f.RamUsed_Panel.Caption(), "(37,5%)   393.216 k");
  EXPECT_EQ(f.RamSize_Panel.Caption(), "1.048.576 k");
}

TEST_F(MemoryPage, OneSystemReadPerRefresh) {
  Start();
  const int before = fake::Fake().memoryReads;
  Tick();
  Tick();
  EXPECT_EQ(fake::Fake().memoryReads - before, 2);
}

}  // namespace
}  // namespace testing_orvane
