#!/usr/bin/env bash
# Processor time of Orvane under Wine over 20 s at the 0.010 s interval: on the Winamp page with
# the stand-in player running, then on the Memory page. Counts Orvane's process and its
# wineserver (GetProcessTimes from another process reads 0 under Wine), summed from
# /proc/PID/task/*/schedstat. Needs a built Windows tree (the one Wine runs here, build/win32 or
# build/win64); uses its Wine session "main", so run it while no Windows tests run.
#   tools/cpu_load.sh [build/win32|build/win64]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/$(scripts/wine-arch.sh)}
state=$build/wine
arch=win32
[ -f "$build/bin/Orvane.exe" ] && x86_64-w64-mingw32-objdump -f "$build/bin/Orvane.exe" 2>/dev/null | grep -q 'x86-64' && arch=win64
cmake/wine/session.sh start "$state" main 96 "$arch"
trap 'cmake/wine/session.sh stop "$state" main' EXIT
# shellcheck disable=SC1090
. "$state/main.env"

# shellcheck source=tools/session_pids.sh
. tools/session_pids.sh
cpu_ns() {
  local sum=0
  for pid in "$@"; do
    for t in /proc/"$pid"/task/*/schedstat; do
      sum=$((sum + $(cut -d' ' -f1 "$t" 2>/dev/null || echo 0)))
    done
  done
  echo "$sum"
}

for page in 5 0; do
  out=$(mktemp)
  ORVANE_HOLD_PAGE=$page timeout 90 "$WINE" "$build/bin/orvane_e2e.exe" --orvane="$PWD/$build/bin/Orvane.exe" \
    --player="$PWD/$build/bin/standin_player.exe" --gtest_also_run_disabled_tests \
    --gtest_filter=WinampPage.DISABLED_HoldAtTheShortestInterval > "$out" 2>&1 &
  for _ in $(seq 300); do grep -q holding "$out" && break; sleep 0.1; done
  grep -q holding "$out" || { cat "$out"; exit 1; }
  pids="$(session_pids 'Orvane.exe') $(session_pids 'wineserver(32|64)?')"
  before=$(cpu_ns $pids)
  sleep 20
  after=$(cpu_ns $pids)
  echo "page $page: $(( (after - before) / 1000000 )) ms of CPU in 20 s (pids $pids)"
  wait || true
  rm -f "$out"
done
