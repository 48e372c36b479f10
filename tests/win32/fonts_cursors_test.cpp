// The table of screen cursors against the real system and the program's resources, and a font
// handle handed over to a control.
#include "funclib/window.hpp"
#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using FontsAndCursors = RealWindow;

TEST_F(FontsAndCursors, EveryCursorNumberLoadsACursor) {
  // The program's own cursors: the number, its resource and the hot spot drawn in its picture.
  struct Own {
    widgets::Cursor number;
    int id;
    POINT hotSpot;
  };
  const Own own[] = {{widgets::crDrag, 32766, {0, 0}},       {widgets::crNoDrop, 32767, {0, 0}},
                     {widgets::crHSplit, 32765, {16, 16}},   {widgets::crVSplit, 32764, {16, 16}},
                     {widgets::crMultiDrag, 32763, {0, 0}},  {widgets::crSQLWait, 32762, {0, 0}},
                     {widgets::crHandPoint, 32761, {5, 0}}};
  std::vector<HCURSOR> system;
  for (int k = 0; k < widgets::kCursorCount; ++k) {
    const widgets::Cursor n = -k;
    const HCURSOR c = backend_->CursorHandle(n);
    if (n == widgets::crNone) {
      EXPECT_EQ(c, nullptr) << "None shows no cursor";
      continue;
    }
    ASSERT_NE(c, nullptr) << "cursor " << n;
    EXPECT_EQ(reinterpret_cast<widgets::IconHandle>(c), app_.CursorHandle(n));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(c, &info)) << "cursor " << n;
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_FALSE(info.fIcon) << "cursor " << n;
    bool isOwn = false;
    for (const Own& o : own) {
      if (o.number != n) continue;
      isOwn = true;
      EXPECT_EQ(c, LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(o.id))) << "cursor " << n;
      EXPECT_EQ(info.xHotspot, static_cast<DWORD>(o.hotSpot.x)) << "cursor " << n;
      EXPECT_EQ(info.yHotspot, static_cast<DWORD>(o.hotSpot.y)) << "cursor " << n;
    }
    if (!isOwn) system.push_back(c);
  }
  EXPECT_EQ(backend_->CursorHandle(widgets::crDefault), LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
  EXPECT_EQ(backend_->CursorHandle(widgets::crHourGlass), LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
  EXPECT_EQ(backend_->CursorHandle(-23), nullptr);
  // Seven pictures of our own, none of them standing in for another or for a system cursor.
  for (size_t i = 0; i < std::size(own); ++i) {
    const HCURSOR c = backend_->CursorHandle(own[i].number);
    for (size_t j = i + 1; j < std::size(own); ++j) EXPECT_NE(c, backend_->CursorHandle(own[j].number));
    for (HCURSOR s : system) EXPECT_NE(c, s) << "cursor " << own[i].number;
  }
}

TEST_F(FontsAndCursors, AHandedOverFontDrawsTheListAndIsFreedByItsLastHolder) {
  widgets::ListView& list = form_->Disk_ListView;
  HWND hwnd = Hwnd(list);
  const HFONT iconTitle = reinterpret_cast<HFONT>(funclib::GetIconTitleFont());
  ASSERT_NE(iconTitle, nullptr);
  list.SetFont(widgets::FontFromHandle(reinterpret_cast<platform::FontHandle>(iconTitle), list.GetFont()));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), iconTitle);

  // Another control shares it; replacing the list's font leaves it alive for that one.
  form_->Sys_ListView.SetFont(list.GetFont());
  list.SetFontStyle(widgets::fsBold);
  EXPECT_NE(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), iconTitle);
  EXPECT_EQ(GetObjectType(iconTitle), static_cast<DWORD>(OBJ_FONT));

  // Going away with the window: freed at the form's end.
  backend_.reset();
  form_.reset();
  EXPECT_EQ(GetObjectType(iconTitle), 0u) << "the handed-over font leaked";
}

}  // namespace
}  // namespace win32_tests
