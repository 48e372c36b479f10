// The report of a whole fake machine, its JSON escaping, the command line's switches and exit codes.
#include <algorithm>

#include "form/report.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

class ReportTest : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    fake::Platform& f = fake::Fake();
    f.cpu.leaves[0] = {2, 0x756E6547, 0x6C65746E, 0x49656E69};  // GenuineIntel
    f.cpu.leaves[1] = {0xF29, 0, 0, 0x0383FBFF};
    f.clock.tickCount = ((3 * 24 + 4) * 60 + 5) * 60'000 + 3'500;  // 3 days 04:05:03.5
    f.clock.localTime = {2026, 12, 7, 1, 9, 5, 3, 250};
    f.desktop.cursor = platform::ScreenPoint{640, 480};
    f.disks.drives['A'] = {std::nullopt, std::nullopt, 2};
    f.disks.drives['C'] = {platform::VolumeInfo{"Sys\xE9", 0x1A2B3C4D, 255, 0x1F, "NTFS"},
                           std::pair<std::uint64_t, std::uint64_t>{1 * MiB, 4 * MiB}, 3};
    f.printers.installed = {{"Laser \"Q\"", ""}};
    f.player.running = true;  // playing song 3 of 10, at 1:23 of 3:20
    std::tie(f.player.position, f.player.length, f.player.index, f.player.count) = std::tuple(83'000, 200, 2, 10);
    f.player.caption = "3. Artist - Song - Winamp";
  }
};

TEST_F(ReportTest, WritesEveryPageOfTheMachine) {
  ASSERT_EQ(RunCommandLine({"/report", "C:\\out.txt"}), 0);
  // The flag rows are the Feature Flags page's own (tested there): here their count, first and last.
  std::string text = fake::Fake().output.files.at("C:\\out.txt");
  const size_t first = text.find("00\tFPU\t"), end = text.find("\r\n\r\n[Disks]");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const std::string flags = text.substr(first, end - first);
  EXPECT_EQ(std::count(flags.begin(), flags.end(), '\n'), 31);
  EXPECT_TRUE(flags.starts_with("00\tFPU\tFloating Point Unit\tYes\r\n01\tVME\t"));
  EXPECT_TRUE(flags.ends_with("\r\n31\t3DNow!\t3DNow! Instruction\tNo"));
  text.replace(first, end - first, "<32 flag rows>");
  EXPECT_EQ(text,
            "Kelvo Orvane v1.61 beta report, Mon, December 07, 2026 / 09:05:03\r\n"
            "\r\n[Memory]\r\n"
            "Total physical RAM size: 1,048,576 k\r\n"
            "Used physical RAM: (37.5%)   393,216 k\r\n"
            "Free physical RAM: (62.5%)   655,360 k\r\n"
            "Memory load: 37%\r\n"
            "Total/Max SWAP file size: 2,097,152 k\r\n"
            "Used of Max SWAP file: (25.0%)   524,288 k\r\n"
            "Free of Max SWAP file: (75.0%)   1,572,864 k\r\n"
            "Total virtual size: 2,097,152 k\r\n"
            "Used virtual size: 102,400 k\r\n"
            "RAM Measure: 0 k\r\n"
            "SWAP Measure: 0 k\r\n"
            "Total Memory Measure: 0 k\r\n"
            "\r\n[System]\r\n"
            "CPU Clock\t3000.0000 MHz\r\n"
            "# of Processors\t4\r\n"
            "Processor Vendor\tGenuineIntel\r\n"
            "Processor Model\tType 0, Family 15, Model 2, Stepping 9\r\n"
            "? Instruction Set\ti586\r\n"
            "? Keyboard Type\tIBM enhanced (101/102-key), 12 Func\r\n"
            "Mouse Buttons\t#3\r\n"
            "Screen Resolution\t1024 x 768 x 32 @ 60 Hz\r\n"
            "\r\n"
            "User Name\tkim\r\n"
            "Computer Name\tORVANE-PC\r\n"
            "IP Address\t192.168.1.20\r\n"
            "MAC Address\t00.0C.29.1A.2B.3C\r\n"
            "Windows System\tWindows NT/2000/XP\r\n"
            "Windows Version\t10.00.19045\r\n"
            "Windows Directory\tC:\\Windows\r\n"
            "Temp Directory\tC:\\Users\\kim\\AppData\\Local\\Temp\\\r\n"
            "\r\n[Feature Flags]\r\n"
            "ALL\tCPUID\tHex Value of CPUID Flags\t$0383FBFF\r\n"
            "\r\n"
            "<32 flag rows>\r\n"
            "\r\n[Disks]\r\n"
            " (A:)\t0.00\t0.00\t\t0000-0000\t2: Removable\t0\tfalse\tfalse\tfalse\tfalse\tfalse\tfalse\r\n"
            "Sys\xE9 (C:)\t4,096.00\t1,024.00\tNTFS\t1A2B-3C4D\t3: Fixed\t255\ttrue\ttrue\ttrue\ttrue\ttrue\tfalse\r\n"
            "\r\n[Other]\r\n"
            "Windows Uptime: 03 days, 04 hrs, 05 min, 03 sec\r\n"
            "Current Time: Mon, December 07, 2026 / 09:05:03\r\n"
            "Computer started: Fri, December 04, 2026 / 04:59:59\r\n"
            "Mouse positions: 640 x 480\r\n"
            "Installed printers: Laser \"Q\"\r\n"
            "\r\n[Winamp]\r\n"
            "Winamp version: v2.01  ($2081)\r\n"
            "Current action: Playing\r\n"
            "Window caption: 3. Artist - Song - Winamp\r\n"
            "Song title: Artist - Song \r\n"
            "Song position: 01:23/03:20\r\n"
            "Playlist position: 3 / 10\r\n");
}

