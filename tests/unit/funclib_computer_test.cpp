#include <gtest/gtest.h>

#include <cstring>

#include "funclib/computer.hpp"
#include "funclib/text.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

using funclib::FixedText;

class FuncLibComputer : public testing::Test {
 protected:
  void SetUp() override { fake::ResetFake(); }

  funclib::TOrvane Info() {
    funclib::TOrvane info;
    EXPECT_TRUE(funclib::GetOrvaneInfo(info));
    return info;
  }

  fake::SysInfo& sys = fake::Fake().sysinfo;
  fake::Network& net = fake::Fake().network;
};

TEST_F(FuncLibComputer, VersionTextIsMajorTwoDigitMinorLowBuildAndServicePack) {
  sys.version = platform::OsVersion{5, 1, 2600, 2, "Service Pack 1"};
  EXPECT_EQ(Info().WinVersion, "5.01.2600Service Pack 1");
  sys.version = platform::OsVersion{4, 10, 0x04000000 | 2222, 1, " A "};
  EXPECT_EQ(Info().WinVersion, "4.10.2222 A ") << "only the low 16 bits of the build";
  sys.version = platform::OsVersion{10, 0, 19045, 2, ""};
  EXPECT_EQ(Info().WinVersion, "10.00.19045");
  sys.version = platform::OsVersion{6, 100, 65535, 2, ""};
  EXPECT_EQ(Info().WinVersion, "6.100.65535");
}

TEST_F(FuncLibComputer, FamilyTextFollowsThePlatformId) {
  const char* expected[] = {"Windows 3.1x (Win32s)", "Windows 95/98/ME", "Windows NT/2000/XP", "Further OS (3)"};
  for (std::uint32_t id = 0; id < 4; ++id) {
    sys.version = platform::OsVersion{10, 0, 1, id, ""};
    EXPECT_EQ(Info().WinFamily, expected[id]);
  }
  sys.version = platform::OsVersion{10, 0, 1, 4294967295u, ""};
  EXPECT_EQ(Info().WinFamily, "Further OS (4294967295)");
  sys.version.reset();
  const funclib::TOrvane info = Info();
  EXPECT_EQ(info.WinVersion, "");
  EXPECT_EQ(info.WinFamily, "");
}

TEST_F(FuncLibComputer, NamesAndDirectoriesFillTheirFieldsOrStayAllZero) {
  funclib::TOrvane info = Info();
  EXPECT_EQ(FixedText(info.ComputerName), "ORVANE-PC");
  EXPECT_EQ(FixedText(info.UserName), "kim");
  EXPECT_EQ(FixedText(info.TempDir), "C:\\Users\\kim\\AppData\\Local\\Temp\\");
  EXPECT_EQ(FixedText(info.WindowsDir), "C:\\Windows");

  // Limits count characters whatever their script: a character beyond the basic plane is two of
  // the system's units, a Cyrillic letter two UTF-8 bytes, a Chinese one three.
  auto times = [](int n, std::string_view s) {
    std::string text;
    while (n-- > 0) text += s;
    return text;
  };
  sys.computerName = times(7, "\xF0\x9F\x98\x80") + "\xD0\x96";  // the longest that fit: 15 units
  sys.userName = times(258, "\xD0\x96");
  sys.tempPath = times(258, "\xE6\xB5\x8B");
  info = Info();
  EXPECT_EQ(FixedText(info.ComputerName), *sys.computerName);
  EXPECT_EQ(FixedText(info.UserName), *sys.userName);
  EXPECT_EQ(FixedText(info.TempDir), sys.tempPath);

  // One longer: the calls fail and the fields are cleared.
  sys.computerName = times(8, "\xF0\x9F\x98\x80");
  sys.userName = times(259, "\xD0\x96");
  sys.tempPath = times(259, "\xE6\xB5\x8B");
  sys.windowsDirectory = "";
  info = Info();
  const funclib::TOrvane empty{};
  EXPECT_EQ(0, std::memcmp(info.ComputerName, empty.ComputerName, sizeof info.ComputerName));
  EXPECT_EQ(0, std::memcmp(info.UserName, empty.UserName, sizeof info.UserName));
  EXPECT_EQ(0, std::memcmp(info.TempDir, empty.TempDir, sizeof info.TempDir));
  EXPECT_EQ(0, std::memcmp(info.WindowsDir, empty.WindowsDir, sizeof info.WindowsDir));
}

