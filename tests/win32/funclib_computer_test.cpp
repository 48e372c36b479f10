// Computer facts and processor routines against a real Win32 and the real processor.
#include <windows.h>
#include <intrin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <iostream>
#include <regex>
#include <thread>

#include "funclib/computer.hpp"
#include "funclib/processor.hpp"
#include "funclib/text.hpp"

namespace {

using funclib::FixedText;

TEST(FuncLibComputer, FactsAreTheSystemsOwn) {
  funclib::TOrvane info;
  ASSERT_TRUE(funclib::GetOrvaneInfo(info));

  char buf[MAX_PATH + 1] = {};
  DWORD n = sizeof buf;
  ASSERT_TRUE(GetComputerNameA(buf, &n));
  EXPECT_EQ(FixedText(info.ComputerName), buf);
  n = sizeof buf;
  ASSERT_TRUE(GetUserNameA(buf, &n));
  EXPECT_EQ(FixedText(info.UserName), buf);
  ASSERT_GT(GetTempPathA(sizeof buf, buf), 0u);
  EXPECT_EQ(FixedText(info.TempDir), buf);
  ASSERT_GT(GetWindowsDirectoryA(buf, sizeof buf), 0u);
  EXPECT_EQ(FixedText(info.WindowsDir), buf);
  EXPECT_FALSE(FixedText(info.ComputerName).empty());
}

// The running system's real version, which GetVersionEx hides from a program without a manifest.
std::string RealVersionText() {
  using Fn = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof v;
  if (!fn || fn(&v) != 0) return "<no RtlGetVersion>";
  char text[64];
  wsprintfA(text, "%lu.%02lu.%lu", v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber & 0xFFFF);
  return text;
}

TEST(FuncLibComputer, VersionIsTheRealOneAndFamilyIsNt) {
  funclib::TOrvane info;
  ASSERT_TRUE(funclib::GetOrvaneInfo(info));
  // This test program has no manifest naming Windows 10, so GetVersionEx alone would report 6.2.
  EXPECT_EQ(info.WinVersion.substr(0, RealVersionText().size()), RealVersionText());
  EXPECT_EQ(info.WinFamily, "Windows NT/2000/XP");
  std::cout << "version " << info.WinVersion << ", " << info.WinFamily << "\n";
}

TEST(FuncLibComputer, NetworkAddressesAreWellFormedOrNamedErrors) {
  funclib::TOrvane info;
  ASSERT_TRUE(funclib::GetOrvaneInfo(info));
  std::cout << "IP " << info.IPAddress << ", MAC " << info.MACAddress << "\n";
  EXPECT_TRUE(std::regex_match(info.IPAddress, std::regex(R"((\d{1,3}\.){3}\d{1,3})")) || info.IPAddress == std::string(1, '\0'))
      << info.IPAddress;
  EXPECT_TRUE(std::regex_match(info.MACAddress, std::regex(R"(([0-9A-F]{2}\.){5}[0-9A-F]{2}|Error [ABC]#\d{1,3})")))
      << info.MACAddress;
  const std::string mac = funclib::GetMacAddress("*", 0);
  if (mac.rfind("Error", 0) != 0) {
    EXPECT_TRUE(std::regex_match(mac, std::regex("[0-9A-F]{12}"))) << mac;
    std::string grouped = info.MACAddress;
    grouped.erase(std::remove(grouped.begin(), grouped.end(), '.'), grouped.end());
    EXPECT_EQ(mac, grouped);
  }
}

TEST(FuncLibProcessor, VendorAndSignatureAreWhatCpuidSays) {
  int regs[4];
  __cpuid(regs, 0);
  std::array<std::uint32_t, 3> vendor;
  funclib::GetCpuVendor(vendor);
  EXPECT_EQ(vendor[0], static_cast<std::uint32_t>(regs[1]));
  EXPECT_EQ(vendor[1], static_cast<std::uint32_t>(regs[3]));
  EXPECT_EQ(vendor[2], static_cast<std::uint32_t>(regs[2]));
  std::cout << "vendor " << std::string(reinterpret_cast<const char*>(vendor.data()), 12) << "\n";

  __cpuid(regs, 1);
  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  EXPECT_EQ(signature[0], static_cast<std::uint32_t>(regs[0]));
  EXPECT_EQ(signature[1] & 0x00FFFFFF, static_cast<std::uint32_t>(regs[1]) & 0x00FFFFFF)
      << "the top byte is the APIC id of whichever core ran it";
  EXPECT_EQ(signature[3], static_cast<std::uint32_t>(regs[3]));
  EXPECT_NE(signature[3] & 0x10, 0u) << "a processor with CPUID leaf 1 has a time-stamp counter";
}

TEST(FuncLibProcessor, ClockAgreesWithTheCounterRateMeasuredHere) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const unsigned long long first = __rdtsc();
  Sleep(100);
  const unsigned long long second = __rdtsc();
  QueryPerformanceCounter(&end);
  const double expected = static_cast<double>(second - first) * static_cast<double>(frequency.QuadPart) /
                          static_cast<double>(end.QuadPart - start.QuadPart);

  const DWORD priorityClass = GetPriorityClass(GetCurrentProcess());
  const int threadPriority = GetThreadPriority(GetCurrentThread());
  const double measured = funclib::MeasureCpuClock(100, false);
  std::cout << "clock " << measured / 1e6 << " MHz, counter rate here " << expected / 1e6 << " MHz\n";
  EXPECT_NEAR(measured, expected, expected * 0.10);

  // Another thread sees the process at real-time priority while the measurement sleeps.
  std::atomic<DWORD> classDuringSleep{0};
  std::thread watcher([&] {
    Sleep(50);
    classDuringSleep = GetPriorityClass(GetCurrentProcess());
  });
  const double boosted = funclib::MeasureCpuClock(200, true);
  watcher.join();
  EXPECT_NEAR(boosted, expected, expected * 0.10);
  EXPECT_EQ(classDuringSleep, static_cast<DWORD>(REALTIME_PRIORITY_CLASS));
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), priorityClass) << "restored after the boost";
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), threadPriority);
}

}  // namespace
