#!/usr/bin/env bash
# Makes the fresh Wine prefix the wine tests share, once per test run.
#   wine-prefix.sh PREFIX
set -euo pipefail
prefix=$1
rm -rf "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No Mono or Gecko installers, and no window: the prefix needs no display.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wineboot -i
wineserver -w
test -f "$prefix/system.reg"
