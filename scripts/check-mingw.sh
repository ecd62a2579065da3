#!/usr/bin/env bash
# Compiles the serial port's Windows backend and the byte-stream interface it implements with
# MinGW-w64, as the users' Windows builds will, and fails on any error or warning. These files
# use only the standard library and <windows.h>, so no Qt for Windows is needed here.
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
  echo "check-mingw: $compiler is missing (Debian package g++-mingw-w64-x86-64; scripts/setup-debian.sh installs it)" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for source in src/core/link/serial_port.cpp src/core/link/serial_port_win32.cpp tests/win32/serial_console.cpp; do
  "$compiler" -std=c++20 -Wall -Wextra -Werror -Isrc -c "$source" -o "$out/$(basename "$source").o"
done
# The console check links like a program of the users' machines would.
"$compiler" -static -o "$out/serial_console.exe" "$out"/*.o
echo "check-mingw: the Windows serial backend compiles and links without a warning"