TEST_F(ReportTest, JsonEscapesAndConvertsEveryText) {
  const Report report{{2026, 3, 4, 3, 5, 6, 7, 0}, {{"P\xE9", false, {{"a\"b\\c", "\x01\t\r\n"}, {}}}}};
  EXPECT_EQ(ReportJson(report),
            "{\"program\": \"Kelvo Orvane\", \"version\": \"1.61 beta\", \"time\": \"2026-03-04T05:06:07\", "
            "\"pages\": [\n  {\"title\": \"P\xC3\xA9\", \"rows\": [\n    [\"a\\\"b\\\\c\", "
            "\"\\u0001\\t\\r\\n\"],\n    []]}]}\n");
}

TEST_F(ReportTest, SwitchesExitCodesAndOutputs) {
  fake::Output& out = fake::Fake().output;
  EXPECT_EQ(RunCommandLine({"notes.txt"}), std::nullopt) << "a plain argument opens the window, as it always did";
  EXPECT_EQ(RunCommandLine({"/report", "-?"}), 0);
  EXPECT_EQ(out.standardOutput, UsageText());
  EXPECT_EQ(RunCommandLine({"/report", "/reportx"}), 2);
  EXPECT_EQ(RunCommandLine({"/report", "a", "b"}), 2);
  out.filesFail = true;
  EXPECT_EQ(RunCommandLine({"/report", "Z:\\none\\r.txt"}), 2);
  EXPECT_EQ(out.standardError, UsageText() + UsageText() + "Orvane: cannot write the report to Z:\\none\\r.txt\r\n");
  EXPECT_TRUE(out.files.empty());
  fake::Fake().player.running = false;
  EXPECT_EQ(RunCommandLine({"/Report"}), 0);
  EXPECT_TRUE(out.standardOutput.ends_with("\r\n[Winamp]\r\nNo player running\r\n"));
  out.streamsWork = false;
  EXPECT_EQ(RunCommandLine({"/report"}), 2) << "a report nobody receives is no success";
}

}  // namespace
}  // namespace testing_orvane
