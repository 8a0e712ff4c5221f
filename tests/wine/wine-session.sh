#!/usr/bin/env bash
# Starts or stops the Wine session of one test run:
#   wine-session.sh start DIR   fresh prefix DIR/prefix (copied from a pristine DIR/template),
#                               an Xvfb display and a persistent wineserver; writes DIR/session.env
#   wine-session.sh stop DIR    ends every wineserver of DIR's prefixes and the Xvfb display
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?session folder}
export WINEDEBUG=-all WINEARCH=win64

server_of() { WINEPREFIX=$1 /usr/lib/wine/wineserver "${@:2}"; }

make_template() {
  local t=$dir/template
  rm -rf "$t.tmp"
  mkdir -p "$dir"
  WINEPREFIX=$t.tmp wineboot -i >/dev/null 2>&1
  # Without a window manager Wine waits about 2 s on every hidden window unless windows are
  # unmanaged; and a crashing test must not hang on Wine's crash dialog.
  WINEPREFIX=$t.tmp wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX=$t.tmp wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  server_of "$t.tmp" -w
  # This Wine does not find its own fonts, so dialogs fall back to another face and the title
  # bar's buttons show letters; a copy in the prefix's font folder fixes both.
  cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$t.tmp/drive_c/windows/Fonts/" 2>/dev/null || true
  mv "$t.tmp" "$t"
}

start() {
  stop_all
  [ -d "$dir/template" ] || make_template
  rm -rf "$dir"/prefix*
  cp -a "$dir/template" "$dir/prefix"
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  cat >"$dir/session.env" <<ENV
export DISPLAY=:$n
export LARKSPUR_WINE_TEMPLATE=$dir/template
ENV
  server_of "$dir/prefix" -p </dev/null >/dev/null 2>&1
  echo "wine session: prefix $dir/prefix, display :$n"
}

stop_all() {
  local p
  for p in "$dir"/prefix*; do
    [ -d "$p" ] && server_of "$p" -k 2>/dev/null || true
  done
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  rm -f "$dir/session.env"
}

case $cmd in
  start) start ;;
  stop) stop_all; echo "wine session stopped" ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
