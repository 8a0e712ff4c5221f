#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, and nothing that is already there.
# Safe to run again: every step checks first. Runs as root, or through sudo when not root.
set -euo pipefail

if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

# Native packages (amd64) and the 32-bit Wine runtime (i386).
NATIVE_PACKAGES=(
  g++-mingw-w64-i686 libz-mingw-w64-dev
  cmake ninja-build g++ clang
  googletest zlib1g-dev libzopfli-dev
  wine wine64 fonts-wine qemu-user-static xvfb xauth imagemagick
  dpkg-dev ca-certificates locales
)
# wine32-preloader matters: without it the 32-bit loader reserves its address space one probe
# at a time, which takes over a minute per process under qemu.
I386_PACKAGES=(wine32:i386 wine32-preloader:i386)
# node and npm fetch and convert the payload's npm inputs; a machine may bring its own build.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  NATIVE_PACKAGES+=(nodejs npm)
fi

missing=()
for p in "${NATIVE_PACKAGES[@]}" "${I386_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${SUDO[@]}" dpkg --add-architecture i386
  need_update=1
fi

# Debian's source packages are fetched with apt-get source, which needs deb-src entries.
SRC_LIST=/etc/apt/sources.list.d/larkspur-deb-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  "${SUDO[@]}" tee "$SRC_LIST" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${codename}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ "$need_update" -eq 1 ]; then
  "${SUDO[@]}" apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  "${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "install-deps: all packages present"
fi

# Some kernels here boot with 32-bit emulation switched off, so an i386 ELF (the 32-bit Wine
# loader) cannot be executed directly. Route i386 ELF binaries through qemu-user instead.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || "${SUDO[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::${magic}:${mask}:/usr/bin/qemu-i386-static:F" | "${SUDO[@]}" tee "$binfmt/register" >/dev/null
    echo "install-deps: i386 binaries now run through qemu-i386-static"
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "install-deps: the 32-bit Wine loader does not start" >&2; exit 1; }
fi
