#!/usr/bin/env bash
# Every row of the million-point table, measured side by side with sqlite3's own shell on the
# same rows, repeated; prints the minimum and the median of each figure and ratio.
#   nice -n 10 bash bench/scale_vs_sqlite.sh [LINES] [RUNS] [BUILD-DIR]   (default 1000000 3 build)
# Reference work: the import against `.import` into a temporary table plus `insert … select`
# into CoorEdit with the same columns; show and the output file against `sqlite3 -csv` reading
# the table. The delete is set against this run's import, the list fill of LINES rows against
# that of 10,000.
set -euo pipefail
lines=${1:-1000000}
runs=${2:-3}
build=${3:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/$build/bin/merion-cli"
bench="$root/$build/bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$lines" 'BEGIN { srand(7); for (i = 1; i <= n; i++)
    printf "P%d,%.3f,%.3f,%.3f,CODE%d\r\n", i, 3456789 + rand() * 1000, 500000 + rand() * 1000, 10 + rand() * 100, i % 50 }' \
    > "$work/points.csv"
echo "input: $lines lines, $(stat -c %s "$work/points.csv") bytes; $runs runs; load before: $(cut -d' ' -f1-3 /proc/loadavg)"

# Runs a command under /usr/bin/time; prints "seconds peak-MiB" (wall clock to the millisecond).
measure() {
    local out=$1; shift
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$work/rss" "$@" > "$out"
    end=$(date +%s%N)
    awk -v s="$start" -v e="$end" -v k="$(tail -1 "$work/rss")" 'BEGIN { printf "%.3f %.1f\n", (e - s) / 1e9, k / 1024 }'
}

declare -A series
add() { series[$1]="${series[$1]:-} $2"; }

for run in $(seq 1 "$runs"); do
    rm -f "$work"/*.db*
    # The project's import, and the shell's load of the same file into the same table.
    read -r t m < <(measure /dev/null "$cli" --database "$work/m.db" import coor "$work/points.csv")
    add import_s "$t"; add import_mib "$m"
    "$cli" --database "$work/s.db" show coor > /dev/null
    read -r ts ms < <(measure /dev/null sqlite3 "$work/s.db" -cmd "PRAGMA synchronous=NORMAL;" \
        -cmd "CREATE TEMP TABLE load(SN TEXT, NCOOR TEXT, ECOOR TEXT, ZCOOR TEXT, CODE TEXT);" \
        -cmd ".mode csv" -cmd ".import $work/points.csv load" \
        "BEGIN; DELETE FROM CoorEdit; INSERT INTO CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) SELECT rowid,'Import_Data',SN,NCOOR,ECOOR,ZCOOR,trim(CODE) FROM load; COMMIT;")
    add sqlite_import_s "$ts"; add sqlite_import_mib "$ms"
    add import_ratio "$(awk -v a="$t" -v b="$ts" 'BEGIN { printf "%.3f", a / b }')"

    # Reading the list: show and the output file against the shell's CSV of the table.
    read -r tr mr < <(measure "$work/sqlite.csv" sqlite3 -csv "$work/m.db" "select * from CoorEdit")
    add sqlite_read_s "$tr"; add sqlite_read_mib "$mr"
    read -r t m < <(measure /dev/null "$cli" --database "$work/m.db" show coor)
    add show_s "$t"; add show_mib "$m"; add show_ratio "$(awk -v a="$t" -v b="$tr" 'BEGIN { printf "%.3f", a / b }')"
    read -r t m < <(measure /dev/null "$cli" --database "$work/m.db" export file "$work/out.txt" --kind coor --format 1)
    add export_s "$t"; add export_mib "$m"; add export_ratio "$(awk -v a="$t" -v b="$tr" 'BEGIN { printf "%.3f", a / b }')"

    # Deleting the fifth point renumbers every later one.
    import_s=$(echo "${series[import_s]}" | awk '{ print $NF }')
    cp "$work/m.db" "$work/d.db"; sync "$work/d.db"
    read -r t m < <(measure /dev/null "$cli" --database "$work/d.db" point delete P5)
    add delete_s "$t"; add delete_ratio "$(awk -v a="$t" -v b="$import_s" 'BEGIN { printf "%.3f", a / b }')"

    # The desktop program's exit with the points in CoorEdit, shown in the list.
    cp "$work/m.db" "$work/e.db"; sync "$work/e.db"
    add exit_ms "$("$bench/bench_exit" "$work/e.db" 2>/dev/null | awk '/^exit:/ { print $2 }')"

    # The list view: 10,000 rows against LINES rows.
    small=$("$bench/bench_list_fill" 10000 2>/dev/null)
    large=$("$bench/bench_list_fill" "$lines" 2>/dev/null)
    fs=$(echo "$small" | awk '/^show coordinates:/ { print $3 }'); ms=$(echo "$small" | awk '/^peak memory:/ { print $3 }')
    fl=$(echo "$large" | awk '/^show coordinates:/ { print $3 }'); ml=$(echo "$large" | awk '/^peak memory:/ { print $3 }')
    add fill_10k_ms "$fs"; add fill_large_ms "$fl"; add fill_10k_mib "$ms"; add fill_large_mib "$ml"
    add fill_ratio "$(awk -v a="$fl" -v b="$fs" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 1) }')"
    add fill_extra_mib "$(awk -v a="$ml" -v b="$ms" 'BEGIN { printf "%.1f", a - b }')"
    echo "run $run done; load: $(cut -d' ' -f1-3 /proc/loadavg)"
done

printf "%-18s %10s %10s   %s\n" figure min median all
for key in import_s sqlite_import_s import_ratio import_mib sqlite_import_mib show_s show_ratio show_mib \
           export_s export_ratio export_mib sqlite_read_s sqlite_read_mib delete_s delete_ratio exit_ms \
           fill_10k_ms fill_large_ms fill_ratio fill_10k_mib fill_large_mib fill_extra_mib; do
    echo "${series[$key]}" | tr ' ' '\n' | grep -v '^$' | sort -g |
        awk -v k="$key" '{ v[NR] = $1; all = all " " $1 } END {
            med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%-18s %10s %10s  %s\n", k, v[1], med, all }'
done
