#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root with dpkg -x and
# starts the installed program from there with a scratch home folder. The
# package must hold the program, its help documents, the menu entry, the
# icon and the metainfo; the program must write its settings file and debug
# log into the per-user data folder, nothing beside itself.
#   package-install.sh <build folder>      (on an X display: see with-xvfb.sh)
set -euo pipefail
build=$(cd "$1" && pwd)

scratch=$(mktemp -d)
program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$scratch/program.log" ] && cat "$scratch/program.log" >&2
  find "$scratch/home" >&2
  [ -f "$data/debug.txt" ] && tail -5 "$data/debug.txt" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/deb") >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$scratch"/deb/brindlemark_*_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'fonts-ipafont-gothic' <<<"$depends" || fail "no dependency on the Japanese font"
grep -q 'libqt6widgets6' <<<"$depends" || fail "no library dependencies from dpkg-shlibdeps"

root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/brindlemark \
  usr/share/brindlemark/ReadMeL.txt \
  usr/share/brindlemark/使用方法L.mht \
  usr/share/brindlemark/とりあえず始めよう.mht \
  usr/share/applications/brindlemark.desktop \
  usr/share/icons/hicolor/scalable/apps/brindlemark.svg \
  usr/share/metainfo/io.github.brindlemark.Brindlemark.metainfo.xml; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
listing() { find "$root" | sort; }
listing >"$scratch/installed.txt"

# The program refuses to start from the temporary folder: give it one of
# its own beside the scratch root, and its own runtime folder so another
# running copy's instance lock does not stop it.
home=$scratch/home
data=$home/.local/share/Brindlemark
mkdir -p "$home" "$scratch/tmp" "$scratch/run"
chmod 700 "$scratch/run"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" TMPDIR="$scratch/tmp" \
  XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb \
  "$root/usr/bin/brindlemark" >"$scratch/program.log" 2>&1 &
program_pid=$!

# A first start asks how the game is played (three message boxes): the
# default answers do, and the program then writes its settings file.
for _ in $(seq 120); do
  grep -qa 'Program StartUp Complete' "$data/debug.txt" 2>/dev/null && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended during its start"
  sleep 0.5
  xdotool key Return 2>/dev/null || true
done
grep -qa 'Program StartUp Complete' "$data/debug.txt" 2>/dev/null ||
  fail "no start-up in $data/debug.txt"
grep -qa "Execute Folder : $root/usr/bin" "$data/debug.txt" || fail "started from elsewhere"
[ -f "$data/TK2LConfig.ini" ] || fail "no settings file in $data"
listing | diff "$scratch/installed.txt" - || fail "the program wrote into its installed folders"
echo "OK: files in $data: $(cd "$data" && ls | tr '\n' ' ')"
