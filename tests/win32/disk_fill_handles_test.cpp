// A thousand refills of the drive list on real windows leave the process holding no more kernel
// handles and GDI objects than before: every shell icon is freed and the image list is emptied.
#include <winternl.h>

#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

// Kernel handles of this process, from the system-wide handle table.
int KernelHandleCount() {
  using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QuerySystem>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  struct Entry {
    ULONG pid;
    BYTE type, flags;
    USHORT handle;
    PVOID object;
    ULONG access;
  };
  std::vector<BYTE> buffer(1 << 16);
  LONG status;
  while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr)) ==
         static_cast<LONG>(0xC0000004))
    buffer.resize(buffer.size() * 2);
  if (status != 0) return -1;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
  int mine = 0;
  for (ULONG i = 0; i < count; ++i) mine += entries[i].pid == GetCurrentProcessId();
  return mine;
}

// Live GDI objects of this process, from the process's GDI handle table that the PEB points to.
int GdiObjectCount() {
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return -1;
  // GdiSharedHandleTable: PEB + 0x94 in a 32-bit process, + 0xF8 in a 64-bit one.
  const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  const BYTE* table = *reinterpret_cast<BYTE* const*>(reinterpret_cast<const BYTE*>(info.PebBaseAddress) + offset);
  if (!table) return -1;
  struct Entry {
    UINT64 object;
    ULONG owner;
    ULONG type;
    UINT64 user;
  };
  const auto* entries = reinterpret_cast<const Entry*>(table);
  int live = 0;
  for (int i = 0; i < 0x10000; ++i)
    live += ((entries[i].type >> 16) & 0xFF) != 0 && !(entries[i].type & 0x80);
  return live;
}

using DiskFill = RealWindow;

TEST_F(DiskFill, CountersSeeObjectsComeAndGo) {
  DeleteObject(CreateSolidBrush(RGB(1, 2, 3)));  // whatever the first brush and event open once
  CloseHandle(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  const int gdi = GdiObjectCount(), kernel = KernelHandleCount();
  ASSERT_GE(gdi, 0);
  ASSERT_GE(kernel, 0);
  HBRUSH brushes[20];
  HANDLE events[10];
  for (HBRUSH& b : brushes) b = CreateSolidBrush(RGB(1, 2, 3));
  for (HANDLE& e : events) e = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  EXPECT_EQ(GdiObjectCount(), gdi + 20);
  EXPECT_EQ(KernelHandleCount(), kernel + 10);
  for (HBRUSH b : brushes) DeleteObject(b);
  for (HANDLE e : events) CloseHandle(e);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(KernelHandleCount(), kernel);
}

TEST_F(DiskFill, AThousandFillsLeaveNoHandleBehind) {
  form_->DiskList_Fill();  // the shell's and the image list's first-use caches
  Pump(app_);
  const int rows = form_->Disk_ListView.ItemCount();
  ASSERT_GT(rows, 0);
  const int gdi = GdiObjectCount(), kernel = KernelHandleCount();
  for (int i = 0; i < 1000; ++i) form_->DiskList_Fill();
  Pump(app_);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(KernelHandleCount(), kernel);
  HWND list = Hwnd(form_->Disk_ListView);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  EXPECT_EQ(ImageList_GetImageCount(images), rows) << "one icon per row";
}

}  // namespace
}  // namespace win32_tests
