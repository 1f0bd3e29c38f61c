#!/usr/bin/env bash
# Runs a Windows program under Wine, headless, in a private prefix:
#   wine-run.sh PREFIX program.exe [arguments...]
# The first call sets the prefix up (wineboot) under a lock, so parallel callers wait for it
# instead of racing. The program's exit code is passed through.
set -euo pipefail
prefix=$1
shift

wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=$(command -v wine64 || command -v wine)

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEARCH=win64
# No installer dialogs for the .NET and HTML engines: console programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

if [ ! -f "$prefix/.zw-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.zw-ready" ]; then
    rm -rf "$prefix"
    "$wine64" wineboot --init >/dev/null 2>&1 || true
    "$wineserver" -w
    [ -f "$prefix/system.reg" ] || { echo "wine-run: could not set up the Wine prefix $prefix" >&2; exit 1; }
    touch "$prefix/.zw-ready"
  fi
  flock -u 9
  exec 9>&-
fi

# Start the server detached from our output: a server started by the program itself would
# inherit its pipes and keep the caller (CTest) waiting until the server exits. It stops by
# itself a few seconds after the last program; an already running server makes this a no-op.
"$wineserver" -p3 </dev/null >/dev/null 2>&1 || true

exec "$wine64" "$@"
