# Sourced by the load-measuring tools, inside a Wine session's environment (WINEPREFIX set).
# PIDs in this Wine session whose program (first argument) ends with $1.
session_pids() {
  for p in /proc/[0-9]*; do
    { tr '\0' '\n' < "$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; } 2>/dev/null || continue
    { tr '\0' '\n' < "$p/cmdline" | head -1 | grep -Eq "$1\$"; } 2>/dev/null && echo "${p#/proc/}"
  done
}
