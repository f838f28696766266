#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero when any fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# few seconds of every fuzz target (skipped without clang).
"$root/scripts/sanitizer_tests.sh"
"$root/scripts/fuzz_smoke.sh"
