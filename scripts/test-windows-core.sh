#!/usr/bin/env bash
# Cross-builds the plain-C++ core for 64-bit Windows with mingw-w64 and runs its tests under
# Wine (headless, private prefix in build/windows-core/wineprefix), then checks .reg files
# against Wine's regedit. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64 wine wine64
cmake --preset windows-core
cmake --build --preset windows-core
status=0
ctest --preset windows-core "$@" || status=$?
# .reg files against Wine's own regedit, both ways, with the Linux zwreg of the default build.
[ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default --target zwreg >/dev/null
tests/integration/regedit_wine/check_regedit_interchange.sh build/windows-core/bin/zwreg.exe \
  build/default/src/tools/zwreg/zwreg cmake/wine-run.sh "$PWD/build/windows-core/wineprefix" || status=1
# Leave no Wine server behind.
WINEPREFIX="$PWD/build/windows-core/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
exit $status
