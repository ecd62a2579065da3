#!/bin/bash
# Brings the translations up to the texts the sources mark: new texts come in unfinished
# (translate them with Qt Linguist or by hand), texts no longer used go.
#   translations/merion_en.ts  the English interface: every text in English.
#   translations/merion_zh.ts  the Chinese interface: the texts written in English in the
#                              sources (the words merion-cli prints too) in Chinese. A text
#                              written in Chinese is its own translation and is filled in here.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations none -no-obsolete -source-language zh_CN -target-language en -extensions cpp,h \
    src -ts translations/merion_en.ts
"$lupdate" -locations none -no-obsolete -source-language zh_CN -target-language zh_CN -extensions cpp,h \
    src -ts translations/merion_zh.ts
perl scripts/chinese-stays-chinese.pl translations/merion_zh.ts
