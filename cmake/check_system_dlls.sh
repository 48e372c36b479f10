#!/usr/bin/env bash
# Fails unless each program imports only DLLs that Windows itself provides (no libstdc++, libgcc
# or winpthread beside the exe).   check_system_dlls.sh <objdump> <program>...
set -euo pipefail
objdump=${1:?objdump}
shift
[ $# -gt 0 ] || { echo "no program named" >&2; exit 1; }
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|uxtheme|wsock32|ws2_32|netapi32|winspool\.drv|msvcrt|ntdll|version|shlwapi)(\.dll)?$'
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "no imports found in $exe" >&2; exit 1; }
  while read -r dll; do
    lower=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
    if printf '%s\n' "$lower" | grep -Eq "$allowed"; then
      echo "ok: $(basename "$exe"): $dll"
    else
      echo "not a system DLL in $exe: $dll" >&2
      status=1
    fi
  done <<< "$dlls"
done
exit $status
