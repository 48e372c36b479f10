// What a value panel draws, read back from its window: a new caption reaches the window at once,
// where it belongs and nowhere else; a minimised window draws nothing until it is restored.
#include <cstring>
#include <vector>

#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

struct Ink {  // right and bottom exclusive; all 0 when there is none
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Ink&) const = default;
};

// The box around the dark pixels of dc's w x h pixels (black text on a light background).
Ink InkOf(HDC dc, int w, int h) {
  HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::uint32_t* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  GdiFlush();
  Ink ink{w, h, 0, 0};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = bits[y * w + x];
      if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96) {
        ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x + 1);
        ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y + 1);
      }
    }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return ink.right ? ink : Ink{};
}

Ink PanelInk(HWND panel) {
  RECT r;
  GetClientRect(panel, &r);
  HDC dc = GetDC(panel);
  const Ink ink = InkOf(dc, r.right, r.bottom);
  ReleaseDC(panel, dc);
  return ink;
}

// Where a value panel of that client size shows the text: drawn here in the panels' font (Tahoma,
// 8 points), right-aligned inside the one-pixel edge and the two-pixel border, centred on the
// panel's height.
Ink ExpectedInk(const std::string& text, int w, int h, int dpi) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
  SelectObject(mem, bmp);
  SelectObject(mem, font);
  SIZE size{};
  GetTextExtentPoint32A(mem, text.c_str(), static_cast<int>(text.size()), &size);
  const RECT all{0, 0, w, h};
  const int x = w - 1 - MulDiv(2, dpi, 96) - size.cx;
  ExtTextOutA(mem, x, (h - size.cy) / 2, ETO_OPAQUE, &all, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  const Ink ink = InkOf(mem, w, h);
  DeleteDC(mem);
  DeleteObject(bmp);
  DeleteObject(font);
  return ink;
}

BOOL CALLBACK Collect(HWND h, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
  return TRUE;
}

// Windows of the form with something left to paint, but for `except`.
std::vector<HWND> Dirty(HWND form, HWND except) {
  std::vector<HWND> all{form};
  EnumChildWindows(form, Collect, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> dirty;
  for (HWND h : all)
    if (h != except && GetUpdateRect(h, nullptr, FALSE)) dirty.push_back(h);
  return dirty;
}

// Counts this program's calls of a user32 function while it lives, by pointing the program's import
// of it at a counter: whether the program drew at all, which the screen cannot tell when nothing
// of the window shows.
class GetDcSpy {
 public:
  GetDcSpy() {
    slot_ = FindImport("GetDC");
    if (!slot_) return;
    real_ = reinterpret_cast<decltype(real_)>(*slot_);
    Patch(reinterpret_cast<void*>(&Counting));
  }
  ~GetDcSpy() {
    if (slot_) Patch(reinterpret_cast<void*>(real_));
  }
  GetDcSpy(const GetDcSpy&) = delete;
  GetDcSpy& operator=(const GetDcSpy&) = delete;
  bool Armed() const { return slot_ != nullptr; }
  static inline int calls = 0;

 private:
  static HDC WINAPI Counting(HWND hwnd) {
    ++calls;
    return real_(hwnd);
  }
  // The import address table entry of user32's `name` in this program.
  static void** FindImport(const char* name) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
      if (lstrcmpiA(reinterpret_cast<char*>(base + d->Name), "user32.dll") != 0) continue;
      auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
      auto* slots = reinterpret_cast<void**>(base + d->FirstThunk);
      for (size_t i = 0; names[i].u1.AddressOfData; ++i)
        if (!IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal) &&
            strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData)->Name, name) == 0)
          return &slots[i];
    }
    return nullptr;
  }
  void Patch(void* to) {
    DWORD old;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &old);
    *slot_ = to;
    VirtualProtect(slot_, sizeof *slot_, old, &old);
  }
  void** slot_ = nullptr;
  static inline HDC(WINAPI* real_)(HWND) = nullptr;
};

class PanelPaint : public RealWindow {
 protected:
  void SetUp() override {
    RealWindow::SetUp();
    form_->Timer1.SetEnabled(false);  // the captions are the test's
    backend_->Show(*form_);
    Pump(app_, 100);
    panel_ = Hwnd(form_->RamSize_Panel);
    GetClientRect(panel_, &size_);
  }
  Ink Expected(const std::string& text) const { return ExpectedInk(text, size_.right, size_.bottom, backend_->Dpi()); }

  HWND panel_ = nullptr;
  RECT size_{};
};

TEST_F(PanelPaint, ANewCaptionIsDrawnAtOnceInItsPlaceAndNothingElseRepaints) {
  for (const std::string text : {"1", "24,683,768 k", "4,095 M"}) {
    form_->RamSize_Panel.SetCaption(text);
    EXPECT_EQ(PanelInk(panel_), Expected(text)) << '"' << text << "\" on the window before any paint message";
    EXPECT_EQ(Dirty(main_, nullptr), std::vector<HWND>{}) << '"' << text << "\" left something to repaint";
  }
}

TEST_F(PanelPaint, AMinimisedWindowDrawsNothingAndRestoredShowsTheCurrentCaption) {
  GetDcSpy spy;
  ASSERT_TRUE(spy.Armed());
  GetDcSpy::calls = 0;
  form_->RamSize_Panel.SetCaption("1");
  EXPECT_EQ(GetDcSpy::calls, 1) << "the spy sees the panel draw";
  ShowWindow(main_, SW_MINIMIZE);
  Pump(app_, 100);
  ASSERT_TRUE(IsIconic(main_));
  GetDcSpy::calls = 0;
  form_->RamSize_Panel.SetCaption("24,683,768 k");
  EXPECT_EQ(GetDcSpy::calls, 0) << "drawn while nobody sees it";
  ShowWindow(main_, SW_RESTORE);
  Pump(app_, 100);
  EXPECT_EQ(PanelInk(panel_), Expected("24,683,768 k")) << "restored without the current caption";
}

}  // namespace
}  // namespace win32_tests
