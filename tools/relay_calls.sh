#!/usr/bin/env bash
# The Win32 calls a program makes per tick of a live page, counted with Wine's relay trace: runs the
# program for a while with WINEDEBUG=+relay, takes the 100 ticks after the first 20 (a tick is one
# call of the tick function, GlobalMemoryStatusEx for the Memory page) and prints the calls per
# tick of every function, most frequent first, and their total. The reference loops get "1000 50":
# run long, tick every 50 ms like Orvane's default interval. With ORVANE_HOLD_PAGE=<page> the
# program is Orvane, held on that page at the shortest interval by startup_bench (for the
# Other page count GetLocalTime). Uses the build's session "main".
#   tools/relay_calls.sh <program.exe> [tick function] [seconds] [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:?program}
tick=${2:-GlobalMemoryStatusEx}
seconds=${3:-40}
build=${4:-build/$(scripts/wine-arch.sh)}
state=$build/wine
arch=win32
x86_64-w64-mingw32-objdump -f "$exe" 2>/dev/null | grep -q 'x86-64' && arch=win64
cmake/wine/session.sh start "$state" main 96 "$arch" 2>/dev/null
trap 'cmake/wine/session.sh stop "$state" main' EXIT
# shellcheck disable=SC1090
. "$state/main.env"
log=$(mktemp)
if [ -n "${ORVANE_HOLD_PAGE:-}" ]; then
  WINEDEBUG=+relay timeout "$seconds" "$WINE" "$build/bin/startup_bench.exe" --orvane="$(realpath "$exe")" \
    --hold="$ORVANE_HOLD_PAGE" > /dev/null 2> "$log" || true
else
  WINEDEBUG=+relay timeout "$seconds" "$WINE" "$exe" 1000 50 > /dev/null 2> "$log" || true
fi
# Only the thread that ticks: other threads and processes trace too.
awk -v tick="$tick" '
  /:Call / {
    split($1, id, ":")
    fn = $2; sub(/\(.*/, "", fn)
    if (thread == "" && fn ~ ("\\." tick "$")) thread = id[1]
    if (id[1] != thread) next
    if (fn ~ ("\\." tick "$")) { n++; if (n > 120) exit }
    if (n > 20 && n <= 120) { count[fn]++; total++ }
  }
  END {
    if (n < 120) { printf "only %d ticks traced\n", (n > 20 ? n - 20 : 0); exit 1 }
    for (f in count) printf "%8.2f %s\n", count[f] / 100, f
    printf "%8.2f total\n", total / 100
  }' "$log" | sort -k1,1gr
rm -f "$log"
