#!/usr/bin/env bash
# Builds everything and runs every test layer in one CTest run: host unit tests, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, Windows tests under Wine and the
# end-to-end tests that drive Orvane.exe. Warnings are errors. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

for preset in host host-asan win32; do
  cmake --preset "$preset" -DORVANE_WERROR=ON --log-level=WARNING > "build-$preset.log" 2>&1 \
    || { cat "build-$preset.log"; exit 1; }
  rm -f "build-$preset.log"
  cmake --build --preset "$preset" -j "$jobs"
done

# One summary over the three build trees.
printf 'subdirs("host" "host-asan" "win32")\n' > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$jobs" "$@"
