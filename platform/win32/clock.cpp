#include "platform/clock.hpp"

#include <windows.h>

namespace platform {

std::uint64_t QueryTickCount() {
  using GetTickCount64Fn = ULONGLONG(WINAPI*)();
  // GetTickCount64 exists from Vista on; the 32-bit count wraps after 49.7 days.
  static const auto tick64 = [] {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<GetTickCount64Fn>(
                        reinterpret_cast<void*>(GetProcAddress(kernel, "GetTickCount64")))
                  : nullptr;
  }();
  return tick64 ? tick64() : GetTickCount();
}

LocalDateTime QueryLocalTime() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  LocalDateTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.day = st.wDay;
  t.dayOfWeek = st.wDayOfWeek;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  t.second = st.wSecond;
  t.millisecond = st.wMilliseconds;
  return t;
}

}  // namespace platform
