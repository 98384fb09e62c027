#!/usr/bin/env bash
# Shows the program measuring the status-bar stand-in.
#   scripts/demo.sh [MINUTES]
# Prepares a program folder (build/demo/: the program, its help documents
# and a settings file with a one-minute capture interval and auto start,
# the compact view switched on),
# starts the stand-in with the schedule tools/statusbar-sim/demo.txt and
# the program beside it, and saves a picture of the whole screen every
# minute into build/demo/shots/. It runs on the current desktop when DISPLAY
# is set, otherwise on a private X server with openbox. It stops after
# MINUTES minutes when given, else at Ctrl-C, and takes everything down.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BM_BUILD_DIR:-$root/build}
minutes=${1:-0}

if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tests/e2e/with-xvfb.sh" --wm openbox --screen 1280x800x24 "$0" "$@"
fi

for f in "$build/program/brindlemark" "$build/bin/statusbar-sim" \
         "$build/bin/demo-settings" "$build/bin/x11-screenshot"; do
  if [ ! -x "$f" ]; then
    echo "demo: $f is missing; build first (cmake --build build)" >&2
    exit 1
  fi
done

demo=$build/demo
rm -rf "$demo"
mkdir -p "$demo/shots"
cp "$build/program/brindlemark" "$root"/docs/help/* "$demo/"
"$build/bin/demo-settings" "$demo"
# The compact view on, below the stand-in.
printf '[MiniView]\nShown=true\nX=40\nY=240\n' >"$demo/Brindlemark.ini"

sim_pid=
program_pid=
sleep_pid=
cleanup() {
  # A process ended by the signal reports failure; that is no failure here.
  for pid in $sleep_pid $program_pid $sim_pid; do
    { kill "$pid" && wait "$pid"; } 2>/dev/null || true
  done
  return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

source "$root/scripts/x11-windows.sh"

"$build/bin/statusbar-sim" --pos 40,40 --script "$root/tools/statusbar-sim/demo.txt" \
  >"$demo/statusbar-sim.log" 2>&1 &
sim_pid=$!
game=$(window_of '^LaTale Client$') || { echo "demo: the stand-in did not show" >&2; exit 1; }

(cd "$demo" && exec ./brindlemark) >"$demo/brindlemark.log" 2>&1 &
program_pid=$!
window_of '^Brindlemark  for  Latale' >/dev/null ||
  { echo "demo: the program did not show" >&2; exit 1; }

# Captures happen only while the game is the active window.
sleep 1
xdotool windowactivate "$game" 2>/dev/null || true
echo "demo: measuring the stand-in; pictures go to $demo/shots (Ctrl-C ends)"

shot=0
started=$SECONDS
sleep 20 & sleep_pid=$!; wait $sleep_pid
while kill -0 "$program_pid" 2>/dev/null; do
  shot=$((shot + 1))
  "$build/bin/x11-screenshot" "$demo/shots/screen-$(printf %03d $shot).png" ||
    echo "demo: no picture this time" >&2
  if [ "$minutes" -gt 0 ] && [ $((SECONDS - started)) -ge $((minutes * 60)) ]; then
    break
  fi
  sleep 60 & sleep_pid=$!; wait $sleep_pid
done
echo "demo: done; the pay records are in $demo/log, the debug log is $demo/debug.txt"
exit 0
