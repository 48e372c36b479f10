// The drive list on real windows: it draws in the desktop's icon-title font, each row shows its
// drive's icon, and a thousand refills leave the process holding no more kernel handles and GDI
// objects than before; nor do list views with image lists made and destroyed again and again.
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

int WindowImageIndex(HWND list, int row) {
  LVITEMA it{};
  it.mask = LVIF_IMAGE;
  it.iItem = row;
  it.iImage = 12345;
  return SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it)) ? it.iImage : 12345;
}

TEST_F(DiskFill, EachRowShowsItsDrivesIconAndARowWithoutOneShowsNone) {
  form_->DiskList_Fill();
  HWND list = Hwnd(form_->Disk_ListView);
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  ASSERT_GT(rows, 0);
  // Every drive here has an icon, added in drive order.
  for (int row = 0; row < rows; ++row) EXPECT_EQ(WindowImageIndex(list, row), row) << row;
  form_->Disk_ListView.AddItem("(X:)", -1);
  EXPECT_EQ(WindowImageIndex(list, rows), I_IMAGENONE);
}

struct ImagesForm : widgets::Form {
  ImagesForm() : Form("TTestImages") {
    list.SetParent(this);
    list.SetBounds({0, 0, 200, 100});
    AddComponent(images);
    list.SetSmallImages(&images);
  }
  widgets::ListView list;
  widgets::ImageList images;
};

TEST(ListViewImages, MadeAndDestroyedTwoHundredTimesLeaveNoGdiObject) {
  widgets::Application app;
  widgets::win32::Backend backend(app, GetModuleHandleA(nullptr));
  HICON source = CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
  ASSERT_NE(source, nullptr);
  auto cycle = [&] {
    ImagesForm form;
    backend.Realize(form);
    form.images.AddIcon(reinterpret_cast<platform::IconHandle>(source));
    form.list.AddItem("row", 0);
  };
  cycle();  // first-use caches
  const long gdi = GdiObjectCount();
  ASSERT_GT(gdi, 0);
  for (int i = 0; i < 200; ++i) cycle();
  EXPECT_EQ(GdiObjectCount(), gdi);
  DestroyIcon(source);
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
