#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: ./test.sh [ctest arguments...]   e.g. ./test.sh -L unit
#        ./test.sh --sanitize [ctest arguments...]
#   builds into build-asan/ with the address and undefined-behaviour
#   sanitizers and runs the unit tests and the window walk there.
# BM_SKIP_WINE=1 leaves out the tests under Wine (label wine).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  shift
  exec ./scripts/sanitize.sh "$@"
fi

echo "== clang-format check"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench -name '*.cpp' -o -name '*.h')
if [ ${#sources[@]} -gt 0 ]; then
  clang-format --dry-run --Werror "${sources[@]}"
fi

echo "== layer check"
./scripts/check-layers.sh

echo "== configure and build"
cmake -S . -B build -DBM_WERROR=ON -DBM_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"

echo "== package"
cmake --build build --target package
desktop-file-validate packaging/brindlemark.desktop
appstreamcli validate --no-net packaging/io.github.brindlemark.Brindlemark.metainfo.xml

echo "== tests"
cd build
skip=()
if [ "${BM_SKIP_WINE:-0}" = 1 ]; then
  skip=(-LE wine)
fi
ctest --output-on-failure --timeout 300 "${skip[@]}" "$@"
