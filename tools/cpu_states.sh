#!/usr/bin/env bash
# Processor time of the whole Wine session (Orvane, its wineserver, the desktop and the X server)
# over 10 s while Orvane is held on the Memory page at the 0.010 s interval: visible, minimised
# and hidden in the tray, one after the other, median of the runs. A window nobody sees should
# cost about what a hidden one does. Uses the build's Wine session "main"; run it while no
# Windows tests run. ORVANE_EXE names another Orvane.exe to measure (an older build, say); PAGE=4
# holds the Other page instead.
#   tools/cpu_states.sh [build/win32|build/win64] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/$(scripts/wine-arch.sh)}
runs=${2:-3}
orvane=$(realpath "${ORVANE_EXE:-$build/bin/Orvane.exe}")
seconds=10
# shellcheck source=tools/session_pids.sh
. tools/session_pids.sh
start_session

for shown in visible minimised tray; do
  figures=()
  for run in $(seq "$runs"); do
    out=$(mktemp)
    as=()
    [ "$shown" = visible ] || as=(--as="$shown")
    timeout 90 "$WINE" "$build/bin/startup_bench.exe" --orvane="$orvane" --hold="${PAGE:-0}" "${as[@]}" > "$out" 2>&1 &
    for _ in $(seq 300); do grep -q holding "$out" && break; sleep 0.1; done
    grep -q holding "$out" || { cat "$out" >&2; exit 1; }
    sleep 3  # settled
    ms=$(measure 'Orvane.exe')
    wait || true
    rm -f "$out"
    figures+=("${ms%% *}")
    echo "$shown, run $run: $ms ms of CPU in $seconds s"
  done
  echo "$shown: median $(printf '%s\n' "${figures[@]}" | median) ms"
done
