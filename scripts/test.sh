#!/usr/bin/env bash
# Builds and runs every test (the GUI tests use Qt's offscreen platform, so no display is
# needed), then makes and checks the Release build, the installed tree and the DEB package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash scripts/package.sh
# The Windows serial backend compiles with MinGW-w64 without a warning.
bash scripts/check-mingw.sh
