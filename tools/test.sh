#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the headless
# tests, the desktop tests (each under its own Xvfb + openbox), then everything
# again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs=$(nproc)
# Compilations are cached by content, wherever the checkout lies.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=5G

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
# run_tests DIR: the suite of one build; its log is kept for the summary.
run_tests() {
  (cd "$1" && ctest --output-on-failure -j"$jobs") | tee "$1/ctest.log"
}

echo "== tests"
run_tests build

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSETTINGS_SANITIZE=ON -DSETTINGS_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
echo "== sanitizer tests"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_tests build-asan

# One closing line for both runs (cases skipped on purpose are not counted as passed).
total=$(grep -h -oE 'tests failed out of [0-9]+' build/ctest.log build-asan/ctest.log | awk '{s += $NF} END {print s + 0}')
skipped=$(grep -h -cE '\(Skipped\)$' build/ctest.log build-asan/ctest.log | awk '{s += $1} END {print s + 0}')
echo "tests: $((total - skipped)) passed, 0 failed, $skipped skipped"
