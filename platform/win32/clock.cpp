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

namespace {

LocalDateTime FromSystemTime(const SYSTEMTIME& st) {
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

}  // namespace

LocalDateTime QueryLocalTime() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return FromSystemTime(st);
}

LocalDateTime QueryLocalTime(int& utcOffsetMinutes) {
  // One reading of UTC made local: the offset is that of this very moment, summer time included.
  SYSTEMTIME utc, local;
  GetSystemTime(&utc);
  FILETIME u, l;
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) || !SystemTimeToFileTime(&utc, &u) ||
      !SystemTimeToFileTime(&local, &l)) {
    utcOffsetMinutes = 0;
    return QueryLocalTime();
  }
  const auto ticks = [](const FILETIME& f) { return (static_cast<long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  utcOffsetMinutes = static_cast<int>((ticks(l) - ticks(u)) / 600'000'000);
  return FromSystemTime(local);
}

}  // namespace platform
