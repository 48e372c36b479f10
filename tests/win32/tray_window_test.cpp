// The tray component on a real Win32: its hidden window, the messages and timer ticks that reach
// it, the shell's icon, and image lists that keep their own icons.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/win32/win32_fixture.hpp"
#include "tray/tray_ctrl.hpp"

namespace win32_tests {
namespace {

// Runs the thread's messages until `done` or the time is up; returns `done()`.
template <class Done>
bool PumpUntil(Done done, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!done() && GetTickCount() - start < ms) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
  return done();
}

bool IsIcon(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

HICON NewIcon() { return CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION))); }

TEST(TrayWindow, AHiddenWindowOfItsClassLivesExactlyAsLongAsTheComponent) {
  widgets::Application app;
  HWND hwnd = nullptr;
  {
    TTrayCtrl tray(app);
    hwnd = FindWindowA("KvTrayCtrlClass", "Kelvo Tray Controller v1.3");
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(tray.Handle()), hwnd);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_VISIBLE), static_cast<LONG>(WS_POPUP));
    EXPECT_EQ(GetParent(hwnd), nullptr);
    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, 0);

    // The shell's callback reaches the component through the window.
    int clicks = 0;
    tray.OnClick = [&](widgets::Component&) { ++clicks; };
    SendMessageA(hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    // So do the ticks of the window's own timer.
    tray.SetTimerInterval(20);
    tray.SetBlinkIcon(true);
    const auto phase = tray.Tag();
    EXPECT_TRUE(PumpUntil([&] { return tray.Tag() != phase; })) << "the blink timer never ticked";

    // A second component shares the class; the first one's end must not take it away.
    auto second = std::make_unique<TTrayCtrl>(app);
    ASSERT_NE(second->Handle(), 0u);
    second.reset();
    EXPECT_TRUE(IsWindow(hwnd));
  }
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(FindWindowA("KvTrayCtrlClass", nullptr), nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "KvTrayCtrlClass", &wc)) << "the class is unregistered";
}

TEST(TrayWindow, TheShellTakesTheIconAndLosesItWithTheComponent) {
  widgets::Application app;
  HICON source = NewIcon();
  auto tray = std::make_unique<TTrayCtrl>(app);
  tray->SetIcon(reinterpret_cast<platform::IconHandle>(source));
  DestroyIcon(source);
  const HICON own = reinterpret_cast<HICON>(tray->Icon());
  EXPECT_TRUE(IsIcon(own)) << "the component keeps its own copy";
  tray->SetHint("Kelvo Orvane v1.61 beta");
  tray->SetVisible(true);

  platform::NotifyIconRecord probe;
  probe.hWnd = tray->Handle();
  probe.uFlags = platform::kNifTip;
  EXPECT_TRUE(platform::NotifyIcon(platform::NotifyIconAction::Modify, probe)) << "the icon is in the tray";
  tray.reset();
  EXPECT_FALSE(platform::NotifyIcon(platform::NotifyIconAction::Modify, probe)) << "and gone with the component";
  EXPECT_FALSE(IsIcon(own));
}

using ImageListWindow = RealWindow;

TEST_F(ImageListWindow, TheListViewShowsTheListsOwnCopies) {
  widgets::ImageList& list = form_->ImageList1;
  HWND view = Hwnd(form_->Disk_ListView);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  for (int i = 0; i < 2; ++i) {
    HICON source = NewIcon();
    EXPECT_EQ(list.AddIcon(reinterpret_cast<platform::IconHandle>(source)), i);
    DestroyIcon(source);  // the list has its own copy
  }
  EXPECT_EQ(ImageList_GetImageCount(images), 2);

  HICON out = reinterpret_cast<HICON>(list.GetIcon(0));
  EXPECT_TRUE(IsIcon(out));
  EXPECT_NE(reinterpret_cast<platform::IconHandle>(out), list.Icons()[0]);
  DestroyIcon(out);
  const HICON kept = reinterpret_cast<HICON>(list.Icons()[0]);
  list.Clear();
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  EXPECT_FALSE(IsIcon(kept)) << "clearing releases the list's copies";
}

}  // namespace
}  // namespace win32_tests
