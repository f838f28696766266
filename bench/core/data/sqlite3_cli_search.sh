#!/usr/bin/env bash
# The reference for the guide search figure: the same SELECT run by the sqlite3
# command-line shell on the same database file, best of N runs, in ms.
# usage: sqlite3_cli_search.sh ZIPCODE_DB [SEARCH_TEXT] [RUNS]
set -euo pipefail
db=${1:?usage: sqlite3_cli_search.sh ZIPCODE_DB [SEARCH_TEXT] [RUNS]}
text=${2-千代田}
runs=${3:-10}
if [ -n "$text" ]; then
  sql="SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode WHERE [ZIP_CODE]||[AREA]||[CITY]||[LOCATION] LIKE '%${text//\'/\'\'}%'"
else
  sql="SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode"
fi
best=
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  sqlite3 "$db" "$sql" >/dev/null
  end=$(date +%s%N)
  ms=$(( (end - start) / 1000000 ))
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "sqlite3 CLI, best of $runs: ${best} ms"
