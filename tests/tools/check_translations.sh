#!/bin/bash
# Every text the interface shows has its English translation, and no Chinese text is shown
# without going through the translation.
# The texts written in English (the words merion-cli prints as well) have their Chinese.
#   check_translations.sh LUPDATE SOURCE_FOLDER TS_FILE [CHINESE_TS_FILE]
set -uo pipefail
export LC_ALL=C.UTF-8
lupdate=$1 sources=$2 ts=$3 ts_zh=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# lupdate adds what the sources mark and nobody translated yet, and marks what they dropped.
# The Chinese interface's file takes the texts written in Chinese as they stand.
check_file() { # TS_FILE TARGET_LANGUAGE
    local file=$1 language=$2 copy
    copy="$work/$(basename "$file")"
    cp "$file" "$copy"
    "$lupdate" -silent -locations none -source-language zh_CN -target-language "$language" -extensions cpp,h \
        "$sources" -ts "$copy" || { echo "lupdate failed"; exit 1; }
    [ "$language" = zh_CN ] && perl "$here/../../scripts/chinese-stays-chinese.pl" "$copy"
    if grep -n -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "FAIL: texts above have no translation in $file, or are no longer used (run scripts/update-translations.sh)"
        failed=1
    fi
    if ! diff -u "$file" "$copy"; then
        echo "FAIL: $file is not what lupdate makes of the sources (run scripts/update-translations.sh)"
        failed=1
    fi
}
check_file "$ts" en
[ -n "$ts_zh" ] && check_file "$ts_zh" zh_CN

# A Chinese string literal outside QT_TRANSLATE_NOOP/QT_TRANSLATE_N_NOOP/translate would be shown
# untranslated.
# Font family names are no shown text.
unmarked=$(grep -rnP '"[^"]*\p{Han}' "$sources" --include=*.cpp --include=*.h |
    grep -vP '^[^:]+:\d+:\s*//' | grep -v 'QT_TRANSLATE_NOOP\|QT_TRANSLATE_N_NOOP\|translate(' | grep -v '"宋体"')
if [ -n "$unmarked" ]; then
    echo "$unmarked"
    echo "FAIL: Chinese texts above are not marked for translation"
    failed=1
fi

[ $failed -eq 0 ] && echo "every shown text has its English and Chinese translation ($(grep -c '<message' "$ts") texts)"
exit $failed
