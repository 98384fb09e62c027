#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
#   ./run.sh        start the program from its build folder
#   ./run.sh demo   start it beside the status-bar stand-in (see README)
#   ./run.sh package   build the Debian package build/brindlemark_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"

if [ "${1:-}" = "package" ]; then
  cmake --build build --target package
  exit 0
fi
if [ "${1:-}" = "demo" ]; then
  exec ./scripts/demo.sh
fi
exec ./build/program/brindlemark
