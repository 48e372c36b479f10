// The Win32 backend makes the main form a real, fixed, centred top-level window.
#include <windows.h>

#include <gtest/gtest.h>

#include "form/orvane_form.hpp"
#include "tests/win32/win32_fixture.hpp"
#include "widgets/win32/backend.hpp"

namespace {

std::string Text(HWND hwnd) {
  char buf[256] = {};
  GetWindowTextA(hwnd, buf, sizeof buf);
  return buf;
}

TEST(FormWindow, IsAFixedTopLevelWindowOfItsOwnClass) {
  widgets::Application app;
  widgets::win32::Backend backend(app, GetModuleHandleA(nullptr));
  TFormOrvane form(app);
  backend.Realize(form);
  form.FormCreate();
  HWND hwnd = backend.HandleOf(form);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(app.Handle()), hwnd);

  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  EXPECT_STREQ(cls, "TFormOrvane");
  EXPECT_EQ(Text(hwnd), "Kelvo Orvane v1.61 beta");

  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, backend.Scale(376));
  EXPECT_EQ(client.bottom, backend.Scale(331));

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_FALSE(IsWindowVisible(hwnd)) << "the form stays hidden until shown";

  form.Close();
  EXPECT_FALSE(IsWindow(hwnd));
  // The quit message posted for the main window must not leak into the next test.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(FormWindow, CaptionChangesReachTheWindowOnlyWhenTheTextChanges) {
  widgets::Application app;
  widgets::win32::Backend backend(app, GetModuleHandleA(nullptr));
  TFormOrvane form(app);
  backend.Realize(form);
  HWND hwnd = backend.HandleOf(form);
  form.SetCaption("one");
  EXPECT_EQ(Text(hwnd), "one");
  win32_tests::SetTextCounter writes(hwnd);
  form.SetCaption("one");
  EXPECT_EQ(writes.Count(), 0);
  form.SetCaption("two");
  EXPECT_EQ(Text(hwnd), "two");
  EXPECT_EQ(writes.Count(), 1);
}

}  // namespace
