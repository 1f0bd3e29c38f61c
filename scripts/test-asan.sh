#!/usr/bin/env bash
# Builds with AddressSanitizer + UndefinedBehaviorSanitizer and runs the unit tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset asan
# Only what the unit tests need: the windows and the program are not built here.
cmake --build --preset asan --target unit_tests
ctest --preset asan -L unit "$@"
