#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ with clang and runs each one on
# its seed corpus (fuzz/corpus/<target>) for a few seconds. Exits non-zero when
# any target finds a crash, a leak, undefined behaviour or a broken property;
# the input that did it is kept in build-fuzz/artifacts/.
#
#   KORVEL_FUZZ_SECONDS  time per target (default 5; 600 for a long run)
#   KORVEL_FUZZ_JOBS     targets run at the same time (default 1)
#   arguments            the targets to run (default: all of them)
#
# Without clang or its fuzzer runtime the script says so and exits 0.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${KORVEL_FUZZ_SECONDS:-5}
jobs=${KORVEL_FUZZ_JOBS:-1}

cxx=
for candidate in clang++-14 clang++; do
  if command -v "$candidate" >/dev/null 2>&1; then cxx=$candidate; break; fi
done
if [ -z "$cxx" ]; then
  echo "fuzz smoke: skipped (no clang++-14 or clang++ on this machine)"
  exit 0
fi
cc=${cxx/clang++/clang}
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' > "$probe/p.cpp"
if ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
  echo "fuzz smoke: skipped ($cxx has no libFuzzer runtime; install libclang-rt-14-dev)"
  exit 0
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=$cc CXX=$cxx cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVEL_BUILD_FUZZ=ON -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null || exit 1
cmake --build "$build" --target fuzz_targets -j "$(nproc 2>/dev/null || echo 2)" >/dev/null || {
  echo "fuzz smoke: the fuzz targets did not build"; cmake --build "$build" --target fuzz_targets 2>&1 | tail -30; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p "$build/artifacts" "$build/logs"

# One target: new inputs go to build-fuzz/corpus/<target>, never into the seeds.
run_one() {
  local t=$1 work="$build/corpus/$1" log="$build/logs/$1.log"
  mkdir -p "$work"
  "$build/bin/$t" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t-" "$work" "$root/fuzz/corpus/$t" >"$log" 2>&1
  local rc=$?
  local runs cov
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  cov=$(grep -E '^#[0-9]+' "$log" | grep -o 'cov: [0-9]*' | tail -1)
  if [ $rc -eq 0 ]; then
    echo "fuzz $t: ok, ${runs:-?} runs, ${cov:-cov: ?}"
  else
    echo "fuzz $t: FAILED (exit $rc), see $log"
    grep -E 'ERROR|property broken|runtime error|SUMMARY|Test unit written' "$log" | head -8
  fi
  return $rc
}

failed=0
running=0
for t in "${targets[@]}"; do
  if [ ! -x "$build/bin/$t" ]; then echo "fuzz $t: no such target"; failed=1; continue; fi
  run_one "$t" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ $running -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
[ $failed -eq 0 ] && echo "fuzz smoke: all targets ok" || echo "fuzz smoke: failures above"
exit $failed
