#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing MERION need, when missing.
set -euo pipefail
# The test command installs once at its start and then says so, as the Windows stage's packages
# may be installing beside its build by then.
[ "${MERION_SETUP_DONE:-0}" = 1 ] && exit 0

packages=(cmake ninja-build ccache g++ qt6-base-dev libqt6sql6-sqlite libsqlite3-dev fonts-noto-cjk qt6-translations-l10n qt6-l10n-tools
          libeigen3-dev libx11-dev xvfb xauth sqlite3 time gdal-bin poppler-utils help2man dpkg-dev g++-mingw-w64-x86-64 python3-ezdxf
          clang libclang-rt-14-dev lld libproj-dev proj-data proj-bin lintian desktop-file-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
