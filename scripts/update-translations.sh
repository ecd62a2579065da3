#!/bin/bash
# Brings translations/merion_en.ts up to the texts the sources mark: new texts come in
# unfinished (translate them with Qt Linguist or by hand), texts no longer used go.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations none -no-obsolete -source-language zh_CN -target-language en -extensions cpp,h \
    src -ts translations/merion_en.ts
