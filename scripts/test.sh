#!/usr/bin/env bash
# Builds and runs every test (the GUI tests use Qt's offscreen platform, so no display is
# needed), then checks the installed tree and the DEB package of that same build, and last the
# Windows build under Wine where its toolchain is at hand. Each configuration is built once:
# build/ (program, tests, benchmarks), build-fuzz/ (clang: the core library and the fuzz targets
# only) and build-windows/ (MinGW-w64: the programs and the core's tests). Each stage's time is
# printed at its end, and all of them at the end of the run.
set -euo pipefail
cd "$(dirname "$0")/.."
stage_times=()
stage_started=$SECONDS
stage_done() {
  stage_times+=("$(printf '%-34s %4d s' "$1" $((SECONDS - stage_started)))")
  echo "test: $1 took $((SECONDS - stage_started)) s"
  stage_started=$SECONDS
}
report_times() {
  # A run that stopped early still waits for the Windows setup it started, and shows its log.
  if [ -n "${windows_setup:-}" ]; then
    wait "$windows_setup" 2>/dev/null || true
    cat "$windows_setup_log"
  fi
  rm -f "${windows_setup_log:-}"
  echo "test: time by stage"
  printf '  %s\n' "${stage_times[@]}"
  echo "  whole run                          $(printf '%4d' "$SECONDS") s"
}
trap report_times EXIT

bash scripts/setup-debian.sh
export MERION_SETUP_DONE=1
stage_done "setup (Debian packages)"
# The Windows stage's packages and toolchain are installed while the Linux build compiles: the
# download and unpacking wait on the network and the disk, the build on the processors.
windows_setup_log=$(mktemp)
windows_setup=
if [ "${MERION_SKIP_WINDOWS:-0}" != 1 ]; then
  bash scripts/setup-windows.sh >"$windows_setup_log" 2>&1 &
  windows_setup=$!
fi
bash scripts/build.sh
stage_done "build (build/)"
# The tests run on a settled machine: no package (and no font) arrives while they run.
if [ -n "$windows_setup" ]; then
  wait "$windows_setup" || true # test-windows.sh runs the setup again and says what is wrong
  cat "$windows_setup_log"
  windows_setup=
  stage_done "rest of the Windows setup"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
stage_done "tests (build/)"

# The fuzz targets, built with clang in a folder of their own, each run once over its seeds.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Line tables are all a sanitizer's report needs to name the lines.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DMERION_FUZZ=ON -DMERION_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG" "${launcher[@]}"
cmake --build build-fuzz -j"$(nproc)"
ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)"
stage_done "fuzz build and seeds (build-fuzz/)"
# The installed tree and the package, from the build the tests ran on.
bash scripts/package.sh build
stage_done "install tree and package"
# The Windows serial backend compiles with MinGW-w64 without a warning.
bash scripts/check-mingw.sh
# The Windows build, tested under Wine, where the Qt for MinGW is at hand (../shared/toolchains/
# or MERION_MINGW_TARBALL); MERION_SKIP_WINDOWS=1 leaves it out. See the README's "Windows".
bash scripts/test-windows.sh
stage_done "Windows build under Wine"
