#!/usr/bin/env bash
# The store benchmark on both engines: the local files, and a throwaway
# PostgreSQL cluster on this machine that pg_virtualenv makes and drops.
#
# usage: bench/ui/addressbook/store_figures.sh BUILD_DIR [benchmark options]
set -euo pipefail
build=$(cd "${1:?usage: store_figures.sh BUILD_DIR}" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
style="$build/program/style/zerrat.sle"
[ -x "$build/bin/store_bench" ] || { echo "store_figures.sh: $build/bin/store_bench is not built" >&2; exit 2; }
command -v pg_virtualenv >/dev/null || { echo "store_figures.sh: pg_virtualenv is missing (package postgresql)" >&2; exit 2; }
export KORVEL_BENCH_STYLE="$style" QT_QPA_PLATFORM=offscreen
# The server's socket folder and port come from pg_virtualenv's environment.
pg_virtualenv bash -c 'KORVEL_BENCH_STORE="postgresql://" exec "$0" "$@"' "$build/bin/store_bench" "$@"
