// The keyboard, mouse, display and processor wrappers against a real Win32.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/display.hpp"
#include "platform/input.hpp"
#include "platform/sysinfo.hpp"

namespace {

TEST(PlatformInput, DisplayModeIsTheCurrentMode) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
  const platform::DisplayMode m = platform::QueryDisplayMode();
  EXPECT_EQ(m.width, static_cast<int>(mode.dmPelsWidth));
  EXPECT_EQ(m.height, static_cast<int>(mode.dmPelsHeight));
  EXPECT_EQ(m.bitsPerPixel, static_cast<int>(mode.dmBitsPerPel));
  EXPECT_EQ(m.refreshHz, static_cast<int>(mode.dmDisplayFrequency));
  EXPECT_EQ(m.width, GetSystemMetrics(SM_CXSCREEN));
}

TEST(PlatformInput, KeyboardMouseAndProcessorsAreReported) {
  const int type = platform::QueryKeyboardType();
  EXPECT_GE(type, 1);
  EXPECT_LE(type, 7);
  EXPECT_GT(platform::QueryFunctionKeyCount(), 0);
  EXPECT_GT(platform::QueryMouseButtonCount(), 0) << "the virtual display has a mouse";
  const platform::ProcessorInfo p = platform::QueryProcessorInfo();
  EXPECT_EQ(p.count, std::thread::hardware_concurrency());
#if defined(_WIN64)
  EXPECT_EQ(p.type, 8664u) << "a 64-bit process is told PROCESSOR_AMD_X8664";
#else
  EXPECT_TRUE(p.type == 386 || p.type == 486 || p.type == 586) << p.type;
#endif
}

}  // namespace
