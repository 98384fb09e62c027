#!/usr/bin/env bash
# Measures how many small faults in the core code the unit tests catch:
# applies each fault of scripts/mutants.py in turn, rebuilds what it touches,
# runs `ctest -L unit`, restores the file, and prints `killed K of N` and the
# faults that survived.
#   scripts/mutants.sh [--build DIR] [--only AREA-OR-FILE] [--from N] [--list]
# Needs a configured build folder (./test.sh makes build/). About a minute
# per fault on two cores.
set -euo pipefail
exec python3 "$(dirname "$0")/mutants.py" "$@"
