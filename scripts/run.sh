#!/usr/bin/env bash
# Installs what is needed, builds, installs the program folder under build/install and starts
# Zunderwerk. Arguments go to the program (it takes none of its own today).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
prefix="$PWD/build/install"
cmake --install build/default --prefix "$prefix" >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  {
    echo "Zunderwerk is a windowed program and needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set."
    echo "Start it from a desktop session (or under a virtual display such as xvfb-run with a VNC viewer)."
    echo
    echo "Installed in $prefix. Without a display, these command-line tools work on the same registry store:"
    for tool in "zwreg|query, add, delete, export and import registry values (.reg files)" \
                "zwtweak|list the tweaks, show their state, apply or restore them" \
                "fetchget|download a URL into a file with the download component"; do
      name=${tool%%|*}
      if [ -x "$prefix/bin/$name" ]; then
        printf '  %s\n      %s\n' "$prefix/bin/$name" "${tool#*|}"
      fi
    done
  } >&2
  exit 2
fi

exec "$prefix/bin/zunderwerk" "$@"
