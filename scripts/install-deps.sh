#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Skips apt entirely when everything is present already.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache
  # core
  libsqlite3-dev sqlite3
  # windows, network, tones
  qt6-base-dev qt6-multimedia-dev libgl-dev
  # feedback form parsing
  libgumbo-dev
  # tests and benchmarks
  googletest libgtest-dev libbenchmark-dev
  # the download benchmark compares Fetchling with curl
  curl bc
  # reference product web server
  nginx php-cli php-fpm php-sqlite3
  # the real browser the feedback form submission is cross-checked against
  chromium
  # display for the program and screenshots; a clean sans-serif font
  xvfb xauth fonts-dejavu-core fonts-liberation2
  # picture generation
  imagemagick
)
# Extra packages a caller asks for (e.g. the cross build).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
