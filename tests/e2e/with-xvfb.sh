#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb), optionally with the openbox
# window manager, and takes everything down afterwards.
#   with-xvfb.sh [--wm openbox] [--screen WxHxD] command [args...]
# The command sees DISPLAY and BM_TEST_WM (openbox or none); its exit code
# is this script's.
set -euo pipefail

wm=none
screen=1024x768x24
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) wm="$2"; shift 2 ;;
    --screen) screen="$2"; shift 2 ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--wm openbox] [--screen WxHxD] command [args...]" >&2
  exit 2
fi

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display number itself and writes it to the file once
# it accepts connections.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "with-xvfb: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "with-xvfb: Xvfb gave no display number" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
export BM_TEST_WM="$wm"

case "$wm" in
  none) ;;
  openbox)
    HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
    if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      echo "with-xvfb: openbox did not start:" >&2
      cat "$work/wm.log" >&2
      exit 1
    fi
    ;;
  *) echo "with-xvfb: unknown window manager $wm" >&2; exit 2 ;;
esac

set +e
"$@"
status=$?
set -e
exit "$status"
