#!/usr/bin/env bash
# Whole-process times of a continuous print with and without its history rows:
# korvel-print pdf --consignees all for N consignees of edition 40, median of
# RUNS alternating runs each, the ratio of the two, pages a second and the
# peak memory (GNU time's maximum resident set) of the run without history.
#
#   bench/ui/printing/batch_print_times.sh [BUILD_DIR] [N] [RUNS]
#
# BUILD_DIR defaults to build; the address book is made in a temporary folder
# with the sqlite3 shell (package sqlite3).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
count=${2:-500}
runs=${3:-5}
tool=$build/program/korvel-print
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A first run makes the folders and the empty databases.
"$tool" pdf --appdata "$work" --edition 40 --consignees all --no-history --out "$work/x.pdf" >/dev/null 2>&1 || true
db=$work/korvel/database
{
  echo "BEGIN;"
  for ((i = 1; i <= count; i++)); do
    printf "INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION,TEL) VALUES('山田%d','様','%07d','東京都','千代田区','千代田%d-1','03-1234-%04d');\n" \
      "$i" $((1000000 + i)) $((i % 50)) $((i % 10000))
  done
  echo "COMMIT;"
} | sqlite3 "$db/addressXe2.db3"
{
  echo "BEGIN;"
  for ((i = 1; i <= count; i++)); do
    printf "INSERT INTO memberitem(userid,kind,companyID,itemname1,num) VALUES(%d,40,1,'品物%d','1');\n" "$i" "$i"
  done
  echo "COMMIT;"
} | sqlite3 "$db/membersXe2.db3"

# Milliseconds of one run; its peak memory in kB goes to $work/peak.
seconds()
{
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/peak" "$tool" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median()
{
  sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'
}

with=() without=() peaks=()
for ((r = 0; r < runs; r++)); do
  without+=("$(seconds pdf --appdata "$work" --edition 40 --consignees all --no-history --out "$work/a.pdf")")
  peaks+=("$(cat "$work/peak")")
  with+=("$(seconds pdf --appdata "$work" --edition 40 --consignees all --out "$work/b.pdf")")
done
w=$(printf '%s\n' "${with[@]}" | median)
wo=$(printf '%s\n' "${without[@]}" | median)
rows=$(sqlite3 "$db/membersXe2.db3" "SELECT count(*) FROM sender")
echo "$count consignees, median of $runs: with history ${w} ms, without ${wo} ms," \
     "ratio $(awk -v a="$w" -v b="$wo" 'BEGIN {printf "%.2f", a / b}') ($rows history rows written in all)"
peak=$(printf '%s\n' "${peaks[@]}" | median)
echo "without history: $(awk -v n="$count" -v ms="$wo" 'BEGIN {printf "%.0f", n * 1000 / ms}') pages a second," \
     "peak memory $((peak / 1024)) MB"
