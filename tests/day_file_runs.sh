#!/bin/sh
# The day file over runs of cap_replay on one day: each run numbers its rows
# on from the last row of the file, and the file holds every row once. A
# day file that is damaged or not ours stops nothing: the rows are added
# after what is there, under a header of their own, numbered on from the
# highest number in it.
#   day_file_runs.sh path/to/cap_replay
set -eu
replay=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
day="$home/capset/capset-2026-03-01.csv"
fail() { echo "FAIL: $*"; exit 1; }

run() {
  printf '@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n@compute\n1050\n7.5\n0.0001\n@batch\ndr 7.5\nprecision 0.0001\nstation 1# K1+040\n@end\n' |
    XDG_DATA_HOME="$home" QT_QPA_PLATFORM=offscreen "$replay" --now "2026-03-01 09:30:00" > "$home/out.txt"
  grep '^ROW' "$home/out.txt" | cut -f2 | tr '\n' ' '
}

# The first field of every line of the day file but its headers.
numbers() { grep -v '序号,' "$day" | cut -d, -f1 | tr -d '\r' | tr '\n' ' '; }

[ "$(run)" = "1 2 " ] || fail "first run: rows $(run)"
[ "$(run)" = "3 4 " ] || fail "second run numbers its rows from 1 again"
[ "$(numbers)" = "1 2 3 4 " ] || fail "day file rows: $(numbers)"
[ "$(head -c 3 "$day" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "day file lost its mark"
[ "$(grep -c '^.序号' "$day")" = 1 ] || fail "the header was written twice"
grep -q '2026-03-01 09:30:00' "$day" || fail "rows carry no time"

# Damaged: a last line cut short; then a file that is not a day file at all.
printf '1,a row\r\n7,cut sh' > "$day"
[ "$(run)" = "8 9 " ] || fail "after a cut line: rows $(run)"
[ "$(numbers)" = "1 7 8 9 " ] || fail "after a cut line the day file holds: $(numbers)"
[ "$(sed -n 3p "$day" | cut -d, -f1-3)" = "序号,名称,状态" ] || fail "no header before the new rows"
printf 'our pictures of the bridge\n' > "$day"
[ "$(run)" = "1 2 " ] || fail "after a foreign file: rows $(run)"
[ "$(tail -n +3 "$day" | cut -d, -f1 | tr -d '\r' | tr '\n' ' ')" = "1 2 " ] || fail "foreign file: rows not added"
head -n 1 "$day" | grep -q 'our pictures of the bridge' || fail "the foreign file's own line was lost"
echo "day file runs: ok"
