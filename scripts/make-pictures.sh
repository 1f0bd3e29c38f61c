#!/usr/bin/env bash
# Draws the program's pictures into data/Pics with ImageMagick: program icon, window
# backgrounds, the small caption buttons of the main window and the animated owl.
# The results are committed; run again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
IM=convert-im6.q16
command -v "$IM" >/dev/null || IM=convert
out=data/Pics
mkdir -p "$out/Icons" "$out/Backgrounds" "$out/Buttons" "$out/Misc"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

blue='#1F4FA8'; deep='#12306A'; flame='#FF8A1F'; ember='#FFD23F'; green='#80FF80'

# Program icon: a flame (tinder catching fire) on a rounded blue tile.
flame_icon() {  # size
  local s=$1
  "$IM" -size 256x256 xc:none \
    -fill "$deep" -draw "roundrectangle 8,8 248,248 48,48" \
    -fill "$blue" -draw "roundrectangle 8,8 248,236 48,48" \
    -fill "$flame" -draw "path 'M128,36 C150,84 196,104 190,160 C186,204 156,226 128,226 C100,226 70,204 66,160 C62,118 96,104 104,70 C116,94 120,104 128,36 Z'" \
    -fill "$ember" -draw "path 'M128,112 C138,140 160,150 158,178 C156,200 142,210 128,210 C114,210 100,200 98,178 C96,156 116,146 128,112 Z'" \
    -fill white -draw "ellipse 128,196 10,8 0,360" \
    -resize "${s}x${s}" "$out/Icons/zunderwerk-$s.png"
}
for s in 16 32 48 64 256; do flame_icon "$s"; done
cp "$out/Icons/zunderwerk-256.png" "$out/Icons/zunderwerk.png"

# Background of a window: soft vertical gradient, a light diagonal pattern, a large faint flame.
background() {  # name width height top bottom
  local name=$1 w=$2 h=$3 top=$4 bottom=$5
  local lines=() x
  for ((x = -h; x < w; x += 24)); do lines+=(-draw "line $x,$h $((x + h)),0"); done
  "$IM" -size "${w}x${h}" gradient:"$top"-"$bottom" \
    -stroke '#E3ECF9' -strokewidth 1 "${lines[@]}" -stroke none \
    \( -size 256x256 xc:none -fill '#FBE3CC' \
       -draw "path 'M128,36 C150,84 196,104 190,160 C186,204 156,226 128,226 C100,226 70,204 66,160 C62,118 96,104 104,70 C116,94 120,104 128,36 Z'" \
       -fill '#FDF0D0' -draw "path 'M128,112 C138,140 160,150 158,178 C156,200 142,210 128,210 C114,210 100,200 98,178 C96,156 116,146 128,112 Z'" \
       -resize "$((h * 2 / 3))x$((h * 2 / 3))" \) -gravity southeast -geometry +8+4 -compose over -composite -gravity northwest \
    -fill none -stroke "$blue" -strokewidth 3 -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 40,40" \
    -background white -alpha remove -alpha off "$out/Backgrounds/$name.png"
}
background Form1 496 392 '#FFFFFF' '#DCE8FA'
background tool 400 300 '#FFFFFF' '#E4EEFB'

# Small caption buttons (shown at 18 x 18).
button() {  # name fill drawing...
  local name=$1 fill=$2; shift 2
  "$IM" -size 36x36 xc:none -fill "$fill" -stroke "$deep" -strokewidth 2 -draw "circle 18,18 18,2" \
    -fill white -stroke white "$@" "$out/Buttons/$name.png"
}
button info "$blue" -strokewidth 1 -draw "circle 18,10 18,8" -strokewidth 4 -draw "line 18,16 18,27"
button minimize "$blue" -strokewidth 4 -draw "line 10,24 26,24"
button close '#C8302C' -strokewidth 4 -draw "line 11,11 25,25" -draw "line 25,11 11,25"

# The owl: blinks and turns its eyes; eight frames on a transparent ground, no margin.
owl_frame() {  # index eyes pupil-dx
  local i=$1 eyes=$2 dx=$3
  local draw=(-fill '#7A4E2D' -draw "ellipse 36,42 24,28 0,360"
              -draw "polygon 14,20 22,6 28,20" -draw "polygon 58,20 50,6 44,20"
              -fill '#C9A27A' -draw "ellipse 36,50 14,16 0,360"
              -fill '#F2C14E' -draw "polygon 32,34 40,34 36,42")
  if [ "$eyes" = open ]; then
    draw+=(-fill white -draw "circle 26,28 26,19" -draw "circle 46,28 46,19"
           -fill black -draw "circle $((26 + dx)),28 $((26 + dx)),24" -draw "circle $((46 + dx)),28 $((46 + dx)),24")
  else
    draw+=(-stroke black -strokewidth 2 -draw "line 19,28 33,28" -draw "line 39,28 53,28")
  fi
  draw+=(-stroke none -fill '#F2C14E' -draw "polygon 26,68 30,72 22,72" -draw "polygon 46,68 50,72 42,72")
  "$IM" -size 72x74 xc:none "${draw[@]}" "$tmp/owl-$i.png"
}
owl_frame 0 open 0; owl_frame 1 open 2; owl_frame 2 open 3; owl_frame 3 open 2
owl_frame 4 open 0; owl_frame 5 closed 0; owl_frame 6 open -2; owl_frame 7 open -3
"$IM" -dispose background -delay 30 "$tmp"/owl-{0,1,2,3,4}.png -delay 12 "$tmp/owl-5.png" \
  -delay 30 "$tmp"/owl-{6,7,6,0}.png -loop 0 "$out/Misc/Eule.gif"
echo "pictures written to $out"
