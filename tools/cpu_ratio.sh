#!/usr/bin/env bash
# Processor time of Orvane against the hand-written reference loop (tests/bench/reference) that
# shows the same texts, 20 s each at the 0.010 s interval, one after the other: the Memory page
# (memory_loop.exe) and the Other page (other_loop.exe). The whole system is counted: the
# program, its wineserver, the Wine desktop (explorer.exe) and the X server, summed from
# /proc/PID/task/*/schedstat. Prints each run's ratio (Orvane / reference) and the median of the
# runs. Uses the build's Wine session "main"; run it while no Windows tests run. ORVANE_EXE names
# another Orvane.exe to measure (an older build, say) with the build's references; PAGES="0" or
# PAGES="4" measures one page only.
#   tools/cpu_ratio.sh [build/win32|build/win64] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/$(scripts/wine-arch.sh)}
runs=${2:-3}
orvane=$(realpath "${ORVANE_EXE:-$build/bin/Orvane.exe}")
seconds=20
# shellcheck source=tools/session_pids.sh
. tools/session_pids.sh
start_session
# Orvane held on page $1 at the shortest interval by startup_bench.
orvane_ms() {
  local out ms
  out=$(mktemp)
  timeout 90 "$WINE" "$build/bin/startup_bench.exe" --orvane="$orvane" --hold="$1" > "$out" 2>&1 &
  for _ in $(seq 300); do grep -q holding "$out" && break; sleep 0.1; done
  grep -q holding "$out" || { cat "$out" >&2; exit 1; }
  sleep 3  # settled, as long as the reference is given
  ms=$(measure 'Orvane.exe')
  wait || true
  rm -f "$out"
  echo "$ms"
}
reference_ms() {
  local ms
  timeout 90 "$WINE" "$build/bin/$1.exe" $((seconds + 5)) >/dev/null 2>&1 &
  sleep 3
  ms=$(measure "$1.exe")
  wait || true
  echo "$ms"
}

for page in ${PAGES:-0 4}; do
  name=$([ "$page" = 0 ] && echo memory || echo other)
  ratios=()
  for run in $(seq "$runs"); do
    o=$(orvane_ms "$page")
    r=$(reference_ms "${name}_loop")
    ratio=$(awk -v o="${o%% *}" -v r="${r%% *}" 'BEGIN {printf "%.3f", o / r}')
    ratios+=("$ratio")
    echo "$name page, run $run: Orvane $o ms, reference $r ms of CPU in $seconds s, ratio $ratio"
  done
  echo "$name page: median ratio $(printf '%s\n' "${ratios[@]}" | median) over $runs runs"
done
