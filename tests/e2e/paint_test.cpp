// Value panels as the screen shows them: every caption drawn whole, and never a blank panel
// while captions change.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/utf.hpp"
#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

struct Ink {  // right and bottom exclusive; all 0 when there is none
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The box around the pixels that are clearly darker than the background (the most frequent
// brightness): more than half-way from it to the darkest pixel.
Ink InkBox(const std::vector<std::uint8_t>& rgb, int w, int h) {
  std::vector<int> lum(static_cast<size_t>(w) * h);
  std::array<int, 256> hist{};
  for (size_t i = 0; i < lum.size(); ++i) {
    lum[i] = (rgb[i * 3] * 30 + rgb[i * 3 + 1] * 59 + rgb[i * 3 + 2] * 11) / 100;
    ++hist[static_cast<size_t>(lum[i])];
  }
  const int bg = static_cast<int>(std::max_element(hist.begin(), hist.end()) - hist.begin());
  const int darkest = lum.empty() ? bg : *std::min_element(lum.begin(), lum.end());
  Ink ink{w, h, 0, 0};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (bg - darkest > 40 && bg - lum[static_cast<size_t>(y) * w + x] > (bg - darkest) / 2) {
        ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x + 1);
        ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y + 1);
      }
  return ink.right ? ink : Ink{};
}

// The ink of the text drawn here in the value panels' font (Tahoma, 8 points), black on white.
Ink ExpectedInk(const std::string& text) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  HFONT font = CreateFontW(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
  HDC mem = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, 600, -60, 1, 24, BI_RGB, 0, 0, 0, 0, 0};  // rows of 1800 bytes, unpadded
  std::uint8_t* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  SelectObject(mem, bmp);
  SelectObject(mem, font);
  const RECT all{0, 0, 600, 60};
  const std::wstring wide = platform::Utf8ToUtf16(text);
  ExtTextOutW(mem, 10, 10, ETO_OPAQUE, &all, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);  // black on white
  GdiFlush();
  const std::vector<std::uint8_t> pixels(bits, bits + 600 * 60 * 3);  // grey levels only: channel order is moot
  DeleteDC(mem);
  DeleteObject(bmp);
  DeleteObject(font);
  return InkBox(pixels, 600, 60);
}

// The panel inside its one-pixel sunken edge, on the screen.
RECT Inside(HWND panel) {
  const RECT r = ScreenRect(panel);
  return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

class PanelPaint : public OrvaneWindow {
 protected:
  // The shortest interval, then the page of that index, as the user would choose them.
  void ShowAtShortestInterval(int page) {
    HWND interval = nullptr;
    for (HWND h : Descendants(main_))
      if (GetParent(h) == main_ && ClassName(h) == "ComboBox") interval = h;
    ASSERT_NE(interval, nullptr);
    PickComboItem(interval, 0);
    ASSERT_TRUE(ClickTab(orvane_.Process(), FindChild(main_, "", "SysTabControl32"), page));
    Settle(500);
    ASSERT_EQ(WindowText(interval), "0.010 s");
  }
};

// Every value panel of the Memory page (the visible panels with a caption) shows its whole
// caption: the ink on the screen is as wide and as high as the same text drawn here.
TEST_F(PanelPaint, EveryCaptionIsDrawnWhole) {
  int checked = 0;
  for (HWND panel : Descendants(main_)) {
    if (ClassName(panel) != "OrvanePanel" || !IsWindowVisible(panel) || WindowText(panel).empty()) continue;
    const RECT r = Inside(panel);
    std::string text;
    Ink shown;
    for (int attempt = 0; attempt < 20; ++attempt) {  // the page refreshes meanwhile
      text = WindowText(panel);
      WaitResponsive(main_, 2000);
      shown = InkBox(ScreenPixels(r), r.right - r.left, r.bottom - r.top);
      if (WindowText(panel) == text) break;
    }
    const Ink want = ExpectedInk(text);
    EXPECT_NEAR(shown.Width(), want.Width(), 1) << '"' << text << '"';
    EXPECT_NEAR(shown.Height(), want.Height(), 1) << '"' << text << '"';
    ++checked;
  }
  EXPECT_EQ(checked, 12);
}

// A player's title in Japanese and Russian is drawn whole too.
TEST_F(PanelPaint, ATitleInAnyScriptIsDrawnWhole) {
  const std::string title = "残酷な天使のテーゼ - Кино";
  Program player;
  const RECT r = Inside(ShowPlayerTitled(player, title));
  const Ink shown = InkBox(ScreenPixels(r), r.right - r.left, r.bottom - r.top), want = ExpectedInk(title);
  EXPECT_NEAR(shown.Width(), want.Width(), 1);
  EXPECT_NEAR(shown.Height(), want.Height(), 1);
}

// The mouse position panel changes its caption 100 times; screenshots taken all the while never
// catch it showing its background without text.
TEST_F(PanelPaint, ChangingCaptionNeverShowsABlankPanel) {
  ShowAtShortestInterval(4);
  HWND panel = ValueOf("Mouse positions:");
  ASSERT_NE(panel, nullptr);
  const RECT r = Inside(panel);
  const RECT window = ScreenRect(main_);
  int changes = 0, frames = 0, blank = 0;
  for (int i = 0; i < 100; ++i) {
    const int x = 20 + i * 2, y = window.bottom + 40 + i % 2;  // below the window: no tooltip
    const std::string want = std::to_string(x) + " x " + std::to_string(y);
    MouseTo(x, y);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 2000;) {
      const bool changed = WindowText(panel) == want;
      ++frames;
      blank += InkBox(ScreenPixels(r), r.right - r.left, r.bottom - r.top).Width() == 0;
      if (changed && ++changes) break;
    }
  }
  EXPECT_EQ(changes, 100);
  EXPECT_EQ(blank, 0) << "of " << frames << " screenshots";
}

}  // namespace
}  // namespace e2e
