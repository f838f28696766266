#!/usr/bin/env bash
# Two packing stations on one server at once: each prints a batch of 1,000
# waybills with history rows while a third process keeps importing new
# consignees and writing the item data of consignees being printed.
# Afterwards every history row must be there exactly once and no consignee
# lost or doubled.
#
# usage: scripts/pg_two_stations.sh BUILD_DIR STORE_URI   (a server libpq reaches)
set -euo pipefail
build=$1
store=$2
tool="$build/program/korvel-print"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/a" "$work/b" # a station's data folder exists before its first start
export QT_QPA_PLATFORM=offscreen

sql() { psql -X -A -t -q -d "$store" -c "$1"; }
fail() { echo "pg_two_stations.sh: $*" >&2; exit 1; }
expect() { # what, sql, wanted
  local got
  got=$(sql "$2")
  [ "$got" = "$3" ] || fail "$1: $got, expected $3"
  echo "ok: $1 = $got"
}

# An intermediate import file of count consignees named prefix1…prefixN,
# UTF-8 with its byte-order mark as the CSV editor writes it.
import_file() { # file, prefix, count
  printf '\xef\xbb\xbf' >"$1"
  for i in $(seq 1 "$3"); do
    printf '%s%d,,1000001,東京都,港区,芝公園%d,,03-0000-%04d,,,,,,,\n' "$2" "$i" "$i" "$i"
  done >>"$1"
}

import_file "$work/first.tmp" "荷受人" 1000
"$tool" csv-import --appdata "$work/a" --store "$store" --file "$work/first.tmp"
expect "consignees before the batches" "SELECT count(*) FROM address" 1000
ids=$(sql "SELECT string_agg(id::text, ',' ORDER BY id) FROM address")

"$tool" pdf --appdata "$work/a" --store "$store" --consignees "$ids" --out "$work/a.pdf" >"$work/a.log" 2>&1 &
station_a=$!
"$tool" pdf --appdata "$work/b" --store "$store" --consignees "$ids" --out "$work/b.pdf" >"$work/b.log" 2>&1 &
station_b=$!
# New consignees, and item data written again for consignees being printed.
(
  for n in $(seq 1 20); do
    import_file "$work/more$n.tmp" "追加${n}-" 10
    "$tool" csv-import --appdata "$work/b" --store "$store" --file "$work/more$n.tmp"
    printf '\xef\xbb\xbf' >"$work/edit$n.tmp"
    for i in $(seq 1 10); do
      printf '荷受人%d,,1000001,東京都,港区,芝公園%d,,03-0000-%04d,,,編集%d,,,,\n' "$i" "$i" "$i" "$n"
    done >>"$work/edit$n.tmp"
    "$tool" csv-import --appdata "$work/b" --store "$store" --file "$work/edit$n.tmp"
  done
) >"$work/imports.log" 2>&1 &
imports=$!

status=0
wait "$station_a" || { cat "$work/a.log"; status=1; }
wait "$station_b" || { cat "$work/b.log"; status=1; }
wait "$imports" || { cat "$work/imports.log"; status=1; }
[ "$status" = 0 ] || fail "a station's command failed"

if command -v pdfinfo >/dev/null; then
  for station in a b; do
    pages=$(pdfinfo "$work/$station.pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = 1000 ] || fail "station $station printed $pages pages"
  done
  echo "ok: each station printed 1000 pages"
fi
expect "history rows" "SELECT count(*) FROM members.sender WHERE kind=40" 2000
expect "history identifiers told apart" "SELECT count(DISTINCT id) FROM members.sender" 2000
expect "consignees with other than two rows" \
  "SELECT count(*) FROM (SELECT userid FROM members.sender GROUP BY userid HAVING count(*) <> 2) x" 0
expect "consignees printed" "SELECT count(DISTINCT userid) FROM members.sender" 1000
expect "consignees after the imports" "SELECT count(*) FROM address" 1200
expect "item rows edited to the last import" \
  "SELECT count(*) FROM members.memberitem WHERE kind=40 AND itemname1='編集20'" 10
expect "consignees doubled" "SELECT count(*) FROM (SELECT namae1 FROM address GROUP BY namae1 HAVING count(*) > 1) x" 0
