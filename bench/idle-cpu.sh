#!/usr/bin/env bash
# CPU the program uses during a measuring run with the level-up watch on
# (1-second ticks), beside the status-bar stand-in, on a private Xvfb with
# openbox. Samples the CPU time of all the program's threads from /proc
# (schedstat, nanoseconds) every 10 seconds and prints the share of one core.
#   bench/idle-cpu.sh [SECONDS]     (default 120; BUILD_DIR selects the build)
# Captures are set 60 minutes apart, so the figure is the watch and the idle
# program, not the capture cycle.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
seconds=${1:-120}

if [ -z "${BM_IDLE_CPU_INNER:-}" ]; then
  exec env BM_IDLE_CPU_INNER=1 "$root/tests/e2e/with-xvfb.sh" --wm openbox "$0" "$@"
fi
for f in "$build/program/brindlemark" "$build/bin/statusbar-sim" "$build/bin/demo-settings"; do
  [ -x "$f" ] || { echo "idle-cpu: $f is missing; build first" >&2; exit 1; }
done

# Not below the temporary folder: the program refuses to start there.
folder=$(mktemp -d "$build/idle-cpu.XXXXXX")
sim_pid=
program_pid=
cleanup() {
  for pid in $program_pid $sim_pid; do
    { kill "$pid" && wait "$pid"; } 2>/dev/null || true
  done
  rm -rf "$folder"
}
trap cleanup EXIT

cp "$build/program/brindlemark" "$root"/docs/help/* "$folder/"
"$build/bin/demo-settings" "$folder" --interval 60
source "$root/scripts/x11-windows.sh"

QT_QPA_PLATFORM=xcb "$build/bin/statusbar-sim" --pos 40,40 >"$folder/sim.log" 2>&1 &
sim_pid=$!
game=$(window_of '^LaTale Client$') || { echo "idle-cpu: no stand-in" >&2; exit 1; }
(cd "$folder" && QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$folder" exec ./brindlemark) \
  >"$folder/program.log" 2>&1 &
program_pid=$!
window_of '^Brindlemark  for  Latale' >/dev/null || { echo "idle-cpu: no program" >&2; exit 1; }
sleep 2
xdotool windowactivate "$game" 2>/dev/null || true
sleep 8  # past the first capture of the run

# CPU nanoseconds of every thread of a process.
cpu_ns() {
  local sum=0 t
  for t in /proc/"$1"/task/*/schedstat; do
    read -r run _ <"$t" 2>/dev/null && sum=$((sum + run))
  done
  echo "$sum"
}

p0=$(cpu_ns "$program_pid")
s0=$(cpu_ns "$sim_pid")
t0=$(date +%s%N)
for ((elapsed = 10; elapsed <= seconds; elapsed += 10)); do
  sleep 10
  p=$(cpu_ns "$program_pid")
  t=$(date +%s%N)
  awk -v e="$elapsed" -v c=$((p - p0)) -v w=$((t - t0)) \
    'BEGIN { printf "%4d s  program %.4f %%\n", e, c * 100 / w }'
done
p1=$(cpu_ns "$program_pid")
s1=$(cpu_ns "$sim_pid")
t1=$(date +%s%N)
kill -0 "$program_pid" || { echo "idle-cpu: the program ended" >&2; exit 1; }
reads=$(grep -c $'ConvertPixelString1\r' "$folder/debug.txt" || true)
awk -v c=$((p1 - p0)) -v s=$((s1 - s0)) -v w=$((t1 - t0)) -v n="$seconds" 'BEGIN {
  printf "program   %.4f %% of one core over %d s (%.1f ms CPU)\n", c * 100 / w, n, c / 1e6
  printf "stand-in  %.4f %% of one core\n", s * 100 / w
}'
echo "region reads in the whole run: $reads"
