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
# Line tables give a failing test its backtrace at a quarter less compiling than full debug
# information; lld links the hundred test programs in a fraction of ld's time.
flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")
command -v ld.lld >/dev/null && flags+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERION_WERROR=ON -DMERION_BENCHMARKS=ON \
  "${flags[@]}" "${launcher[@]}"
cmake --build build -j"$(nproc)"
