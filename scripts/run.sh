#!/usr/bin/env bash
# Builds Orvane and runs it under Wine. With no DISPLAY it starts a virtual one, saves PNG
# screenshots into build/<tree>/screenshots, closes the program and exits 0. The 32-bit build runs
# where the kernel can execute 32-bit code; elsewhere the 64-bit build of the same sources does.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
tree=$(scripts/wine-arch.sh)
cmake --preset "$tree" --log-level=WARNING > /dev/null
cmake --build --preset "$tree" -j "$(nproc 2>/dev/null || echo 2)" --target Orvane orvane_shots

state=build/$tree/wine
exe=build/$tree/bin/Orvane.exe
if [ -n "${DISPLAY:-}" ]; then
  eval "$(cmake/wine/session.sh prefix "$state" run 96 "$tree")"
  exec "$WINE" "$exe"
fi

shots=build/$tree/screenshots
mkdir -p "$shots"
cmake/wine/session.sh start "$state" run 96 "$tree"
trap 'cmake/wine/session.sh stop "$state" run' EXIT
ORVANE_WINE_SESSION=run ORVANE_WINE_TIMEOUT=120 \
  cmake/wine/run.sh "$state" "build/$tree/bin/orvane_shots.exe" "$PWD/$exe" "$PWD/$shots"
echo "screenshots: $(ls "$shots"/orvane-*.png | tr '\n' ' ')"
