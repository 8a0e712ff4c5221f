#!/usr/bin/env bash
# Runs one Windows program in the test run's Wine session (see wine-session.sh).
# LARKSPUR_WINE_DIR names the session folder; LARKSPUR_WINE_PREFIX picks a named prefix of its
# own (made on first use as a copy of the pristine template), for example for another code page.
set -euo pipefail
dir=${LARKSPUR_WINE_DIR:?LARKSPUR_WINE_DIR names the Wine session folder}
# shellcheck disable=SC1091
. "$dir/session.env"
prefix=$dir/prefix
if [ -n "${LARKSPUR_WINE_PREFIX:-}" ]; then
  prefix=$dir/prefix-$LARKSPUR_WINE_PREFIX
  [ -d "$prefix" ] || cp -a "$LARKSPUR_WINE_TEMPLATE" "$prefix"
fi
export WINEPREFIX=$prefix WINEDEBUG=-all
# Wine may start its long-lived helpers (services, the desktop) from this program; they inherit
# its output. Into a pipe, that would keep the caller waiting for an end of file that never
# comes, so the output goes to a file and is copied out when the program ends.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
wine "$@" >"$out" 2>&1 </dev/null || status=$?
cat "$out"
exit $status
