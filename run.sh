#!/usr/bin/env bash
# Installs what is missing, builds everything and says where the outputs are.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"
"$root/scripts/build.sh"
echo
echo "Outputs in $root/dist:"
ls -l "$root/dist"
