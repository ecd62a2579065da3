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
# scripts/setup-windows.sh installs what it needs.
#   MERION_MINGW_TARBALL  the tarball (default ../shared/toolchains/qt6-mingw-x86_64.tar.xz)
#   MERION_MINGW_QT       where it is unpacked (default /opt/qt6-mingw-x86_64)
#   MERION_SCREENS        where the screenshots go (default build-windows/screens)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
started=$SECONDS
say() { echo "test-windows: $*"; }
fail() { echo "test-windows: FAILED: $*" >&2; exit 1; }
# The files of a folder named yyyyMMdd-HHmmss-NAME[-N].EXT, where N counts the files made in the
# same second, oldest first: a line each with NAME and the file's name. Names, not times, decide,
# as a fast build makes in one second what a slow one makes in two.
by_time_made() {
  local file rest name number
  for file in $(ls "$1"); do
    rest=${file:16}
    rest=${rest%.*}
    name=${rest%-[0-9]*}
    number=${rest#"$name"}
    number=${number#-}
    printf '%s %05d %s %s\n' "${file:0:15}" "${number:-1}" "$name" "$file"
  done | LC_ALL=C sort | awk '{ print $3, $4 }'
}

if [ "${MERION_SKIP_WINDOWS:-0}" = 1 ]; then say "skipped (MERION_SKIP_WINDOWS=1)"; exit 0; fi
status=0
bash scripts/setup-windows.sh || status=$?
if [ "$status" = 3 ]; then say "skipped (above)"; exit 0; fi
[ "$status" = 0 ] || fail "scripts/setup-windows.sh failed ($status)"
qt=${MERION_MINGW_QT:-/opt/qt6-mingw-x86_64}
export MERION_MINGW_QT=$qt

# The Linux build gives the reference outputs and the Help.pdf the Windows build ships.
if [ ! -f build/build.ninja ]; then
  bash scripts/build.sh
else
  cmake --build build --target merion-cli merion-sim help_pdf
fi
native_cli=$repo/build/bin/merion-cli

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset windows -DMERION_MINGW_QT="$qt" -DMERION_HELP_PDF="$repo/build/bin/Help.pdf" "${launcher[@]}" >/dev/null
cmake --build build-windows -j"$(nproc)"
built=$SECONDS
runtime=$repo/build-windows/runtime
# The guides the Linux build wrote (the English one where it writes one) go with the program.
guides=(Help.pdf)
[ -f build/bin/Help-en.pdf ] && guides+=(Help-en.pdf)
for file in merion.exe merion-cli.exe "${guides[@]}" Qt6Core.dll Qt6Widgets.dll Qt6Sql.dll sqlite3.dll \
            libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll platforms/qoffscreen.dll \
            sqldrivers/qsqlite.dll translations/qtbase_zh_CN.qm; do
  [ -f "$runtime/$file" ] || fail "runtime/ has no $file"
done

wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
scratch=$(mktemp -d)
cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# A virtual X display for everything Wine runs: without one Wine cannot start its desktop
# process, and the first program of a new prefix can then hang at its end.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$scratch/display" ] && break; sleep 0.05; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")

# A Wine prefix of our own, made once.
export WINEPREFIX=${MERION_WINEPREFIX:-$repo/build-windows/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot -i >"$scratch/wineboot.log" 2>&1 || true
  # The registry reaches system.reg only when the Wine server leaves, some seconds after
  # wineboot itself has returned.
  "$wineserver" -w
  [ -f "$WINEPREFIX/system.reg" ] || { cat "$scratch/wineboot.log" >&2; fail "wineboot made no Wine prefix in $WINEPREFIX"; }
fi
# One Wine server for everything below: each program then starts in a fraction of a second.
# Its output goes to a log of its own: on its way out it can write out every object it holds.
"$wineserver" -p >build-windows/wineserver.log 2>&1
# Started once on its own first: two programs that both start Wine's services at once can leave
# one of them waiting at its end.
"$wine" cmd /c exit >/dev/null 2>&1

# The core's test programs, each under Wine (cmake/wine-run.sh).
# Wine now and then fails to start a program at all ("ShellExecuteEx failed"): a program that
# failed is run once more, and the log keeps both runs.
ctest --test-dir build-windows --output-on-failure -j"$(nproc)" --timeout 120 --repeat until-pass:2 \
  >build-windows/ctest.log 2>&1 ||
  { cat build-windows/ctest.log >&2; fail "the core's tests failed under Wine (above, build-windows/ctest.log)"; }
say "core tests under Wine: $(grep -o '[0-9]*% tests passed.*' build-windows/ctest.log)"


# The command-line cases, each run in a folder of its own copy of the inputs: what it printed
# (standard output and standard error apart) and its exit status go into case files.
run_cases() {
  local folder=$1; shift
  local -a cli=("$@")
  mkdir -p "$folder"
  cp tests/data/files/gbk_points.txt tests/data/t5_job_file.txt tests/data/files/utf8_bom_points.txt "$folder/"
  mkdir -p "$folder/card"
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
  # The copies of replaced lists, each table's numbered in the order they were made.
  if [ -d "$folder/discarded" ]; then
    by_time_made "$folder/discarded" | awk '{ k[$1]++; print $2, $1 "-" k[$1] ".csv" }' |
      while read -r from to; do mv "$folder/discarded/$from" "$folder/discarded/$to"; done
  fi
  # The plan's PNG draws the scale bar's text with the system's fonts: its size is compared.
  file -b "$folder/plan.png" >"$folder/plan.png.size" && rm "$folder/plan.png"
}
run_cases "$scratch/linux" "$native_cli"
run_cases "$scratch/windows" "$wine" "$runtime/merion-cli.exe"
# The Windows run keeps every download's raw bytes beside the project too; both have none here.
# A difference fails the stage at its end, after the installer and window checks have run.
cli_differs=0
if ! diff -r "$scratch/linux" "$scratch/windows" >build-windows/cli.diff; then
  cat build-windows/cli.diff >&2
  say "merion-cli.exe under Wine differs from the Linux merion-cli (above, build-windows/cli.diff)"
  cli_differs=1
else
  say "merion-cli.exe: $(ls "$scratch/windows" | wc -l) outputs of $(ls "$scratch/windows"/*.status | wc -l) cases byte-identical to Linux"
fi

# The serial port. merion-sim plays the instrument on a pseudo-terminal, natively; for the
# Windows build Wine's COM5 is that terminal (~/.wine/dosdevices/com5), so the Win32 serial code
# talks to it as to a cable. Each transfer runs through both builds in folders of their own, and
# everything they leave must agree byte for byte: what was received, what the project then holds,
# the bytes kept in downloads/, what the instrument got, the messages and the exit statuses.
sim=$repo/build/tests/tools/merion-sim
port_cases() {
  local folder=$1 windows=$2; shift 2
  local -a cli=("$@")
  mkdir -p "$folder"
  local n=0
  # transfer SIM-WORDS... -- CLI-WORDS...
  transfer() {
    n=$((n + 1))
    local -a sim_words=()
    while [ "$1" != -- ]; do sim_words+=("$1"); shift; done
    shift
    local log=$scratch/sim$n-$windows.log
    (cd "$folder" && exec "$sim" "${sim_words[@]}" --wait-ms 60000) >"$log" 2>&1 &
    local sim_pid=$!
    for _ in $(seq 200); do [ -s "$log" ] && break; sleep 0.05; done
    local pty device
    pty=$(head -1 "$log")
    [ -c "$pty" ] || fail "merion-sim gave no port (${sim_words[*]}): $(cat "$log")"
    device=$pty
    if [ "$windows" = 1 ]; then
      ln -sfn "$pty" "$WINEPREFIX/dosdevices/com5"
      device=COM5
    fi
    local status=0
    (cd "$folder" && timeout 120 "${cli[@]}" --database project.db "$@" --device "$device" \
       >"port$n.out" 2>"port$n.err") || status=$?
    local sim_status=0
    wait "$sim_pid" || sim_status=$?
    printf '%s\nexit %s\ninstrument exit %s\n' "$*" "$status" "$sim_status" >"$folder/port$n.status"
    sed -i "s|$device|DEVICE|g" "$folder/port$n.out" "$folder/port$n.err"
  }
  show() { (cd "$folder" && "${cli[@]}" --database project.db show "$1" >"$2" 2>&1) || echo "exit $?" >>"$folder/$2"; }
  transfer send "$repo/tests/data/t5_job.txt" --baud 0 -- download --instrument t5
  show meas port-meas1.txt
  show coor port-coor1.txt
  transfer send "$repo/tests/data/t5_job.txt" --baud 0 -- download --instrument t5 --raw raw.txt
  # The instrument switched off mid-job: the message names the bytes, the job stays the old one.
  transfer send "$repo/tests/data/t5_job.txt" --baud 0 --no-eot --hang-up-after 100 -- download --instrument t5
  show meas port-meas2.txt
  transfer receive --out received-t5.txt -- upload --instrument t5
  # Not here: the DC1/DC3 handshake. merion-sim sends its first DC1 the moment the port turns
  # raw, and under Wine that is before the upload has emptied the port's input, so it waits for
  # a DC1 that was thrown away; the Linux build is quick enough to empty the input first.
  transfer receive --out received-cut.txt --hang-up-after-lines 2 -- upload --instrument t5
  # The bytes kept of each download, in the order they came.
  if [ -d "$folder/downloads" ]; then
    by_time_made "$folder/downloads" | awk '{ print $2, "kept" NR ".txt" }' |
      while read -r from to; do mv "$folder/downloads/$from" "$folder/$to"; done
    rmdir "$folder/downloads"
  fi
  rm -f "$folder/project.db"
}
if [ -x "$sim" ]; then
  port_cases "$scratch/port-linux" 0 "$native_cli"
  port_cases "$scratch/port-windows" 1 "$wine" "$runtime/merion-cli.exe"
  if ! diff -r "$scratch/port-linux" "$scratch/port-windows" >build-windows/port.diff; then
    cat build-windows/port.diff >&2
    fail "transfers through Wine's COM5 differ from the Linux build's (above, build-windows/port.diff)"
  fi
  cmp -s "$scratch/port-windows/raw.txt" tests/data/t5_job.txt ||
    fail "the raw download through COM5 is not the instrument's job byte for byte"
  say "serial port: $(ls "$scratch/port-windows"/port*.status | wc -l) transfers through Wine's COM5 (downloads, a hang-up, uploads) byte-identical to Linux"
else
  fail "no merion-sim in build/tests/tools: the serial cases cannot run"
fi

# The installer and the portable zip; the zip holds the tree the installer installs.
version=$(sed -n 's/^project(merion VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
(cd build-windows && cpack >/dev/null)
installer=build-windows/merion-$version-win64.exe
portable=build-windows/merion-$version-win64.zip
[ -f "$installer" ] && [ -f "$portable" ] || fail "cpack made no $installer and $portable"
unzip -Z1 "$portable" | sed -n 's|^merion-[^/]*/||p' | grep -v '/$' | sort >build-windows/installed-files.txt
for file in bin/merion.exe bin/merion-cli.exe bin/Qt6Widgets.dll bin/platforms/qwindows.dll \
            bin/sqldrivers/qsqlite.dll bin/translations/qtbase_zh_CN.qm "${guides[@]/#/share/merion/}"; do
  grep -qx "$file" build-windows/installed-files.txt || fail "$portable has no $file"
done
say "$installer $(stat -c %s "$installer") bytes, $portable $(stat -c %s "$portable") bytes, $(wc -l <build-windows/installed-files.txt) files (build-windows/installed-files.txt)"

# Installed silently into Program Files, with its Start-menu entries; the project the installed
# merion-cli makes in the user's data folder outlives the uninstaller.
# The installers hand over to child processes: the Wine server's end is what says they are
# done, so it may no longer linger.
"$wineserver" -k 2>/dev/null || true
# No Linux desktop entries from Wine's menu builder for what is installed here.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/MERION"
"$wine" "$installer" /S
"$wineserver" -w
[ -f "$installed/bin/merion.exe" ] || fail "the installer put no merion.exe in $installed/bin"
[ -f "$installed/share/merion/Help.pdf" ] || fail "the installer put no Help.pdf in $installed/share/merion"
menu=$(find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -path '*MERION*' -name '*.lnk' | wc -l)
[ "$menu" -ge 2 ] || fail "the installer made $menu Start-menu entries (program, help, uninstaller expected)"
"$wine" "$installed/bin/merion-cli.exe" point add KEEP 1 2 3 >/dev/null
project=$(find "$drive_c/users" -path '*AppData*merion*' -name Adjustment.db | head -1)
[ -n "$project" ] || fail "the installed merion-cli.exe made no project in the user's data folder"
"$wine" "$installed/Uninstall.exe" /S
"$wineserver" -w
[ ! -e "$installed/bin/merion.exe" ] || fail "the uninstaller left merion.exe"
[ -f "$project" ] || fail "the uninstaller removed the user's project $project"
rm -rf "$(dirname "$project")"
say "installer: installs into Program Files with $menu Start-menu entries; the uninstaller keeps the user's project"

# The desktop program on a virtual X display through Qt's windows platform, in both languages.
screens=${MERION_SCREENS:-build-windows/screens}
mkdir -p "$screens"
g++ -std=c++20 -O1 -fPIC -o "$scratch/screen_grab" tests/win32/screen_grab.cpp $(pkg-config --cflags --libs Qt6Gui)
grab() { QT_QPA_PLATFORM=xcb "$scratch/screen_grab" "$1"; }
for lang in zh en; do
  "$wine" "$runtime/merion.exe" --lang "$lang" --database "$scratch/gui-$lang.db" &
  gui=$!
  # Polled rather than xdotool's --sync: a window that vanishes while xdotool walks the tree
  # (Wine's helper windows come and go at start-up) ends xdotool with an X error.
  shown=0
  for _ in $(seq 240); do
    if xdotool search --onlyvisible --class merion.exe >/dev/null 2>&1; then shown=1; break; fi
    sleep 0.5
  done
  [ "$shown" = 1 ] || fail "merion.exe --lang $lang showed no window within 2 minutes"
  # Drawn once the screen is not blank and two grabs in a row agree.
  rm -f "$scratch/previous.png" "$scratch/current.png"
  for _ in $(seq 300); do
    status=0
    grab "$scratch/current.png" || status=$?
    [ "$status" = 3 ] && continue
    [ "$status" = 0 ] || fail "screen_grab failed ($status)"
    cmp -s "$scratch/current.png" "$scratch/previous.png" && break
    mv "$scratch/current.png" "$scratch/previous.png"
  done
  [ -f "$scratch/current.png" ] || fail "merion.exe --lang $lang drew nothing"
  mv "$scratch/current.png" "$screens/win-$lang.png"
  # taskkill without /f sends WM_CLOSE, as the window's close button does.
  "$wine" taskkill /im merion.exe >/dev/null
  status=0
  timeout 60 tail --pid="$gui" -f /dev/null || fail "merion.exe --lang $lang did not quit when closed"
  wait "$gui" || status=$?
  [ "$status" = 0 ] || fail "merion.exe --lang $lang ended with status $status"
done
say "merion.exe: main window in Chinese and English ($screens/win-zh.png, win-en.png), quits when closed"
say "the Windows stage took $((SECONDS - started)) s (build $((built - started)) s)"
[ "$cli_differs" = 0 ] || fail "merion-cli.exe's outputs differ from Linux (build-windows/cli.diff)"
