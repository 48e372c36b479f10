// The drive list on real windows: it draws in the desktop's icon-title font, and a thousand refills
// leave the process holding no more kernel handles and GDI objects than before.
#include "tests/win32/handle_counts.hpp"
#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using DiskFill = RealWindow;

TEST_F(DiskFill, AThousandFillsLeaveNoHandleBehind) {
  form_->DiskList_Fill();  // the shell's and the image list's first-use caches
  Pump(app_);
  const int rows = form_->Disk_ListView.ItemCount();
  ASSERT_GT(rows, 0);
  const long gdi = GdiObjectCount(), kernel = KernelHandleCount();
  ASSERT_GT(gdi, 0);
  ASSERT_GT(kernel, 0);
  for (int i = 0; i < 1000; ++i) form_->DiskList_Fill();
  Pump(app_);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(KernelHandleCount(), kernel);
  HWND list = Hwnd(form_->Disk_ListView);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  EXPECT_EQ(ImageList_GetImageCount(images), rows) << "one icon per row";
}

TEST_F(DiskFill, ListDrawsInTheIconTitleFont) {
  LOGFONTA want{}, got{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof want, &want, 0));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(form_->Disk_ListView), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(GetObjectA(font, sizeof got, &got), static_cast<int>(sizeof got));
  EXPECT_STREQ(got.lfFaceName, want.lfFaceName);
  EXPECT_EQ(got.lfHeight, want.lfHeight);
}

}  // namespace
}  // namespace win32_tests
