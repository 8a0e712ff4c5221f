#!/usr/bin/env bash
# Installs what is missing, builds everything, prepares the demo Wine prefix (the stand-in host
# installed in the default home folder) and says where the outputs are.
#   ./run.sh            build and prepare the demo (the prefix is kept between runs)
#   ./run.sh --fresh    the same with the demo prefix made anew
#   ./run.sh --host     then start the stand-in host in the demo prefix
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

fresh=0
start_host=0
for arg in "$@"; do
  case $arg in
    --fresh) fresh=1 ;;
    --host) start_host=1 ;;
    *) echo "usage: $0 [--fresh] [--host]" >&2; exit 2 ;;
  esac
done

"$root/scripts/build.sh"

demo=$root/build/demo
prefix=$demo/prefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64
if [ "$fresh" -eq 1 ]; then
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
if [ ! -d "$prefix" ]; then
  echo "Preparing the demo Wine prefix in $prefix ..."
  mkdir -p "$demo"
  wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
# The setup is a 32-bit program: in a 64-bit prefix its program-files folder is the (x86) one.
home="$prefix/drive_c/Program Files (x86)/Larkspur"
mkdir -p "$home"
cp "$root/dist/host/lwp.exe" "$home/lwp.exe"

echo
echo "Outputs in $root/dist:"
(cd "$root/dist" && find . -type f | sort | sed 's/^\.\//  /')
echo
echo "Demo prefix: $prefix"
echo "  stand-in host installed as C:\\Program Files (x86)\\Larkspur\\lwp.exe"
echo "  start it:  WINEPREFIX=$prefix wine 'C:\\Program Files (x86)\\Larkspur\\lwp.exe'"

if [ "$start_host" -eq 1 ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY is set: start an X server (for example Xvfb :5 &; export DISPLAY=:5) first." >&2
    exit 1
  fi
  wine "C:\\Program Files (x86)\\Larkspur\\lwp.exe"
fi
