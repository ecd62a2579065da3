#!/usr/bin/env bash
# The Windows build: cross-compiled with MinGW-w64 against the prebuilt Qt for MinGW
# (qt6-mingw-x86_64.tar.xz), packaged as an NSIS installer and a portable zip, and run under Wine:
#   - merion-cli.exe runs the core cases (import, show, export, sdcard, plot, DXF) and every output
#     file, standard output, standard error and exit status is byte for byte the Linux build's;
#   - the installer installs silently into Program Files, and its uninstaller removes the program
#     but leaves the user's project;
#   - merion.exe shows its main window in Chinese and in English on a virtual X display (Qt's
#     windows platform) and quits when asked to close (screenshots in $MERION_SCREENS).
# It needs the Qt tarball; without it (or with MERION_SKIP_WINDOWS=1) it says so and succeeds.
#   MERION_MINGW_TARBALL  the tarball (default ../shared/toolchains/qt6-mingw-x86_64.tar.xz)
#   MERION_MINGW_QT       where it is unpacked (default /opt/qt6-mingw-x86_64)
#   MERION_SCREENS        where the screenshots go (default build-windows/screens)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
started=$SECONDS
say() { echo "test-windows: $*"; }
fail() { echo "test-windows: FAILED: $*" >&2; exit 1; }

if [ "${MERION_SKIP_WINDOWS:-0}" = 1 ]; then say "skipped (MERION_SKIP_WINDOWS=1)"; exit 0; fi
tarball=${MERION_MINGW_TARBALL:-$repo/../shared/toolchains/qt6-mingw-x86_64.tar.xz}
if [ ! -f "$tarball" ]; then say "skipped: no Qt for MinGW at $tarball (set MERION_MINGW_TARBALL)"; exit 0; fi

# What this stage alone needs from Debian (the Linux build's packages come from setup-debian.sh).
needed=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 nsis
        xvfb xauth xdotool qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core fonts-noto-cjk)
missing=()
for package in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" = 0 ] || sudo=(sudo)
  if ! { "${sudo[@]}" apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null; }; then
    say "skipped: cannot install ${missing[*]}"
    exit 0
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
export MERION_MINGW_QT=$qt

# The Linux build gives the reference outputs and the Help.pdf the Windows build ships.
if [ ! -f build/build.ninja ]; then
  bash scripts/build.sh
else
  cmake --build build --target merion-cli help_pdf
fi
native_cli=$repo/build/bin/merion-cli

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset windows -DMERION_MINGW_QT="$qt" -DMERION_HELP_PDF="$repo/build/bin/Help.pdf" "${launcher[@]}" >/dev/null
cmake --build build-windows -j"$(nproc)"
built=$SECONDS
runtime=$repo/build-windows/runtime
for file in merion.exe merion-cli.exe Help.pdf Qt6Core.dll Qt6Widgets.dll Qt6Sql.dll sqlite3.dll \
            libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll platforms/qoffscreen.dll \
            sqldrivers/qsqlite.dll translations/qtbase_zh_CN.qm; do
  [ -f "$runtime/$file" ] || fail "runtime/ has no $file"
done

# A Wine prefix of our own, made once.
export WINEPREFIX=${MERION_WINEPREFIX:-$repo/build-windows/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1 || true
[ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no Wine prefix in $WINEPREFIX"

scratch=$(mktemp -d)
cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# The command-line cases, each run in a folder of its own copy of the inputs: what it printed
# (standard output and standard error apart) and its exit status go into case files.
run_cases() {
  local folder=$1; shift
  local -a cli=("$@")
  mkdir -p "$folder"
  cp tests/data/files/gbk_points.txt tests/data/t5_job_file.txt tests/data/files/utf8_bom_points.txt "$folder/"
  local n=0
  one() {
    n=$((n + 1))
    local status=0
    (cd "$folder" && "${cli[@]}" --database project.db "$@" >"case$n.out" 2>"case$n.err") || status=$?
    printf '%s\nexit %s\n' "$*" "$status" >"$folder/case$n.status"
  }
  one import coor gbk_points.txt
  one import coor utf8_bom_points.txt
  one import t5 t5_job_file.txt
  one show coor
  one show meas
  one export list list.csv --kind coor
  one export file coor-space.txt --kind coor --separator space --format 2
  one export data data.txt --kind coor
  one export full full.csv --kind meas --angles deg
  one export angle angle.txt
  one export hd hd.txt
  one sdcard card JOBS --job 3
  one export dxf points.dxf --kind coor
  one plot plan.svg --kind coor
  one plot plan.png --kind coor --size 400x300 --no-labels
  one import coor missing.txt
  one show nothing
  rm -f "$folder/project.db"
}
run_cases "$scratch/linux" "$native_cli"
run_cases "$scratch/windows" "$wine" "$runtime/merion-cli.exe"
# The Windows run keeps every download's raw bytes beside the project too; both have none here.
if ! diff -r "$scratch/linux" "$scratch/windows" >"$scratch/cli.diff"; then
  cat "$scratch/cli.diff" >&2
  fail "merion-cli.exe under Wine differs from the Linux merion-cli (above)"
fi
say "merion-cli.exe: $(ls "$scratch/windows" | wc -l) outputs of $(ls "$scratch/windows"/*.status | wc -l) cases byte-identical to Linux"
