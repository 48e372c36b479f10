// The report of a whole fake machine as text, typed JSON and metrics; the command line's switches,
// pages and exit codes.
#include <algorithm>
#include <cstring>

#include "form/report.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

// Four characters of a CPUID text as the register holds them.
constexpr std::uint32_t Chars(const char (&s)[5]) {
  return std::uint32_t(std::uint8_t(s[0])) | std::uint32_t(std::uint8_t(s[1])) << 8 |
         std::uint32_t(std::uint8_t(s[2])) << 16 | std::uint32_t(std::uint8_t(s[3])) << 24;
}

class ReportTest : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    fake::Platform& f = fake::Fake();
    // A family-25 processor: base family 15 plus extended family 10; model 1 + extended 2 (0x21).
    f.cpu.leaves[0] = {0x10, Chars("Auth"), Chars("cAMD"), Chars("enti")};
    f.cpu.leaves[1] = {0x00A20F12, 0, 0x80000001, 0x0383FBFF};
    f.cpu.leaves[0x80000000] = {0x80000004, 0, 0, 0};
    f.cpu.leaves[0x80000001] = {0, 0, 0x1, 0xA0000000};  // lahf_lm; lm, 3dnow
    char brand[48] = "  Orvane Test CPU @ 3.00GHz  ";
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
      std::uint32_t r[4];
      std::memcpy(r, brand + 16 * leaf, 16);
      f.cpu.leaves[0x80000002 + leaf] = {r[0], r[1], r[2], r[3]};
    }
    f.clock.tickCount = ((3 * 24 + 4) * 60 + 5) * 60'000 + 3'500;  // 3 days 04:05:03.5
    f.clock.localTime = {2026, 12, 7, 1, 9, 5, 3, 250};
    f.clock.utcOffsetMinutes = 60;
    f.desktop.cursor = platform::ScreenPoint{640, 480};
    f.network.moreAddresses = {"10.0.0.5"};
    f.disks.drives['A'] = {std::nullopt, std::nullopt, 2};
    f.disks.drives['C'] = {platform::VolumeInfo{"Sys\xC3\xA9", 0x1A2B3C4D, 255, 0x1F, "NTFS"},
                           std::pair<std::uint64_t, std::uint64_t>{1 * MiB, 4 * MiB}, 3};
    f.printers.installed = {{"Laser \"Q\"", ""}};
    f.player.running = true;  // playing song 3 of 10, at 1:23 of 3:20
    std::tie(f.player.position, f.player.length, f.player.index, f.player.count) = std::tuple(83'000, 200, 2, 10);
    f.player.caption = "3. Artist - Song - Winamp";
  }
  // The value of "data" in the JSON report of this machine, its flags object cut out into `flags`.
  std::string Data(std::string& flags) {
    std::string json = ReportJson(ProbeReport(fake::Fake().format));
    EXPECT_TRUE(json.ends_with("}}\n"));
    std::string data = json.substr(json.find("\n\"data\": ") + 9, std::string::npos);
    data.resize(data.size() - 2);
    const size_t from = data.find("\"flags\": {"), to = data.find('}', from);
    flags = data.substr(from + 9, to + 1 - from - 9);
    return data.replace(from + 9, to + 1 - from - 9, "<>");
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
            "Kelvo Orvane v1.61 beta report, Mon, December 07, 2026 / 09:05:03 (UTC+01:00)\r\n"
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
            "Processor Vendor\tAuthenticAMD\r\n"
            "Processor Model\tType 0, Family 15, Model 1, Stepping 2\r\n"
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
            "Bit\tFeature\tDiscription\tValue\r\n"
            "ALL\tCPUID\tHex Value of CPUID Flags\t$0383FBFF\r\n"
            "\r\n"
            "<32 flag rows>\r\n"
            "\r\n[Disks]\r\n"
            "Drive\tTotal Space\tFree Space\tFSys\tDisk Serial\tDrive Type\tFile Length\tCase Preserved\t"
            "Case Sensative\tUnicode on Disk\tPersitent ACLs\tFile Comp.\tVol. Comp.\r\n"
            " (A:)\t0.00\t0.00\t\t0000-0000\t2: Removable\t0\tfalse\tfalse\tfalse\tfalse\tfalse\tfalse\r\n"
            "Sys\xC3\xA9 (C:)\t4,096.00\t1,024.00\tNTFS\t1A2B-3C4D\t3: Fixed\t255\ttrue\ttrue\ttrue\ttrue\ttrue\tfalse\r\n"
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

TEST_F(ReportTest, TypedDataIsTheRecordsWithNullAndAReasonForWhatFailed) {
  std::string flags;
  EXPECT_EQ(Data(flags),
            "{\n"
            "  \"memory\": {\"total_phys_bytes\": 1073741824, \"avail_phys_bytes\": 671088640, "
            "\"total_page_file_bytes\": 2147483648, \"avail_page_file_bytes\": 1610612736, "
            "\"total_virtual_bytes\": 2147483648, \"avail_virtual_bytes\": 2042626048, \"load_percent\": 37},\n"
            "  \"processor\": {\"count\": 4, \"vendor\": \"AuthenticAMD\", \"brand\": \"Orvane Test CPU @ 3.00GHz\", "
            "\"signature\": 10620690, \"family\": 25, \"model\": 33, \"stepping\": 2, \"leaf1_edx\": 58981375, "
            "\"leaf1_ecx\": 2147483649, \"ext_edx\": 2684354560, \"ext_ecx\": 1, \"clock_hz\": 3000000000, "
            "\"flags\": <>},\n"
            "  \"system\": {\"user\": \"kim\", \"computer\": \"ORVANE-PC\", \"ipv4\": [\"192.168.1.20\", \"10.0.0.5\"], "
            "\"mac\": \"00:0C:29:1A:2B:3C\", \"windows\": {\"platform_id\": 2, \"major\": 10, \"minor\": 0, "
            "\"build\": 19045}, \"windows_dir\": \"C:\\\\Windows\", "
            "\"temp_dir\": \"C:\\\\Users\\\\kim\\\\AppData\\\\Local\\\\Temp\\\\\", "
            "\"keyboard\": {\"type\": 4, \"function_keys\": 12}, \"mouse_buttons\": 3, "
            "\"screen\": {\"width\": 1024, \"height\": 768, \"bits_per_pixel\": 32, \"refresh_hz\": 60}},\n"
            "  \"drives\": [\n"
            "    {\"root\": \"A:\\\\\", \"label\": null, \"type\": \"removable\", \"file_system\": null, "
            "\"serial\": null, \"total_bytes\": null, \"free_bytes\": null, \"flags\": null},\n"
            "    {\"root\": \"C:\\\\\", \"label\": \"Sys\xC3\xA9\", \"type\": \"fixed\", \"file_system\": \"NTFS\", "
            "\"serial\": 439041101, \"total_bytes\": 4194304, \"free_bytes\": 1048576, \"flags\": "
            "{\"case_sensitive\": true, \"case_preserved\": true, \"unicode\": true, \"acls\": true, "
            "\"compression\": true, \"compressed\": false}}],\n"
            "  \"clock\": {\"uptime_ms\": 273903500, \"boot_time\": \"2026-12-04T04:59:59+01:00\", "
            "\"now\": \"2026-12-07T09:05:03+01:00\"},\n"
            "  \"printers\": [\n    \"Laser \\\"Q\\\"\"],\n"
            "  \"player\": {\"answering\": true, \"state\": \"playing\", \"title\": \"Artist - Song\", "
            "\"position_ms\": 83000, \"length_s\": 200, \"version\": 8321},\n"
            "  \"errors\": [\n"
            "    {\"what\": \"drives[0].label\", \"error\": \"system error 21\"},\n"
            "    {\"what\": \"drives[0].file_system\", \"error\": \"system error 21\"},\n"
            "    {\"what\": \"drives[0].serial\", \"error\": \"system error 21\"},\n"
            "    {\"what\": \"drives[0].total_bytes\", \"error\": \"system error 21\"},\n"
            "    {\"what\": \"drives[0].free_bytes\", \"error\": \"system error 21\"},\n"
            "    {\"what\": \"drives[0].flags\", \"error\": \"system error 21\"}]}");
  // Flags by the vendors' registers: the page's leaf-1 bits 29 to 31 are not where lm and 3DNow! live.
  for (const char* set : {"\"fpu\": true", "\"sse\": true", "\"sse2\": false", "\"sse3\": true", "\"hypervisor\": true", "\"lm\": true",
                          "\"3dnow\": true", "\"lahf_lm\": true", "\"mmx\": true", "\"3dnowext\": false",
                          "\"mmxext\": false", "\"avx\": false", "\"nx\": false", "\"pbe\": false"})
    EXPECT_NE(flags.find(set), std::string::npos) << set;
  EXPECT_EQ(std::count(flags.begin(), flags.end(), ':'), std::count(flags.begin(), flags.end(), ',') + 1);

  // The same machine under another locale gives the same data; a processor without the extended
  // leaves and a player that hangs give nulls.
  fake::Fake().format.thousandSeparator = ".";
  fake::Fake().format.decimalSeparator = ",";
  std::string again, flagsAgain;
  again = Data(flagsAgain);
  EXPECT_EQ(again, Data(flags));
  EXPECT_EQ(flagsAgain, flags);
  fake::Fake().cpu.leaves[0x80000000] = {0x0, 0, 0, 0};
  fake::Fake().player.answersBeforeHang = 3;
  const std::string data = Data(flags);
  EXPECT_NE(data.find("\"brand\": null, "), std::string::npos);
  EXPECT_NE(data.find("\"ext_edx\": null, \"ext_ecx\": null, "), std::string::npos);
  EXPECT_NE(flags.find("\"lm\": false"), std::string::npos);
  EXPECT_NE(data.find("\"player\": {\"answering\": false, \"state\": null, \"title\": null, \"position_ms\": null, "
                      "\"length_s\": null, \"version\": null}"),
            std::string::npos);
  EXPECT_NE(data.find("{\"what\": \"player.state\", \"error\": \"the player did not answer\"}"), std::string::npos);
}

TEST_F(ReportTest, JsonCarriesEveryCharacterAndEscapesEveryControlCharacter) {
  std::string controls = "\"\\";
  for (char c = 1; c < 0x20; ++c) controls += c;
  const Report report{{2026, 3, 4, 3, 5, 6, 7, 0}, -330, {{"\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82", false, {{controls, "a\xFF" "b"}}, {}}}, {}};
  const std::string json = ReportJson(report);
  EXPECT_TRUE(json.starts_with("{\"schema\": \"orvane-report/1\", \"program\": \"Kelvo Orvane\", \"version\": "
                               "\"1.61 beta\", \"time\": \"2026-03-04T05:06:07-05:30\", \"pages\": [\n  {\"title\": "
                               "\"\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82\", \"rows\": [\n    [\"\\\"\\\\\\u0001"))
      << json;
  const std::string row = json.substr(json.find("    [") + 5, json.find("]]}") - json.find("    [") - 5);
  EXPECT_TRUE(std::none_of(row.begin(), row.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) << row;
  for (const char* escape : {"\\u0008\\t\\n\\u000B\\u000C\\r\\u000E", "\\u001F\", "})
    EXPECT_NE(row.find(escape), std::string::npos) << escape;
  EXPECT_TRUE(row.ends_with("\"a\xEF\xBF\xBD" "b\"")) << "a byte that is no UTF-8 becomes U+FFFD";
}

TEST_F(ReportTest, MetricsOfTheMachine) {
  fake::Fake().disks.drives['C'].volume->label = "My \"C\" \\";
  const std::string m = ReportMetrics(ProbeReport(fake::Fake().format, kReportDisks | kReportOther | kReportWinamp));
  for (const char* line :
       {"# HELP orvane_info The program's version and the computer's name.\n# TYPE orvane_info gauge\n"
        "orvane_info{version=\"1.61 beta\",computer=\"ORVANE-PC\"} 1\n",
        "\norvane_uptime_seconds 273903.500\n",
        "# TYPE orvane_drive_size_bytes gauge\norvane_drive_size_bytes{drive=\"C:\",label=\"My \\\"C\\\" \\\\\",fs=\"NTFS\"} 4194304\n#",
        "\norvane_drive_free_bytes{drive=\"C:\",label=\"My \\\"C\\\" \\\\\",fs=\"NTFS\"} 1048576\n#",
        "\norvane_player_state{state=\"playing\"} 1\norvane_player_state{state=\"paused\"} 0\n"
        "orvane_player_state{state=\"stopped\"} 0\n"})
    EXPECT_NE(m.find(line), std::string::npos) << line << "\nin\n" << m;
  EXPECT_EQ(m.find("orvane_memory"), std::string::npos) << "only the pages asked";
  fake::Fake().memory.memoryLoad = 5;
  EXPECT_NE(ReportMetrics(ProbeReport(fake::Fake().format, kReportMemory)).find("\norvane_memory_load_ratio 0.05\n"),
            std::string::npos);
  EXPECT_TRUE(fake::Fake().cpu.sleeps.empty()) << "no clock measured without the System page";
}

TEST_F(ReportTest, OnlyThePagesAsked) {
  fake::Output& out = fake::Fake().output;
  ASSERT_EQ(RunCommandLine({"/report", "/PAGES:Disks,memory"}), 0);
  EXPECT_TRUE(out.standardOutput.find("\r\n\r\n[Memory]\r\n") < out.standardOutput.find("\r\n\r\n[Disks]\r\n"));
  EXPECT_EQ(std::count(out.standardOutput.begin(), out.standardOutput.end(), '['), 2) << out.standardOutput;
  EXPECT_TRUE(fake::Fake().cpu.sleeps.empty());
  ASSERT_EQ(RunCommandLine({"/report", "/json", "/pages:winamp"}), 0);
  const std::string& json = out.standardOutput;
  EXPECT_EQ(json.find("\"memory\""), std::string::npos);
  EXPECT_NE(json.find("\n  \"player\": {"), std::string::npos);
  EXPECT_EQ(RunCommandLine({"/report", "/pages:system"}), 0);
  EXPECT_EQ(fake::Fake().cpu.sleeps.size(), 1u) << "the clock is measured with the System page";
  EXPECT_EQ(RunCommandLine({"/report", "/pages:memory,proc"}), 2);
  EXPECT_TRUE(out.standardError.starts_with("Orvane: unknown page \"proc\" in /pages:memory,proc\r\n"));
  EXPECT_EQ(RunCommandLine({"/report", "/pages:"}), 2);
}

TEST_F(ReportTest, SwitchesExitCodesAndMessages) {
  fake::Output& out = fake::Fake().output;
  EXPECT_EQ(RunCommandLine({"notes.txt"}), std::nullopt) << "a plain argument opens the window, as it always did";
  for (const char* help : {"/?", "-?", "/help", "-H", "--help", "/HELP"}) {
    out.standardOutput.clear();
    EXPECT_EQ(RunCommandLine({"/report", help}), 0) << help;
    EXPECT_TRUE(out.standardOutput.starts_with("Usage: Orvane [/report [/json | /prom] [/pages:LIST] [FILE]]\r\n"));
    EXPECT_TRUE(out.standardOutput.ends_with(" which waits for the report and returns its exit code.\r\n"));
  }
  EXPECT_TRUE(out.standardError.empty());
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kWrong[] = {{{"/report", "/reportx"}, "unknown switch /reportx"},
                {{"/report", "--report"}, "unknown switch --report"},
                {{"/report", "a", "b"}, "a second file name b"},
                {{"/report", ""}, "an empty file name"},
                {{"/json"}, "/json needs /report"},
                {{"-prom", "x.prom"}, "/prom needs /report"},
                {{"/report", "/json", "/prom"}, "/json and /prom cannot be given together"}};
  for (const auto& wrong : kWrong) {
    out.standardError.clear();
    EXPECT_EQ(RunCommandLine(wrong.args), 2) << wrong.message;
    EXPECT_TRUE(out.standardError.starts_with(std::string("Orvane: ") + wrong.message + "\r\n\r\nUsage: "))
        << out.standardError;
  }
  out.standardError.clear();
  out.fileError = 5;
  EXPECT_EQ(RunCommandLine({"/report", "Z:\\none\\r.txt"}), 2);
  EXPECT_EQ(out.standardError, "Orvane: cannot write the report to Z:\\none\\r.txt: system error 5\r\n");
  EXPECT_TRUE(out.files.empty());
  fake::Fake().player.running = false;
  out.fileError = 0;
  EXPECT_EQ(RunCommandLine({"/Report", "-Prom", "m.prom"}), 0);
  EXPECT_TRUE(out.files.at("m.prom").starts_with("# HELP orvane_info "));
  EXPECT_EQ(RunCommandLine({"/Report"}), 0);
  EXPECT_TRUE(out.standardOutput.ends_with("\r\n[Winamp]\r\nNo player running\r\n"));
  fake::Fake().player.running = true;
  fake::Fake().player.answersBeforeHang = 2;
  EXPECT_EQ(RunCommandLine({"/report", "/pages:winamp"}), 0);
  EXPECT_TRUE(out.standardOutput.ends_with("\r\n[Winamp]\r\nNullsoft Winamp: Error occured!\r\n")) << "a hung player";
  out.streamsWork = false;
  EXPECT_EQ(RunCommandLine({"/report"}), 2) << "a report nobody receives is no success";
}

}  // namespace
}  // namespace testing_orvane
