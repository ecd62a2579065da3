#!/usr/bin/env bash
# Builds and runs every test (the GUI tests use Qt's offscreen platform, so no display is
# needed), then checks the installed tree and the DEB package of that same build. Each
# configuration is built once: build/ (program, tests, benchmarks) and build-fuzz/ (clang: the
# core library and the fuzz targets only).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The fuzz targets, built with clang in a folder of their own, each run once over its seeds.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DMERION_FUZZ=ON -DMERION_WERROR=ON "${launcher[@]}"
cmake --build build-fuzz -j"$(nproc)"
ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)"
# The installed tree and the package, from the build the tests ran on.
bash scripts/package.sh build
# The Windows serial backend compiles with MinGW-w64 without a warning.
bash scripts/check-mingw.sh