TEST_F(FuncLibComputer, IpAddressIsEmptyWithoutNetworkAndCodeZeroWithoutHostEntry) {
  EXPECT_EQ(Info().IPAddress, "192.168.1.20");
  EXPECT_EQ(net.lookups, std::vector<std::string>{"orvane-pc"});

  net.addresses.clear();
  EXPECT_EQ(Info().IPAddress, std::string(1, '\0'));
  net.hostName.reset();
  EXPECT_EQ(Info().IPAddress, std::string(1, '\0'));
  EXPECT_EQ(net.startups, 3);
  EXPECT_EQ(net.cleanups, 3) << "cleanup follows every successful start";

  net.startupFails = true;
  EXPECT_EQ(Info().IPAddress, "");
  EXPECT_EQ(net.cleanups, 3);
}

TEST_F(FuncLibComputer, AnUnexpectedFailureStopsAndKeepsWhatWasFilled) {
  funclib::TOrvane info;
  info.IPAddress = "stale";
  sys.userNameThrows = true;
  EXPECT_FALSE(funclib::GetOrvaneInfo(info));
  EXPECT_EQ(info.WinVersion, "10.00.19045");
  EXPECT_EQ(FixedText(info.ComputerName), "ORVANE-PC");
  EXPECT_EQ(FixedText(info.TempDir), "") << "steps after the failure do not run";
  EXPECT_EQ(info.MACAddress, "");
  EXPECT_EQ(info.IPAddress, "") << "the record starts afresh";
}

TEST_F(FuncLibComputer, MacAddressIsGroupedByGroupSize) {
  EXPECT_EQ(funclib::GetMacAddress("*", 1), "00.0C.29.1A.2B.3C");
  EXPECT_EQ(funclib::GetMacAddress("*", 2), "000C.291A.2B3C");
  EXPECT_EQ(funclib::GetMacAddress("*", 0), "000C291A2B3C");
  EXPECT_EQ(funclib::GetMacAddress("*", 4), "000C291A.2B3C");
  EXPECT_EQ(funclib::GetMacAddress("*", 6), "000C291A2B3C") << "nothing after the sixth byte";
  net.mac = {0xFF, 0xA0, 0x0B, 0x00, 0x10, 0x01};
  EXPECT_EQ(Info().MACAddress, "FF.A0.0B.00.10.01");
}

TEST_F(FuncLibComputer, MacAddressAsksEnumResetAndStatusOfTheFirstAdapter) {
  net.lanas = {5, 2};
  funclib::GetMacAddress("pc-1", 1);
  ASSERT_EQ(net.netbios.size(), 3u);
  EXPECT_EQ(net.netbios[0].command, 0x37);
  EXPECT_EQ(net.netbios[0].length, 256);
  EXPECT_EQ(net.netbios[1].command, 0x32);
  EXPECT_EQ(net.netbios[1].lana, 5);
  EXPECT_EQ(net.netbios[1].callName, std::string(16, '\0'));
  EXPECT_EQ(net.netbios[2].command, 0x33);
  EXPECT_EQ(net.netbios[2].lana, 5);
  EXPECT_EQ(net.netbios[2].length, 600);
  EXPECT_EQ(net.netbios[2].callName, "PC-1            ") << "upper-cased and padded with spaces";
}

TEST_F(FuncLibComputer, MacAddressCutsALongNameToTheSixteenByteCallName) {
  funclib::GetMacAddress("abcdefghijklmnopqrstuvwxyz", 1);
  ASSERT_EQ(net.netbios.size(), 3u);
  EXPECT_EQ(net.netbios[2].callName, "ABCDEFGHIJKLMNOP");
}

TEST_F(FuncLibComputer, MacAddressNamesTheFailedStepAndItsCode) {
  net.lanas.clear();
  EXPECT_EQ(funclib::GetMacAddress("*", 1), "Error A#0") << "no adapter";
  net.enumCode = 0x40;
  EXPECT_EQ(funclib::GetMacAddress("*", 1), "Error A#64");
  net.enumCode = 0;
  net.lanas = {0};
  net.resetCode = 0x23;
  EXPECT_EQ(funclib::GetMacAddress("*", 1), "Error B#35");
  net.resetCode = 0;
  net.statusCode = 255;
  EXPECT_EQ(Info().MACAddress, "Error C#255");
}

}  // namespace
