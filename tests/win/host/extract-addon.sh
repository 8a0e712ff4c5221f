#!/usr/bin/env bash
# Unpacks the six add-on files from the packed payload, for the stand-in's tests:
#   extract-addon.sh PACKER FILES OUTDIR
set -euo pipefail
packer=${1:?packer program}
stream=${2:?packed FILES stream}
out=${3:?output folder}
for need in "$packer" "$stream"; do
  [ -e "$need" ] || { echo "extract-addon: $need is missing (build the native tools and the payload first)" >&2; exit 1; }
done
rm -rf "$out"
mkdir -p "$out"
"$packer" extract "$stream" "$out" Latin.lsc hunspell.dll la.dic la.aff userdicla.tlx Latin.hyph
