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

# The product web server for this session: the reference server on 127.0.0.1, unless
# ZUNDERWERK_SERVER points elsewhere. It stops by itself when the program ends (the program
# takes over this script's process). Feedback entries stay in the user's data folder.
if [ -z "${ZUNDERWERK_SERVER:-}" ]; then
  feedback_db="${XDG_DATA_HOME:-$HOME/.local/share}/Zunderwerk/feedback.sqlite"
  if url="$(scripts/server.sh start --db "$feedback_db")"; then
    export ZUNDERWERK_SERVER="$url"
    echo "Product web server: $url (feedback entries in $feedback_db)" >&2
  else
    echo "The reference web server did not start; update and feedback will report no connection." >&2
  fi
fi

exec "$prefix/bin/zunderwerk" "$@"
