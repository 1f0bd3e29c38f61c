#!/usr/bin/env bash
# Draws the feedback window's background into data/Pics with ImageMagick: black, as the window
# has always been, with a faint ember glow at the bottom. The result is committed; run again
# after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
IM=convert-im6.q16
command -v "$IM" >/dev/null || IM=convert
out=data/Pics/Backgrounds
mkdir -p "$out"
# 8415 x 8940 twips at 15 twips per pixel.
"$IM" -size 561x596 xc:black \
  \( -size 561x240 radial-gradient:'#3A1A06'-black \) -gravity south -composite \
  -strip "$out/Feedback.png"
