# MinGW-w64 cross toolchain for 64-bit Windows (x86_64), posix threads. Orvane ships as a 32-bit
# program; this build runs the Windows tests where the kernel cannot execute 32-bit code.
set(ORVANE_MINGW_PREFIX x86_64-w64-mingw32 CACHE STRING "Target triple of the MinGW-w64 tools")
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-i686.cmake)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
