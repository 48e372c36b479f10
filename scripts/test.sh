#!/usr/bin/env bash
# Builds everything and runs every test layer in one CTest run: host unit tests, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, Windows tests under Wine and the
# end-to-end tests that drive Orvane.exe. Warnings are errors. Exits non-zero on any failure.
#
# Orvane ships as a 32-bit program (the win32 tree). Where the kernel cannot run 32-bit code, Wine
# cannot run it either: the same sources are then also built for x86_64 (the win64 tree) and the
# Windows and end-to-end tests run there, under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

wine_arch=$(scripts/wine-arch.sh)
trees=(host host-asan win32)
[ "$wine_arch" = win64 ] && trees+=(win64)
echo "test: Windows tests run in the $wine_arch tree" >&2

for preset in "${trees[@]}"; do
  extra=()
  case "$preset" in
    win32) [ "$wine_arch" = win32 ] && extra=(-DORVANE_WINE_TESTS=ON) || extra=(-DORVANE_WINE_TESTS=OFF) ;;
    win64) extra=(-DORVANE_WINE_TESTS=ON) ;;
  esac
  cmake --preset "$preset" -DORVANE_WERROR=ON "${extra[@]}" --log-level=WARNING > "build-$preset.log" 2>&1 \
    || { cat "build-$preset.log"; exit 1; }
  rm -f "build-$preset.log"
  cmake --build --preset "$preset" -j "$jobs"
done

# One summary over the build trees.
printf 'subdirs(%s)\n' "$(printf '"%s" ' "${trees[@]}")" > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$jobs" "$@"
