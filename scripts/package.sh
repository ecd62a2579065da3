#!/usr/bin/env bash
# The build a user or packager gets: the installed programs only (no tests, no benchmarks),
# Release (-O3) in build-release/, installed into a scratch folder and packaged with
# `cpack -G DEB`; each result is checked. Warnings are errors here too.
#
# `bash scripts/package.sh FOLDER` checks and packages a build folder made already instead (the
# test command's build/: the same programs, built with the tests' settings).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
folder=${1:-}
if [ -z "$folder" ]; then
  folder=build-release
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMERION_WERROR=ON \
    "${launcher[@]}"
fi
cmake --build "$folder" -j"$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

# The installed tree: every file in its place, and the installed programs run from it.
cmake --install "$folder" --prefix "$scratch/usr" >/dev/null
expected=(
  bin/merion bin/merion-cli bin/merion-sim
  share/applications/merion.desktop
  share/icons/hicolor/scalable/apps/merion.svg
  share/icons/hicolor/16x16/apps/merion.png share/icons/hicolor/48x48/apps/merion.png
  share/icons/hicolor/256x256/apps/merion.png
  share/man/man1/merion-cli.1.gz share/man/man1/merion.1.gz share/man/man1/merion-sim.1.gz
  share/doc/merion/changelog.gz share/doc/merion/copyright
)
# Files that ship with the program once the build makes them beside it (Help.pdf, translations).
for made in Help.pdf translations; do
  [ -e "$folder/bin/$made" ] || continue
  for file in $(cd "$folder/bin" && find "$made" -type f); do expected+=("share/merion/$file"); done
done
for file in "${expected[@]}"; do
  [ -f "$scratch/usr/$file" ] || fail "cmake --install gave no $file"
done
version=$(sed -n 's/^project(merion VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$("$scratch/usr/bin/merion-cli" --version)" = "merion-cli $version" ] || fail "installed merion-cli --version"
"$scratch/usr/bin/merion-cli" --database "$scratch/p.db" point add P1 1 2 3 >/dev/null
[ "$("$scratch/usr/bin/merion-cli" --database "$scratch/p.db" show coor | wc -l)" = 2 ] || fail "installed merion-cli"
zcat "$scratch/usr/share/man/man1/merion-cli.1.gz" | grep -q -- '--separator' || fail "the manual page lacks the options"

# The package: its contents list and what it depends on.
(cd "$folder" && cpack -G DEB >/dev/null)
package=$(ls "$folder"/merion_"$version"_*.deb)
contents=$(dpkg -c "$package")
for file in "${expected[@]}"; do
  grep -q " \./usr/$file\$" <<<"$contents" || fail "$package has no /usr/$file"
done
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins fonts-noto-cjk libc6; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "$package does not depend on $needed ($depends)"
done
# Debian's own checker: any error or warning fails the check.
lintian_out=$(lintian --fail-on error,warning "$package" 2>&1) ||
  fail "lintian finds faults in $package: $lintian_out"
desktop-file-validate "$scratch/usr/share/applications/merion.desktop" || fail "the desktop entry is not valid"
echo "package check: $package ($(du -h "$package" | cut -f1)); Depends: $depends"
