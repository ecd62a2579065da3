#!/usr/bin/env bash
# Configures and builds everything (program, command line, tests, benchmarks) in build/, with
# warnings as errors as the test command wants them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
# The setup installs ccache: a rebuild, or a second folder of the same sources, compiles only
# what changed.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERION_WERROR=ON -DMERION_BENCHMARKS=ON \
  "${launcher[@]}"
cmake --build build -j"$(nproc)"
