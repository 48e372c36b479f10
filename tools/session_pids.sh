# Sourced by the load-measuring tools. start_session starts the build's Wine session "main" for
# the program $orvane (a 32- or 64-bit one) in $build, stops it when the tool ends, and takes on
# its environment; the rest run inside it. measure() also reads $seconds (how long).
start_session() {
  state=$build/wine
  local arch=win32
  x86_64-w64-mingw32-objdump -f "$orvane" 2>/dev/null | grep -q 'x86-64' && arch=win64
  cmake/wine/session.sh start "$state" main 96 "$arch"
  trap 'cmake/wine/session.sh stop "$state" main' EXIT
  # shellcheck disable=SC1090
  . "$state/main.env"
  xvfb=$(cat "$state/main/xvfb.pid")
}

# PIDs in this Wine session whose program (first argument) ends with $1.
session_pids() {
  for p in /proc/[0-9]*; do
    { tr '\0' '\n' < "$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; } 2>/dev/null || continue
    { tr '\0' '\n' < "$p/cmdline" | head -1 | grep -Eq "$1\$"; } 2>/dev/null && echo "${p#/proc/}"
  done
}

# CPU milliseconds of the whole session over $seconds while the program $1 runs, then in
# brackets those of the program, the wineserver, the desktop and the X server. Every thread's
# schedstat is read twice a second and its last reading kept, so a thread that ends meanwhile
# still counts; a thread born meanwhile counts from 0. The readings are the shell's own (no
# process is started to take one), so the measuring adds no load of its own to the machine.
measure() {
  local groups=("$(session_pids "$1")" "$(session_pids 'wineserver(32|64)?')" "$(session_pids 'explorer.exe')" "$xvfb")
  local g t v part total=0 parts=()
  declare -A first=() last=() group=()
  for g in 0 1 2 3; do
    for p in ${groups[$g]}; do
      for t in /proc/"$p"/task/*; do
        group[$t]=$g
        { read -r v _ < "$t/schedstat"; } 2>/dev/null || v=0
        first[$t]=$v
      done
    done
  done
  for _ in $(seq $((seconds * 2))); do
    sleep 0.5
    for g in 0 1 2 3; do
      for p in ${groups[$g]}; do
        for t in /proc/"$p"/task/*; do
          { read -r v _ < "$t/schedstat"; } 2>/dev/null && last[$t]=$v && group[$t]=$g
        done
      done
    done
  done
  for g in 0 1 2 3; do
    part=0
    for t in "${!last[@]}"; do [ "${group[$t]}" = "$g" ] && part=$((part + last[$t] - ${first[$t]:-0})); done
    parts+=($((part / 1000000)))
    total=$((total + part))
  done
  echo "$((total / 1000000)) (${parts[*]})"
}

# The median of the numbers on standard input, one a line.
median() { sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
