#!/usr/bin/env bash
# The tests that need a PostgreSQL server, run against a throwaway cluster
# that pg_virtualenv (package postgresql-common) makes on a free port and drops
# however the run ends. Its PGHOST, PGPORT, PGUSER and PGPASSWORD reach the
# tests through the environment, as libpq reads them.
#
# Besides the server's own tests, the address-book, history and batch tests
# run again with KORVEL_TEST_STORE naming a database of their own on the
# server, so that they check the server as they check the local files.
#
# usage: scripts/pg_tests.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: pg_tests.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
command -v pg_virtualenv >/dev/null || {
  echo "pg_tests.sh: pg_virtualenv is missing (package postgresql)" >&2
  exit 1
}
export KORVEL_TEST_PROGRAM_DIR="$build/program" QT_QPA_PLATFORM=offscreen
exec pg_virtualenv "$here/pg_tests_inside.sh" "$build"
