#!/usr/bin/env bash
# Configures and builds everything in build/ and stages the program folder build/program/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/setup-packages.sh"
if [ -x "$root/scripts/fetch_postal_data.sh" ]; then
  "$root/scripts/fetch_postal_data.sh" "$build" || echo "warning: the postal-code data could not be fetched; building without it"
fi
jobs=$(nproc 2>/dev/null || echo 2)
# As the sanitizer build does: a machine with ccache rebuilds a fresh clone from its cache.
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$jobs"
