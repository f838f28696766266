#!/usr/bin/env bash
# The tests that need a PostgreSQL server, run against a throwaway cluster
# that pg_virtualenv (package postgresql-common) makes on a free port and drops
# however the run ends. Its PGHOST, PGPORT, PGUSER and PGPASSWORD reach the
# tests through the environment, as libpq reads them.
#
# usage: scripts/pg_tests.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: pg_tests.sh BUILD_DIR}" && pwd)
command -v pg_virtualenv >/dev/null || {
  echo "pg_tests.sh: pg_virtualenv is missing (package postgresql)" >&2
  exit 1
}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
KORVEL_TEST_PROGRAM_DIR="$build/program" \
  pg_virtualenv "$build/bin/data_tests" --gtest_filter='Pg*' >"$log" 2>&1 || status=$?
cat "$log"
# A test that skipped here never met the server.
if grep -q SKIPPED "$log"; then
  echo "pg_tests.sh: the PostgreSQL tests skipped although a server was running" >&2
  exit 1
fi
exit "$status"
