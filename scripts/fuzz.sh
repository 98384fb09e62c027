#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ (when
# needed) and runs each for SECONDS seconds (60 by default), starting from
# the seed corpus in fuzz/corpus/ (written from real files when missing).
# New inputs go to build-fuzz/corpus/, findings to build-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   e.g. scripts/fuzz.sh 900 pixel
# Targets: settings, pixel, pay. Prints executions, coverage and findings.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(settings pixel pay)
fi

./scripts/install-deps.sh --fuzz

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DBM_FUZZ=ON -DBM_BUILD_TESTS=OFF \
    -DBM_WERROR=ON "${launcher[@]}" >/dev/null
fi
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets >/dev/null

if [ ! -d fuzz/corpus ]; then
  build-fuzz/bin/fuzz_seeds fuzz/corpus
fi

# Each run works in a temporary folder of its own; keep that in memory.
export TMPDIR=${TMPDIR:-/dev/shm}
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for t in "${targets[@]}"; do
  case $t in
    settings) exe=fuzz_settings_file ;;
    pixel) exe=fuzz_pixel_string ;;
    pay) exe=fuzz_pay_record ;;
    *) echo "unknown target: $t" >&2; exit 2 ;;
  esac
  work=build-fuzz/corpus/$t
  findings=build-fuzz/findings/$t
  log=build-fuzz/$t.log
  mkdir -p "$work" "$findings"
  echo "== $t ($exe, $seconds s)"
  rc=0
  build-fuzz/bin/$exe -max_total_time="$seconds" -print_final_stats=1 -timeout=20 \
    -rss_limit_mb=2048 -max_len=16384 -artifact_prefix="$findings/" \
    "$work" "fuzz/corpus/$t" >"$log" 2>&1 || rc=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log" | tail -2 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
  echo "corpus: $(find "$work" -type f | wc -l) files"
  if [ "$rc" -ne 0 ]; then
    echo "FINDING (exit $rc): see $log"
    grep -E 'ERROR: |runtime error|Test unit written' "$log" | head -5 || true
    status=1
  else
    echo "findings: none"
  fi
done
exit $status
