#pragma once
// What the process holds, counted in ways that work under Wine too (GetGuiResources and
// GetProcessHandleCount are stubs there): kernel handles from the system's handle table, GDI
// objects from the process's GDI handle table, windows of the thread.
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace win32_tests {

// Kernel handles of this process; -1 when the system does not tell.
inline long KernelHandleCount() {
  using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  struct Entry {  // SYSTEM_HANDLE_TABLE_ENTRY_INFO
    ULONG ownerPid;
    BYTE type;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ULONG access;
  };
  struct Table {  // SYSTEM_HANDLE_INFORMATION: the count, then the entries (aligned as they need)
    ULONG count;
    Entry entries[1];
  };
  std::vector<Table> buf(1 << 12);
  LONG status;
  while ((status = query(16, buf.data(), static_cast<ULONG>(buf.size() * sizeof(Table)), nullptr)) ==
         static_cast<LONG>(0xC0000004))
    buf.resize(buf.size() * 2);
  if (status != 0) return -1;
  const Table& table = buf.front();
  long mine = 0;
  for (ULONG i = 0; i < table.count; ++i)
    if (table.entries[i].ownerPid == GetCurrentProcessId()) ++mine;
  return mine;
}

// GDI objects of this process that are not stock objects; -1 when the table cannot be found.
inline long GdiObjectCount() {
  using Query = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  if (!query) return -1;
  PROCESS_BASIC_INFORMATION pbi{};
  if (query(GetCurrentProcess(), 0, &pbi, sizeof pbi, nullptr) != 0 || !pbi.PebBaseAddress) return -1;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(pbi.PebBaseAddress);
  // The PEB's GdiSharedHandleTable.
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (!table) return -1;
  struct Entry {  // 24 bytes
    std::uint64_t object;
    ULONG owner;
    ULONG type;
    std::uint64_t user;
  };
  static_assert(sizeof(Entry) == 24);
  const auto* e = reinterpret_cast<const Entry*>(table);
  long live = 0;
  for (int i = 0; i < 0x10000; ++i)
    if (((e[i].type >> 16) & 0xFF) != 0 && !(e[i].type & 0x80)) ++live;
  return live;
}

inline BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

inline BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(hwnd, CountWindow, count);
  return TRUE;
}

// Windows of this thread: the top-level ones and every window inside them.
inline long ThreadWindowCount() {
  long n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&n));
  return n;
}

}  // namespace win32_tests
