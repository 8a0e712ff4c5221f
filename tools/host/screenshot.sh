#!/usr/bin/env bash
# Takes a picture of the stand-in's window with the Latin add-on installed: runs lwp.exe in a
# Wine session of its own (Xvfb display, fresh prefix), with the six add-on files unpacked from
# the payload into C:\ProgramData\Larkspur\Public\Spellcheck\, captures the display and crops
# it to the window.
#   tools/host/screenshot.sh [OUTPUT.png]      (default docs/host-window.png)
# LARKSPUR_BUILD names the build folder as for scripts/build.sh (default build).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/${LARKSPUR_BUILD:-build}
output=${1:-$root/docs/host-window.png}
caption='Larkspur Word Processor (stand-in)'
lwp=$build/win/bin/lwp.exe
packer=$build/native/bin/packer
stream=$build/win/payload/FILES
[ -e "$stream" ] || stream=$root/dist/FILES
for need in "$lwp" "$packer" "$stream"; do
  [ -e "$need" ] || { echo "screenshot: $need is missing; run scripts/build.sh first" >&2; exit 1; }
done

session=$build/win/wine-screenshot
# A pristine prefix takes a while to make; the test run's one serves as well.
if [ ! -d "$session/template" ] && [ -d "$build/win/wine/template" ]; then
  mkdir -p "$session"
  cp -a "$build/win/wine/template" "$session/template"
fi
"$root/tests/wine/wine-session.sh" start "$session" >/dev/null
trap '"$root/tests/wine/wine-session.sh" stop "$session" >/dev/null 2>&1 || true' EXIT
# shellcheck disable=SC1091
. "$session/session.env"
export WINEPREFIX=$session/prefix WINEDEBUG=-all

# This Wine does not find the fonts of its own data folder, so windows get DejaVu Sans and the
# caption buttons lose their Marlett glyphs; from the prefix's font folder they load.
for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
  [ -e "/usr/share/wine/fonts/$font" ] && cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done

spellcheck=$WINEPREFIX/drive_c/ProgramData/Larkspur/Public/Spellcheck
mkdir -p "$spellcheck"
"$packer" extract "$stream" "$spellcheck" Latin.lsc hunspell.dll la.dic la.aff userdicla.tlx Latin.hyph >/dev/null

# The close timer is only a safety net; the session's end stops the program anyway.
wine "$lwp" --close-after 300000 >/dev/null 2>&1 </dev/null &

window=
for _ in $(seq 600); do
  window=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$caption\":" 'index($0, name) { print $1; exit }')
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot: the window \"$caption\" did not appear" >&2; exit 1; }
sleep 2  # let it paint

geometry() { xwininfo -id "$window" | awk -v key="$1" '$0 ~ key { print $NF }'; }
x=$(geometry 'Absolute upper-left X:')
y=$(geometry 'Absolute upper-left Y:')
width=$(geometry 'Width:')
height=$(geometry 'Height:')
mkdir -p "$(dirname "$output")"
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$output"
echo "screenshot: $output (${width}x${height})"
