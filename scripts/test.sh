#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the file-reader fuzzers.
# The benchmarks run once, on the normal build, and only print.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
fuzz_seconds=${ZU_FUZZ_SECONDS:-60}
passed=0
skipped=0

# Runs one build folder's tests and adds its counts to the
# totals; ctest counts a skipped test among those that passed.
run_tests() {
  local log ran skips
  log=$(mktemp)
  ctest --test-dir "$1" -j "$jobs" --output-on-failure | tee "$log"
  ran=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
  skips=$(grep -c '(Skipped)$' "$log" || true)
  passed=$((passed + ran - skips))
  skipped=$((skipped + skips))
  rm -f "$log"
}

# A compiler cache, when there is one, makes a second run of the same sources
# quick; paths below this folder are taken as relative, so that a clone in
# another folder shares it.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null
cmake --build build -j "$jobs"
run_tests build
# Each prints its figures; one fails the run only if it cannot run at all.
for benchmark in operate_benchmark loader_benchmark config_read_benchmark config_benchmark; do
  echo "== $benchmark"
  if ! "build/bench/$benchmark"; then
    echo "$benchmark could not run"
    exit 1
  fi
  passed=$((passed + 1))
done

# The .deb, unpacked and tried as an installed program.
echo "== package"
rm -f build/zu6400-utility_*.deb
cmake --build build --target package >/dev/null
bash tests/package/check_package.sh build/zu6400-utility_*.deb
passed=$((passed + 1))

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZU_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZU_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzzers
for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  log=$(mktemp)
  cp tests/fuzz/corpus/"${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  echo "== $name for ${fuzz_seconds}s"
  if ! "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 "$corpus" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "$name found a failure"
    exit 1
  fi
  tail -n 2 "$log"
  passed=$((passed + 1))
  rm -rf "$corpus" "$log"
done
if [ "$skipped" -gt 0 ]; then
  echo "$passed passed, 0 failed, $skipped skipped"
else
  echo "$passed passed, 0 failed"
fi
