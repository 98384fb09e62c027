#!/usr/bin/env bash
# Takes the pictures of the main window in docs/ during a run against the
# status-bar stand-in: docs/main-window.png (graph on),
# docs/main-window-debug.png (debug mode switched on from the menu) and
# docs/mini-view.png (the compact view after four captures). Runs on
# a private X server with openbox; takes about five minutes.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BM_BUILD_DIR:-$root/build}
if [ -z "${BM_DOCS_SHOTS_INNER:-}" ]; then
  BM_DOCS_SHOTS_INNER=1 exec "$root/tests/e2e/with-xvfb.sh" --wm openbox \
    --screen 1280x800x24 "$0" "$@"
fi

folder=$build/docs-shots
rm -rf "$folder"
mkdir -p "$folder"
cp "$build/program/brindlemark" "$root"/docs/help/* "$folder/"
"$build/bin/demo-settings" "$folder"
# The compact view on, at the right, clear of the main window.
printf '[MiniView]\nShown=true\nX=1000\nY=40\n' >"$folder/Brindlemark.ini"

pids=()
cleanup() {
  for pid in "${pids[@]}"; do { kill "$pid" && wait "$pid"; } 2>/dev/null || true; done
  return 0
}
trap cleanup EXIT

source "$root/scripts/x11-windows.sh"

"$build/bin/statusbar-sim" --pos 40,40 --script - >/dev/null 2>&1 <<'SCRIPT' &
at 0 lv 57 exp 12.34 money 1234567
at 40 exp 13.10 money 1236400
at 100 exp 13.95 money 1239950
at 160 exp 14.62 money 1241800
at 230 exp 15.40 money 1244100
at 400 close
SCRIPT
pids+=($!)
game=$(window_of '^LaTale Client$')
(cd "$folder" && exec ./brindlemark) >"$folder/brindlemark.log" 2>&1 &
pids+=($!)
main=$(window_of '^Brindlemark  for  Latale')
sleep 1
xdotool windowactivate "$game"

# Captures at about 20 s, 80 s, 140 s and 200 s.
sleep 205
title='Brindlemark  for  Latale    Ver.2.30b0'
"$build/bin/x11-screenshot" "$root/docs/main-window.png" --window "$title"
"$build/bin/x11-screenshot" "$root/docs/mini-view.png" --window 'ミニ表示'

# デバッグモード is the third item of the 設定 menu, the second in the bar.
xdotool mousemove --window "$main" 85 10
sleep 0.3
xdotool click 1
sleep 0.5
xdotool key Down Down Down Return
sleep 1
xdotool windowactivate "$game"
# The next capture fills the previews and the recognition labels.
sleep 75
"$build/bin/x11-screenshot" "$root/docs/main-window-debug.png" --window "$title"
"$build/bin/x11-screenshot" "$folder/screen.png"
echo "docs-screenshots: done"
exit 0
