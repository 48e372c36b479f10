#!/usr/bin/env bash
# Builds Orvane and runs it under Wine. With no DISPLAY it starts a virtual one, saves PNG
# screenshots into build/win32/screenshots, closes the program and exits 0.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win32 --log-level=WARNING > /dev/null
cmake --build --preset win32 -j "$(nproc 2>/dev/null || echo 2)" --target Orvane orvane_shots

state=build/win32/wine
exe=build/win32/bin/Orvane.exe
if [ -n "${DISPLAY:-}" ]; then
  eval "$(cmake/wine/session.sh prefix "$state" run)"
  exec wine "$exe"
fi

shots=build/win32/screenshots
mkdir -p "$shots"
cmake/wine/session.sh start "$state" run
trap 'cmake/wine/session.sh stop "$state" run' EXIT
ORVANE_WINE_SESSION=run ORVANE_WINE_TIMEOUT=120 \
  cmake/wine/run.sh "$state" build/win32/bin/orvane_shots.exe "$PWD/$exe" "$PWD/$shots"
echo "screenshots: $(ls "$shots"/orvane-*.png | tr '\n' ' ')"
