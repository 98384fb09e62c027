#!/usr/bin/env bash
# The sanitizer pass: builds the program and its tests with the address and
# undefined-behaviour sanitizers into build-asan/ and runs the unit tests and
# the window walk there, with leak checking on. Any finding fails the run.
# Usage: scripts/sanitize.sh [ctest arguments...]   (./test.sh --sanitize)
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The build runs the test executables to list their tests, so the options
# hold from here on.
supp="$PWD/tests/sanitizers"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"

start=$SECONDS
echo "== sanitizer build (build-asan)"
# Unoptimised: it builds much faster, which matters more here than the
# speed of the tests, and reports point at exact lines.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBM_SANITIZE=ON -DBM_WERROR=ON -DBM_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
built=$SECONDS
echo "== sanitizer build took $((built - start)) s"

echo "== unit tests under the sanitizers"
ctest --test-dir build-asan --output-on-failure --timeout 600 -j"$(nproc)" -L unit "$@"
echo "== window walk under the sanitizers"
ctest --test-dir build-asan --output-on-failure --timeout 900 -L walk --no-tests=ignore "$@"
echo "== sanitizer pass took $((SECONDS - start)) s (build $((built - start)) s, tests $((SECONDS - built)) s)"
