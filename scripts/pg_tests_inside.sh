#!/usr/bin/env bash
# The part of pg_tests.sh that runs inside the throwaway cluster.
set -uo pipefail
build=$1
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
status=0

run() { # name, then the command
  local name=$1
  shift
  echo "== $name"
  if "$@" >"$log/$name" 2>&1; then
    tail -n 12 "$log/$name"
  else
    status=1
    cat "$log/$name"
  fi
}

# The server's own tests; one that skipped here never met the server.
createdb korvel_pg
PGDATABASE=korvel_pg run server "$build/bin/data_tests" --gtest_filter='Pg*'
if grep -q SKIPPED "$log/server"; then
  echo "pg_tests.sh: the PostgreSQL tests skipped although a server was running" >&2
  status=1
fi

# The same suites as on the local files, each on a database of its own.
for suite in addressbook_tests history_tests batch_print_tests batch_print_tool_tests export_tool_tests; do
  createdb "korvel_$suite"
  KORVEL_TEST_STORE="postgresql:///korvel_$suite" run "$suite" "$build/bin/$suite"
done

# Two stations at once.
createdb korvel_stations
run stations "$(dirname "$0")/pg_two_stations.sh" "$build" "postgresql:///korvel_stations"
exit "$status"
