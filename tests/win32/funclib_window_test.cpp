// The window-level helpers against a real Win32: clipboard, message box, icon-title font, shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "funclib/owner_window.hpp"
#include "funclib/window.hpp"
#include "platform/fonts.hpp"
#include "platform/utf.hpp"

namespace {

// What the clipboard holds as Unicode text, in UTF-8.
std::string RawClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = platform::Utf16ToUtf8(p, GlobalSize(data) / sizeof(wchar_t));
      GlobalUnlock(data);
    }
  } else {
    text = "<none>";
  }
  CloseClipboard();
  return text;
}

void SetRawClipboardText(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const size_t n = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
  memcpy(GlobalLock(block), text, n);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  CloseClipboard();
}

// A hidden window of this process that owns the library's clipboard access, as the main window does.
class FuncLibWindow : public testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
    funclib::OwnerWindow = reinterpret_cast<platform::WindowHandle>(owner_);
  }
  void TearDown() override {
    funclib::OwnerWindow = 0;
    DestroyWindow(owner_);
  }
  HWND owner_ = nullptr;
};

TEST_F(FuncLibWindow, ClipboardTextGoesBothWays) {
  EXPECT_EQ(funclib::ClipboardText(1, "1,048,576 k"), std::string(1, '\0'));
  EXPECT_EQ(RawClipboardText(), "1,048,576 k");
  SetRawClipboardText("from another program");
  EXPECT_EQ(funclib::ClipboardText(0), "from another program");
  EXPECT_EQ(funclib::ClipboardText(1, ""), std::string(1, '\0'));
  EXPECT_EQ(funclib::ClipboardText(0), "");

  // Any script, a character beyond the basic plane too, travels whole as Unicode text.
  const std::string song = "\xE6\xAE\x8B\xE9\x85\xB7 - \xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE \xF0\x9F\x98\x80";
  funclib::ClipboardText(1, song);
  EXPECT_EQ(RawClipboardText(), song);
  EXPECT_EQ(funclib::ClipboardText(0), song);
}

TEST_F(FuncLibWindow, AnEmptyClipboardReadsAsTheCodeZeroText) {
  SetRawClipboardText("something");
  EXPECT_EQ(funclib::ClipboardText(2), std::string(1, '\1'));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  const std::string text = funclib::ClipboardText(0);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0], '\0');
}

TEST_F(FuncLibWindow, ABusyClipboardReadsAsTheCodeZeroTextAndIsNotWritten) {
  SetRawClipboardText("kept");
  // Another thread holds the clipboard open.
  std::atomic<bool> held{false}, release{false};
  std::thread holder([&] {
    if (OpenClipboard(nullptr)) {
      held = true;
      while (!release) Sleep(1);
      CloseClipboard();
    }
    held = true;
  });
  while (!held) Sleep(1);
  EXPECT_EQ(funclib::ClipboardText(0), std::string(1, '\0'));
  funclib::ClipboardText(1, "lost");
  release = true;
  holder.join();
  EXPECT_EQ(RawClipboardText(), "kept");
}

BOOL CALLBACK KeepMessageBox(HWND hwnd, LPARAM out) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (strcmp(cls, "#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(out) = hwnd;
  return FALSE;
}

// The message box of the given thread, if it shows one.
HWND FindMessageBoxOf(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(threadId, KeepMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(FuncLibWindow, MessageBoxShowsBackslashNAsTwoLines) {
  // A second thread answers the box the way a user would, once it has read its caption and text.
  std::string caption, shown;
  const DWORD uiThread = GetCurrentThreadId();
  std::thread user([&] {
    for (int i = 0; i < 500; ++i) {
      Sleep(10);
      const HWND box = FindMessageBoxOf(uiThread);
      if (!box || !IsWindowVisible(box)) continue;
      char text[128] = {};
      GetWindowTextA(box, text, sizeof text);
      caption = text;
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
      shown = text;
      PostMessageA(box, WM_COMMAND, IDNO, 0);
      return;
    }
  });
  const int pressed = funclib::ShowMessageBox("first\\nsecond", "Orvane test", MB_YESNO);
  user.join();
  EXPECT_EQ(pressed, IDNO);
  EXPECT_EQ(caption, "Orvane test");
  EXPECT_EQ(shown, "first\r\nsecond");
}

TEST_F(FuncLibWindow, IconTitleFontIsTheDesktopsIconTitleFont) {
  LOGFONTA expected{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof expected, &expected, 0));
  const platform::FontHandle font = funclib::GetIconTitleFont();
  ASSERT_NE(font, 0u);
  LOGFONTA actual{};
  ASSERT_EQ(GetObjectA(reinterpret_cast<HFONT>(font), sizeof actual, &actual), static_cast<int>(sizeof actual));
  EXPECT_STREQ(actual.lfFaceName, expected.lfFaceName);
  EXPECT_EQ(actual.lfHeight, expected.lfHeight);
  platform::DestroyFont(font);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(font)), 0u) << "freed";
}

TEST_F(FuncLibWindow, ShellOpenReturnsTheShellsCode) {
  EXPECT_EQ(funclib::ShellOpen("Z:\\no-such-file.orvane", "", "", SW_SHOWNORMAL), 2) << "file not found";
  EXPECT_GT(funclib::ShellOpen("cmd.exe", "/c exit", "", SW_HIDE), 32);
}

}  // namespace
