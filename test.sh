#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero when any fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
# A private CUPS server with a cups-pdf queue for the test that prints through
# CUPS, stopped however the run ends. A queue that does not start fails the
# run here: that test would only skip without it.
queue="$root/build/cups-queue"
trap '"$root/scripts/cups_test_queue.sh" stop "$queue"' EXIT
"$root/scripts/cups_test_queue.sh" start "$queue" >/dev/null
set -a
. "$queue/env"
set +a
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
# The PostgreSQL store against a throwaway server of its own.
"$root/scripts/pg_tests.sh" "$root/build"
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# few seconds of every fuzz target (skipped without clang).
"$root/scripts/sanitizer_tests.sh"
"$root/scripts/fuzz_smoke.sh"
