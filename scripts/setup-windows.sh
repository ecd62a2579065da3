#!/usr/bin/env bash
# What the Windows stage needs besides the Linux build's packages: MinGW-w64 (posix threads),
# Wine, NSIS and the X tools from Debian, and the Qt for MinGW unpacked from its tarball. It does
# nothing when installed already, and exits 3 when the stage cannot run here (no tarball, or the
# packages cannot be installed), saying why. The test command starts it beside the Linux build.
#   MERION_MINGW_TARBALL  the tarball (default ../shared/toolchains/qt6-mingw-x86_64.tar.xz)
#   MERION_MINGW_QT       where it is unpacked (default /opt/qt6-mingw-x86_64)
set -euo pipefail
cd "$(dirname "$0")/.."
say() { echo "setup-windows: $*"; }

tarball=${MERION_MINGW_TARBALL:-$PWD/../shared/toolchains/qt6-mingw-x86_64.tar.xz}
if [ ! -f "$tarball" ]; then say "no Qt for MinGW at $tarball (set MERION_MINGW_TARBALL)"; exit 3; fi

needed=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 nsis
        xvfb xauth xdotool unzip pkg-config qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core fonts-noto-cjk)
missing=()
for package in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" = 0 ] || sudo=(sudo)
  # Wine with what it recommends: its fonts and libraries are what the desktop program is seen with.
  if ! { "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq &&
         DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >/dev/null; }; then
    say "cannot install ${missing[*]}"
    exit 3
  fi
fi

qt=${MERION_MINGW_QT:-/opt/qt6-mingw-x86_64}
if [ ! -f "$qt/lib/cmake/mingw-w64-x86_64-posix.cmake" ]; then
  unpacked=$(mktemp -d)
  tar -xJf "$tarball" -C "$unpacked"
  mkdir -p "$(dirname "$qt")"
  rm -rf "$qt"
  mv "$unpacked/qt6-mingw-x86_64" "$qt"
  rmdir "$unpacked"
fi
say "ready: Qt for MinGW in $qt"
