#!/usr/bin/env bash
# Fetches the payload's third-party inputs, checks them against pinned checksums, unpacks them
# and prints the folder that holds them. Only that path goes to stdout; messages go to stderr.
#
#   <deps>/hunspell        Debian's hunspell source (the upstream tarball of 1.7.1-1)
#   <deps>/dictionary-la   npm dictionary-la 1.0.3: index.aff, index.dic, license
#   <deps>/hyphen          npm hyphen 1.14.1: patterns/la.js and the package's licence
#
# Downloads are kept in ${LARKSPUR_CACHE:-~/.cache/larkspur-setup}, so a later build needs no
# network. An input that is already unpacked from the pinned checksum is left alone.
set -euo pipefail
shopt -s inherit_errexit  # command substitutions stop at the first failure too
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/${LARKSPUR_BUILD:-build}/deps
cache=${LARKSPUR_CACHE:-$HOME/.cache/larkspur-setup}

HUNSPELL_DEBIAN_VERSION=1.7.1-1
HUNSPELL_ORIG=hunspell_1.7.1.orig.tar.gz
HUNSPELL_ORIG_TOP=hunspell-1.7.1
HUNSPELL_ORIG_SHA256=b2d9c5369c2cc7f321cb5983fda2dbf007dce3d9e17519746840a6f0c4bf7444

DICTIONARY_SPEC=dictionary-la@1.0.3
DICTIONARY_TGZ=dictionary-la-1.0.3.tgz
DICTIONARY_INTEGRITY=sha512-POCFZrBXOqT9AOSFEgHNrjLg5lpIB4tsJRiV2BL3iGLem7Io9/W8bE8qnKN/FMXrF0LzdITatYoleeRuKc+shw==

HYPHEN_SPEC=hyphen@1.14.1
HYPHEN_TGZ=hyphen-1.14.1.tgz
HYPHEN_INTEGRITY=sha512-kvL8xYl5QMTh+LwohVN72ciOxC0OEV79IPdJSTwEXok9y9QHebXGdFgrED4sWfiax/ODx++CAMk3hMy4XPJPOw==

log() { echo "fetch-deps: $*" >&2; }
die() { log "error: $*"; exit 1; }

work=""
cleanup() { [ -z "$work" ] || rm -rf "$work"; }
trap cleanup EXIT

# The checksum forms the pins use: "sha256-<hex>" for Debian, npm's "sha512-<base64>" for npm.
checksum_of() {
  local kind=$1 file=$2
  case $kind in
    sha256) echo "sha256-$(sha256sum "$file" | cut -d' ' -f1)" ;;
    sha512) echo "sha512-$(sha512sum "$file" | cut -d' ' -f1 | tr a-f A-F | basenc --base16 -d | base64 -w0)" ;;
  esac
}

downloader_hunspell() {
  local into=$1
  command -v apt-get >/dev/null || die "apt-get is missing"
  # apt warns that it downloads unsandboxed when run as root into a private folder; harmless.
  (cd "$into" && apt-get source -q --download-only "hunspell=$HUNSPELL_DEBIAN_VERSION" >&2) ||
    die "apt-get source hunspell=$HUNSPELL_DEBIAN_VERSION failed (is there a deb-src entry? run scripts/install-deps.sh)"
}

downloader_npm() {
  local package=$1 into=$2
  command -v npm >/dev/null || die "npm is missing"
  (cd "$into" && npm pack --silent "$package" >&2) || die "npm pack $package failed"
}

# Puts a verified copy of a download into the cache and prints its path.
# fetch_verified FILE PIN DOWNLOADER [ARGS...]
fetch_verified() {
  local file=$1 pin=$2; shift 2
  local cached=$cache/$file kind=${pin%%-*}
  if [ -f "$cached" ]; then
    if [ "$(checksum_of "$kind" "$cached")" = "$pin" ]; then
      echo "$cached"
      return
    fi
    log "cached $file does not match its pinned checksum; fetching it again"
    rm -f "$cached"
  fi
  log "downloading $file"
  local incoming
  incoming=$(mktemp -d "$work/download.XXXXXX")
  "$@" "$incoming"
  [ -f "$incoming/$file" ] || die "the download did not produce $file"
  local got
  got=$(checksum_of "$kind" "$incoming/$file")
  [ "$got" = "$pin" ] || die "checksum mismatch for $file: expected $pin, got $got"
  mkdir -p "$cache"
  # Copy beside the final name first: the cache may be on another file system than the download.
  cp "$incoming/$file" "$cached.partial.$$"
  mv "$cached.partial.$$" "$cached"
  echo "$cached"
}

# Unpacks a verified tarball into <deps>/NAME, entering the tarball's one top folder TOP.
# The result appears under its final name only when complete; a stamp records the pin.
# install_input NAME TOP FILE PIN DOWNLOADER [ARGS...]
install_input() {
  local name=$1 top=$2 file=$3 pin=$4; shift 4
  local target=$deps/$name stamp=.larkspur-verified
  if [ -f "$target/$stamp" ] && [ "$(cat "$target/$stamp")" = "$pin" ]; then
    log "$name: up to date"
    return
  fi
  rm -rf "$deps/.$name."*  # staging folders of a run that was cut short
  local tarball
  tarball=$(fetch_verified "$file" "$pin" "$@")
  local staging
  staging=$(mktemp -d "$deps/.$name.XXXXXX")
  tar -xzf "$tarball" -C "$staging" --no-same-owner || { rm -rf "$staging"; die "cannot unpack $file"; }
  [ -d "$staging/$top" ] || { rm -rf "$staging"; die "$file has no top folder $top"; }
  echo "$pin" >"$staging/$top/$stamp"
  rm -rf "$target"
  mv "$staging/$top" "$target"
  rm -rf "$staging"
  log "$name: unpacked from $file"
}

mkdir -p "$deps"
work=$(mktemp -d)
install_input hunspell "$HUNSPELL_ORIG_TOP" "$HUNSPELL_ORIG" "sha256-$HUNSPELL_ORIG_SHA256" downloader_hunspell
install_input dictionary-la package "$DICTIONARY_TGZ" "$DICTIONARY_INTEGRITY" downloader_npm "$DICTIONARY_SPEC"
install_input hyphen package "$HYPHEN_TGZ" "$HYPHEN_INTEGRITY" downloader_npm "$HYPHEN_SPEC"
echo "$deps"
