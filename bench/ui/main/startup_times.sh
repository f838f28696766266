#!/usr/bin/env bash
# Whole-process start-up figures, each against its reference:
#   - korvel-print zipcode (a postal-code lookup) against the sqlite3 shell
#     running the same SELECT on the same database file;
#   - the main window (zerrat_xe2) from launch to its mapped window against a
#     bare Qt window (bench program bare_window), both watched by launch_to_map.
# Builds nothing: run it on a build made by scripts/build.sh (which also builds
# bare_window and launch_to_map, and the postal-code database when the postal
# data could be fetched).
#
# usage: bench/ui/main/startup_times.sh BUILD_DIR [RUNS] [OLD_PROGRAM_DIR]
#   RUNS             how many figures each median is taken from (default 11)
#   OLD_PROGRAM_DIR  a program folder of another build (e.g. a copy of
#                    build/program made before a change), timed alongside
# e.g.   bench/ui/main/startup_times.sh build 11 /tmp/old-program
#
# Needs GNU time (/usr/bin/time, package time), sqlite3, and an X server: the
# one in DISPLAY, or else a private Xvfb started here. The runs of the programs
# compared alternate, so that a busy machine slows each alike; figures are
# medians. /usr/bin/time -v reports in hundredths of a second, so the lookups
# are timed in batches of 20 and the batch divided.
set -euo pipefail
build=$(cd "${1:?usage: startup_times.sh BUILD_DIR [RUNS] [OLD_PROGRAM_DIR]}" && pwd)
runs=${2:-11}
old=${3:-}
program="$build/program"
db="$program/databaseXe2/zipcode.db3"
batch=20

for tool in /usr/bin/time sqlite3; do
  command -v "$tool" >/dev/null || { echo "startup_times.sh: $tool is missing" >&2; exit 2; }
done
for file in "$program/korvel-print" "$program/zerrat_xe2" "$build/bin/bare_window" "$build/bin/launch_to_map"; do
  [ -x "$file" ] || { echo "startup_times.sh: $file is not built" >&2; exit 2; }
done
[ -f "$db" ] || { echo "startup_times.sh: no postal-code database $db (postal data not fetched?)" >&2; exit 2; }

scratch=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
export KORVEL_APPDATA_ROOT="$scratch/appdata"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p -m 700 "$KORVEL_APPDATA_ROOT" "$XDG_RUNTIME_DIR"
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || { echo "startup_times.sh: no DISPLAY and no Xvfb" >&2; exit 2; }
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$scratch/display")"
fi
unset QT_QPA_PLATFORM

# Wall-clock seconds of /usr/bin/time -v's report, as milliseconds.
elapsed_ms() {
  awk -F': ' '/Elapsed \(wall clock\)/ {
    n = split($2, p, ":"); s = 0
    for (i = 1; i <= n; i++) s = s * 60 + p[i]
    printf "%.3f", s * 1000 }' "$1"
}
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# One batch of lookups under /usr/bin/time -v: milliseconds per lookup.
lookup_batch() {
  /usr/bin/time -v -o "$scratch/time" bash -c 'for _ in $(seq '"$batch"'); do "$@" >/dev/null; done' lookup "$@"
  awk -v t="$(elapsed_ms "$scratch/time")" -v n="$batch" 'BEGIN { printf "%.3f\n", t / n }'
}

# One launch under /usr/bin/time -v: launch_to_map's figure, in milliseconds.
launch() {
  /usr/bin/time -v -o "$scratch/time" "$build/bin/launch_to_map" "$@" 2>/dev/null
}

sql="SELECT AREA,CITY,LOCATION FROM zipcode WHERE ZIP_CODE='1000001'"
# A first run of each: the program creates its data folders and databases, and
# every file is in the page cache for the timed runs.
"$program/korvel-print" zipcode 1000001 --db "$db" >/dev/null
sqlite3 "$db" "$sql" >/dev/null
# The window is left open a while, so that the program's start-up work after
# the window appears has surely run before it is closed.
launch --linger 2000 "$program/zerrat_xe2" >/dev/null
launch "$build/bin/bare_window" >/dev/null
if [ -n "$old" ]; then
  launch --linger 2000 "$old/zerrat_xe2" >/dev/null
fi

: >"$scratch/zip.new"; : >"$scratch/zip.old"; : >"$scratch/zip.cli"
: >"$scratch/win.new"; : >"$scratch/win.old"; : >"$scratch/win.bare"
for _ in $(seq "$runs"); do
  lookup_batch "$program/korvel-print" zipcode 1000001 --db "$db" >>"$scratch/zip.new"
  lookup_batch sqlite3 "$db" "$sql" >>"$scratch/zip.cli"
  if [ -n "$old" ]; then lookup_batch "$old/korvel-print" zipcode 1000001 --db "$db" >>"$scratch/zip.old"; fi
  launch "$program/zerrat_xe2" >>"$scratch/win.new"
  launch "$build/bin/bare_window" >>"$scratch/win.bare"
  if [ -n "$old" ]; then launch "$old/zerrat_xe2" >>"$scratch/win.old"; fi
done

zip_new=$(median <"$scratch/zip.new")
zip_cli=$(median <"$scratch/zip.cli")
win_new=$(median <"$scratch/win.new")
win_bare=$(median <"$scratch/win.bare")
echo "medians of $runs runs (lookups: batches of $batch, per lookup)"
printf '  korvel-print zipcode         %8.1f ms\n' "$zip_new"
printf '  sqlite3 CLI, same query      %8.1f ms\n' "$zip_cli"
printf '  ratio                        %8s\n' "$(ratio "$zip_new" "$zip_cli")"
printf '  main window, launch to map   %8.1f ms\n' "$win_new"
printf '  bare Qt window               %8.1f ms\n' "$win_bare"
printf '  ratio                        %8s\n' "$(ratio "$win_new" "$win_bare")"
if [ -n "$old" ]; then
  zip_old=$(median <"$scratch/zip.old")
  win_old=$(median <"$scratch/win.old")
  echo "$old, same runs"
  printf '  korvel-print zipcode         %8.1f ms  (ratio to sqlite3 %s)\n' "$zip_old" "$(ratio "$zip_old" "$zip_cli")"
  printf '  main window, launch to map   %8.1f ms  (ratio to bare %s)\n' "$win_old" "$(ratio "$win_old" "$win_bare")"
fi
