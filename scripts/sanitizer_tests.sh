#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there. Any
# memory error, leak or undefined behaviour fails the test that caused it.
# Leaks inside fontconfig and FreeType caches are suppressed
# (scripts/lsan-suppressions.txt); nothing of the project's own is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"
jobs=$(nproc 2>/dev/null || echo 2)

# The postal data the normal build fetched serves this build as well.
mkdir -p "$build/postal-data"
if compgen -G "$root/build/postal-data/*.tgz" >/dev/null && ! compgen -G "$build/postal-data/*.tgz" >/dev/null; then
  cp "$root"/build/postal-data/*.tgz "$build/postal-data/"
fi
[ -x "$root/scripts/fetch_postal_data.sh" ] && "$root/scripts/fetch_postal_data.sh" "$build" || true

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
  -DKORVEL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$build" --output-on-failure -j "$jobs" "$@"
