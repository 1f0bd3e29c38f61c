#!/usr/bin/env bash
# Installs what is needed, builds once with the default preset and runs every test with CTest.
# Extra arguments go to ctest (for example: -L unit, -R Registry).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"
