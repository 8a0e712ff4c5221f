#!/usr/bin/env bash
# Builds the libFuzzer targets of the payload archive with clang++ into build/fuzz and runs one
# of them for a while. Not part of the normal build.
#   scripts/fuzz-archive.sh [SECONDS] [archive|inflate]      defaults: 60 seconds, archive
#     archive  the archive walk (ReadArchive) on arbitrary bytes
#     inflate  the setup's inflate of a FILES stream, checked against zlib, then the walk
# Findings land in build/fuzz as crash-*/leak-*/timeout-* files; the growing corpus is kept in
# build/fuzz/corpus-TARGET for the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
target=${2:-archive}
out="$root/build/fuzz"
mkdir -p "$out"

flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -fno-omit-frame-pointer -I"$root")
archive_sources=(payload/ArchiveFormat.cpp payload/ArchiveTime.cpp)
case "$target" in
  archive) clang++ "${flags[@]}" tests/fuzz/archive_fuzz.cpp "${archive_sources[@]}" -o "$out/archive_fuzz" ;;
  inflate) clang++ "${flags[@]}" tests/fuzz/inflate_fuzz.cpp "${archive_sources[@]}" \
             resources/packer/ZlibStream.cpp -lz -o "$out/inflate_fuzz" ;;
  *) echo "usage: $0 [SECONDS] [archive|inflate]" >&2; exit 2 ;;
esac

# Seeds: the shapes worth starting from. An entry is: name length, name, 8-byte time, 4-byte size.
seeds="$out/seeds-archive"
mkdir -p "$seeds"
: > "$seeds/empty"
printf '\x0bLicense.txt\x02\xd4\xfb\xf8\xaf\x99\xe5\x40\x05\x00\x00\x00hello' > "$seeds/one-entry"
printf '\x05empty\x00\x00\x00\x00\x3e\x32\xe5\x40\x00\x00\x00\x00\x01a\x00\x00\x00\x00\x00\x32\xe4\x40\x02\x00\x00\x00xy' > "$seeds/empty-then-another"
printf '\x0bLicense.txt\x02\xd4\xfb' > "$seeds/cut-header"
printf '\x01a\x00\x00\x00\x00\x00\x32\xe4\x40\x09\x00\x00\x00short' > "$seeds/cut-content"
printf '\x01a\x00\x00\x00\x00\x00\x32\xe4\x40\xff\xff\xff\xff' > "$seeds/negative-size"
if [ "$target" = inflate ]; then
  zseeds="$out/seeds-inflate"
  mkdir -p "$zseeds"
  printf '\x78\x9c\x03\x00\x00\x00\x00\x01' > "$zseeds/empty"
  if command -v python3 >/dev/null; then
    python3 - "$seeds" "$zseeds" <<'PY'
import os, sys, zlib
src, dst = sys.argv[1], sys.argv[2]
for name in os.listdir(src):
    data = open(os.path.join(src, name), "rb").read()
    for level in (1, 9):
        open(os.path.join(dst, f"{name}-{level}"), "wb").write(zlib.compress(data, level))
PY
  fi
  seeds=$zseeds
fi

corpus="$out/corpus-$target"
mkdir -p "$corpus"
cd "$out"
exec "./${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$out/$target-" "$corpus" "$seeds"
