#!/bin/bash
# Every text the interface shows has its English translation, and no Chinese text is shown
# without going through the translation.
#   check_translations.sh LUPDATE SOURCE_FOLDER TS_FILE
set -uo pipefail
export LC_ALL=C.UTF-8
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# lupdate adds what the sources mark and nobody translated yet, and marks what they dropped.
cp "$ts" "$work/merion_en.ts"
"$lupdate" -silent -locations none -source-language zh_CN -target-language en -extensions cpp,h \
    "$sources" -ts "$work/merion_en.ts" || { echo "lupdate failed"; exit 1; }
if grep -n -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/merion_en.ts"; then
    echo "FAIL: texts above have no English translation, or are no longer used (run scripts/update-translations.sh)"
    failed=1
fi
if ! diff -u "$ts" "$work/merion_en.ts"; then
    echo "FAIL: $ts is not what lupdate makes of the sources (run scripts/update-translations.sh)"
    failed=1
fi

# A Chinese string literal outside QT_TRANSLATE_NOOP/translate would be shown untranslated.
# Font family names are no shown text.
unmarked=$(grep -rnP '"[^"]*\p{Han}' "$sources" --include=*.cpp --include=*.h |
    grep -vP '^[^:]+:\d+:\s*//' | grep -v 'QT_TRANSLATE_NOOP\|translate(' | grep -v '"宋体"')
if [ -n "$unmarked" ]; then
    echo "$unmarked"
    echo "FAIL: Chinese texts above are not marked for translation"
    failed=1
fi

[ $failed -eq 0 ] && echo "every shown text has its English translation ($(grep -c '<message' "$ts") texts)"
exit $failed
