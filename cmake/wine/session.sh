#!/usr/bin/env bash
# A private Wine session for this build: its own prefix, its own virtual X display and one
# persistent wineserver, so tests never touch the user's Wine and never need a real screen.
#
#   session.sh start <state-dir> <name> [dpi] [arch] [D: label]
#                                                      create the prefix if needed, start Xvfb and wineserver
#   session.sh stop  <state-dir> <name>                stop wineserver and Xvfb; nothing is left running
#   session.sh prefix <state-dir> <name> [dpi] [arch]  only create the prefix; print its environment
#
# arch is win32 (the default: 32-bit programs, through Debian's wine loader) or win64 (64-bit
# programs through wine64 alone, for machines whose kernel cannot run 32-bit code). With a D: label
# the session also has a drive D:, a folder of its own whose label is that text (in any script).
# start writes <state-dir>/<name>.env, which run.sh sources before each wine call; it names the
# loader as $WINE.
set -euo pipefail

cmd=${1:?start|stop}
state=$(realpath -m "${2:?state directory}")
name=${3:?session name}
dpi=${4:-96}
arch=${5:-win32}
label_d=${6:-}
base="$state/$name"
envfile="$state/$name.env"

wine_env() {
  export WINEPREFIX="$base/prefix" WINEARCH="$arch" WINEDEBUG=-all HOME="$base/home"
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ "$arch" = win64 ]; then
    # Debian's wine script prefers the 32-bit loader; a 64-bit session names wine64 itself.
    export WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
  else
    export WINE=wine
  fi
  mkdir -p "$HOME"
}

# The lines of the session's environment, for the env file and for `prefix`.
env_lines() {
  echo "export WINEPREFIX='$WINEPREFIX' WINEARCH=$arch WINEDEBUG=-all HOME='$HOME' WINE='$WINE'"
  [ "$arch" = win64 ] && echo "export WINELOADER='$WINE'"
  echo "export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'"
}

stop_session() {
  if [ -f "$envfile" ]; then
    # shellcheck disable=SC1090
    . "$envfile"
    timeout 20 wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
    rm -f "$envfile"
  fi
  if [ -f "$base/xvfb.pid" ]; then
    kill "$(cat "$base/xvfb.pid")" 2>/dev/null || true
    rm -f "$base/xvfb.pid"
  fi
}

make_prefix() {
  wine_env
  [ -f "$WINEPREFIX/.orvane-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  echo "wine: creating prefix $WINEPREFIX (${dpi} dpi)" >&2
  timeout 300 "$WINE" wineboot -i >/dev/null 2>&1
  local reg="$base/setup.reg"
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine]' '"Version"="win10"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$(printf '%08x' "$dpi")" '' > "$reg"
  timeout 120 "$WINE" regedit /S "$("$WINE" winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  timeout 60 wineserver -w
  # Debian's Wine does not load its own Tahoma from /usr/share/wine/fonts: copy it in.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
    [ -f "/usr/share/wine/fonts/$f" ] && cp -f "/usr/share/wine/fonts/$f" "$fonts/"
  done
  touch "$WINEPREFIX/.orvane-ready"
}

start_display() {
  local fdfile="$base/display"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  echo $! > "$base/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  [ -s "$fdfile" ] || { echo "wine: Xvfb did not start" >&2; exit 1; }
  echo ":$(tr -d '[:space:]' < "$fdfile")"
}

case "$cmd" in
  start)
    mkdir -p "$base"
    stop_session
    make_prefix
    # C: gets a 20-character label, longer than the 11 of FAT: the disk list must show it whole.
    # Wine reads the label when the wineserver starts, so it is written before that.
    printf '%s' 'ORVANE TEST VOLUME20' > "$WINEPREFIX/drive_c/.windows-label"
    # Wine reads the label file as UTF-8 and reports it in Unicode.
    rm -f "$WINEPREFIX/dosdevices/d:"
    if [ -n "$label_d" ]; then
      mkdir -p "$base/drive_d"
      printf '%s' "$label_d" > "$base/drive_d/.windows-label"
      ln -s "$base/drive_d" "$WINEPREFIX/dosdevices/d:"
    fi
    display=$(start_display)
    {
      env_lines
      echo "export DISPLAY='$display'"
    } > "$envfile"
    export DISPLAY="$display"
    # No inherited pipes: CTest waits until every holder of its pipe has gone.
    wineserver -p </dev/null >/dev/null 2>&1
    # Start Wine's services and the virtual desktop now, detached, so tests do not pay for it.
    timeout 120 "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
    (setsid "$WINE" explorer.exe "/desktop=Default,1024x768" </dev/null >/dev/null 2>&1 &)
    echo "wine: session $name on display $display" >&2
    ;;
  stop)
    stop_session
    ;;
  prefix)
    mkdir -p "$base"
    make_prefix
    env_lines
    ;;
  *)
    echo "usage: $0 start|stop|prefix <state-dir> <name> [dpi] [win32|win64]" >&2
    exit 2
    ;;
esac
