#!/usr/bin/env bash
# Runs a Windows program in this build's Wine session (see session.sh), under a time limit so a
# program that never ends fails instead of hanging.
#   run.sh <state-dir> program.exe [args...]      session name from ORVANE_WINE_SESSION (default main)
set -uo pipefail
state=$(realpath -m "${1:?state directory}")
shift
envfile="$state/${ORVANE_WINE_SESSION:-main}.env"
if [ ! -f "$envfile" ]; then
  echo "run.sh: no Wine session ${ORVANE_WINE_SESSION:-main} in $state; start it with session.sh" >&2
  exit 2
fi
# shellcheck disable=SC1090
. "$envfile"
# Wine's helper processes (services, the desktop) outlive the program and inherit its output.
# Writing to a file, not to the caller's pipe, keeps CTest from waiting for them to go away.
log=$(mktemp "$state/run.XXXXXX")
timeout -k 5 "${ORVANE_WINE_TIMEOUT:-300}" "${WINE:-wine}" "$@" </dev/null >"$log" 2>&1
rc=$?
cat "$log"
rm -f "$log"
if [ "$rc" -eq 124 ]; then
  echo "run.sh: $1 did not end within ${ORVANE_WINE_TIMEOUT:-300} s" >&2
elif [ "$rc" -ne 0 ]; then
  echo "run.sh: $1 ended with exit code $rc" >&2
fi
exit "$rc"
