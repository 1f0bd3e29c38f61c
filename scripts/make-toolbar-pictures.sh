#!/bin/sh
# Draws the browser toolbar templates of data/Pics (six motifs, each a 38x38 logo and a strip of
# ten 22x22 animation frames stacked from top to bottom, plus the background strip bg2.bmp) and
# the built-in pictures of the toolbar window (default preview strip, preview pointer).
# Needs ImageMagick 6 (convert-im6.q16). Run from the project folder.
set -eu
IM=convert-im6.q16
PICS=data/Pics
BUILTIN=src/browser/pictures
mkdir -p "$PICS" "$BUILTIN"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Motif drawings at 96x96, each on its own background.
$IM -size 96x96 radial-gradient:'#FFF3A0-#E03000' \
    -fill none -stroke '#FFD040' -strokewidth 3 -draw "arc 10,10 86,86 200,340" \
    -fill '#FFFFFF80' -stroke none -draw "circle 36,34 44,30" "$tmp/fireball.png"
$IM -size 96x96 gradient:'#1E5A2A-#0A2010' -font DejaVu-Sans-Bold -pointsize 46 \
    -fill '#F0E080' -stroke '#403000' -strokewidth 2 -gravity center -annotate +0+2 'CS' "$tmp/cs.png"
$IM -size 96x96 gradient:'#303030-#000000' -fill none -stroke '#FF8C00' -strokewidth 6 \
    -draw "circle 48,48 48,10" -font DejaVu-Sans-Bold -pointsize 56 -stroke none -fill '#FF8C00' \
    -gravity center -annotate +0+2 'λ' "$tmp/hl.png"
$IM -size 96x96 gradient:'#4A4A70-#101020' -fill '#F2F0E6' -stroke '#202020' -strokewidth 2 \
    -draw "ellipse 48,42 30,30 0,360" -draw "roundrectangle 32,58 64,82 6,6" \
    -fill '#101010' -stroke none -draw "ellipse 37,44 8,10 0,360" -draw "ellipse 59,44 8,10 0,360" \
    -draw "polygon 48,52 44,60 52,60" -stroke '#101010' -strokewidth 2 \
    -draw "line 40,70 40,82" -draw "line 48,70 48,82" -draw "line 56,70 56,82" "$tmp/skull.png"
$IM -size 96x96 radial-gradient:'#E02020-#700000' -fill none -stroke '#101010' -strokewidth 2 \
    -draw "line 48,0 48,96" -draw "line 0,48 96,48" -draw "line 0,0 96,96" -draw "line 96,0 0,96" \
    -draw "circle 48,48 48,18" -draw "circle 48,48 48,34" -draw "circle 48,48 48,4" \
    -fill '#FFFFFF' -stroke '#101010' -strokewidth 2 \
    -draw "polygon 24,36 42,40 40,52 26,48" -draw "polygon 72,36 54,40 56,52 70,48" "$tmp/spiderman.png"
$IM -size 96x96 gradient:'#2060D0-#0A1A50' -font DejaVu-Sans-Bold -pointsize 70 \
    -fill '#FFD030' -stroke '#503000' -strokewidth 2 -gravity center -annotate +0+4 'Z' "$tmp/z.png"

for m in fireball cs hl skull spiderman z; do
    # The logo, and the picture of its template button (built into the window).
    $IM "$tmp/$m.png" -resize 38x38 -type TrueColor "BMP3:$PICS/$m.bmp"
    $IM "$tmp/$m.png" -resize 32x32 "$BUILTIN/button_$m.png"
    # The animation: ten frames, the motif turning once with a pulsing glow.
    frames=""
    for i in 0 1 2 3 4 5 6 7 8 9; do
        angle=$((i * 36))
        light=$((100 + (i % 5) * 8))
        $IM "$tmp/$m.png" -modulate "$light" -background black -distort SRT "$angle" \
            -resize 22x22 "$tmp/${m}_$i.png"
        frames="$frames $tmp/${m}_$i.png"
    done
    # shellcheck disable=SC2086
    $IM $frames -append -type TrueColor "BMP3:$PICS/${m}_ani.bmp"
done

# The background strip of the toolbars: 1028x118 (15420 x 1770 twips), soft waves in blue.
$IM -size 118x1028 gradient:'#DDE8F8-#7FA6DA' -rotate 90 \
    \( -size 1028x118 xc:none -fill none -stroke '#FFFFFF60' -strokewidth 3 \
       -draw "bezier 0,80 250,20 500,110 1028,40" -draw "bezier 0,100 300,50 650,118 1028,70" \
       -stroke '#2050A040' -draw "bezier 0,30 350,90 700,10 1028,60" \) -composite \
    -type TrueColor "BMP3:$PICS/bg2.bmp"

# Built-in default strip of the preview: the same size, in warm grey with a hint.
$IM -size 118x1028 gradient:'#F4F0E8-#C8C0B0' -rotate 90 -font DejaVu-Sans -pointsize 20 \
    -fill '#706858' -gravity center -annotate +0+0 'Kein Hintergrund-Bild' "$BUILTIN/default_strip.png"
# Built-in pointer of the preview: a small magnifier.
$IM -size 32x32 xc:none -fill '#FFFFFFA0' -stroke '#202020' -strokewidth 3 -draw "circle 13,13 13,3" \
    -strokewidth 5 -draw "line 20,20 29,29" "$BUILTIN/pointer.png"
