#!/bin/sh
# Runs a Windows program under Wine for ctest (CMAKE_CROSSCOMPILING_EMULATOR). Wine does not
# hand QT_* variables from Linux to Windows programs, so the ones the test programs need are set
# inside Wine by its command interpreter: the offscreen platform with a font folder, and Qt
# Test's log on standard error (without a console it would go to the debugger channel). The
# DLLs come from where they were built: the Qt prefix (whose plugins Qt then finds beside it)
# and MinGW's runtime.
set -e
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
qt=${MERION_MINGW_QT:-/opt/qt6-mingw-x86_64}
# Wine's drive Z: is the Linux root.
windows_path() { printf 'Z:%s' "$(readlink -f "$1")" | tr / '\\'; }
runtime_dir() { dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name="$1")"; }
# No quotes around it: Wine would pass them on escaped, which cmd does not read (so no
# spaces in the build folder's path either).
program=$(windows_path "$1")
shift
path="$(windows_path "$qt/bin");$(windows_path "$(runtime_dir libstdc++-6.dll)");$(windows_path "$(runtime_dir libwinpthread-1.dll)")"
fonts=$(windows_path /usr/share/fonts/truetype/dejavu)
exec "$wine" cmd /c "set PATH=$path;%PATH%&& set QT_QPA_PLATFORM=offscreen&& set QT_QPA_FONTDIR=$fonts&& set QT_FORCE_STDERR_LOGGING=1&& $program $*"
