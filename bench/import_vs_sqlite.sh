#!/usr/bin/env bash
# The coordinate import against sqlite3's own .import of the same file, side by side.
#   bash bench/import_vs_sqlite.sh [LINES] [BUILD-DIR]
# Both write into a fresh database in WAL mode with synchronous=NORMAL (what the project store
# uses), in one transaction; sqlite3's table has the file's five columns as TEXT.
set -euo pipefail
lines=${1:-1000000}
build=${2:-build}
bench=$(cd "$(dirname "$0")" && pwd)
program="$bench/../$build/bench/bench_import"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Point name, north, east, height, code, as a surveyor's list holds them.
awk -v n="$lines" 'BEGIN { srand(7); for (i = 1; i <= n; i++)
    printf "P%d,%.3f,%.3f,%.3f,CODE%d\r\n", i, 3456789 + rand() * 1000, 500000 + rand() * 1000, 10 + rand() * 100, i % 50 }' \
    > "$work/points.csv"
echo "input: $lines lines, $(stat -c %s "$work/points.csv") bytes"

peak() { awk -F': ' '/Maximum resident set size/ { printf "%.1f MB", $2 / 1024 }' "$1"; }
seconds() { awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; printf "%.3f", s }' "$1"; }

sqlite3 "$work/sqlite.db" "PRAGMA journal_mode=WAL;" \
    "CREATE TABLE CoorEdit (SN TEXT, NCOOR TEXT, ECOOR TEXT, ZCOOR TEXT, CODE TEXT);" > /dev/null
/usr/bin/time -v -o "$work/sqlite.time" sqlite3 "$work/sqlite.db" \
    -cmd "PRAGMA synchronous=NORMAL;" -cmd ".mode csv" ".import $work/points.csv CoorEdit"
/usr/bin/time -v -o "$work/merion.time" "$program" "$work/points.csv" "$work/merion.db" > /dev/null

rows_sqlite=$(sqlite3 "$work/sqlite.db" "select count(*) from CoorEdit")
rows_merion=$(sqlite3 "$work/merion.db" "select count(*) from CoorEdit")
s=$(seconds "$work/sqlite.time"); m=$(seconds "$work/merion.time")
printf "sqlite3 .import : %8s s  peak %s  (%s rows)\n" "$s" "$(peak "$work/sqlite.time")" "$rows_sqlite"
printf "merion import   : %8s s  peak %s  (%s rows)\n" "$m" "$(peak "$work/merion.time")" "$rows_merion"
awk -v a="$m" -v b="$s" 'BEGIN { printf "ratio merion/sqlite3: %.2f\n", a / b }'
