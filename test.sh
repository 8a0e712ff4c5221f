#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: native tests first, then the
# Windows tests under Wine. Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"
build=${LARKSPUR_BUILD:-build}
"$root/scripts/build.sh"

# The Wine session is stopped by its CTest fixture; this catches an interrupted run too.
trap '"$root/tests/wine/wine-session.sh" stop "$root/$build/win/wine" >/dev/null 2>&1 || true' EXIT

status=0
echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=1
echo "== Windows tests under Wine"
ctest --test-dir "$build/win" --output-on-failure -j 2 --timeout 900 || status=1
exit $status
