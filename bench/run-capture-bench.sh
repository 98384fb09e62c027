#!/usr/bin/env bash
# Starts a private Xvfb and the status-bar stand-in, then runs the capture
# benchmark against it.
#   bench/run-capture-bench.sh [--wm openbox] [benchmark options...]
# BUILD_DIR selects the build folder (default: build), BENCH the benchmark
# (default: bench_capture; bench_watch times one tick of the level-up watch).
# Without options the benchmark repeats each case 10 times and prints the
# aggregates.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bench=${BENCH:-bench_capture}

wm=(--wm none)
if [ "${1:-}" = "--wm" ]; then
  wm=(--wm "$2")
  shift 2
fi
if [ $# -eq 0 ]; then
  set -- --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
fi
for f in "$build/bin/statusbar-sim" "$build/bin/$bench"; do
  if [ ! -x "$f" ]; then
    echo "missing $f: build with -DBM_BUILD_BENCH=ON first" >&2
    exit 1
  fi
done

exec "$root/tests/e2e/with-xvfb.sh" "${wm[@]}" bash -c '
  build=$1; bench=$2; shift 2
  QT_QPA_PLATFORM=xcb "$build/bin/statusbar-sim" </dev/null >/dev/null 2>&1 &
  sim=$!
  trap "kill $sim 2>/dev/null" EXIT
  "$build/bin/$bench" "$@"
' run-capture-bench "$build" "$bench" "$@"
