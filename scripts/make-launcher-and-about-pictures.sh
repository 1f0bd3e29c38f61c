#!/usr/bin/env bash
# Draws the launcher's own pictures (64 x 64, transparent background) into data/Pics/Tools/,
# one per launcher entry, named as the entry's `picture` field, and the dark backgrounds of the
# about window and the launcher into data/Pics/Backgrounds/. The pictures are committed; run
# this again only to change them. Needs ImageMagick 6 (convert-im6.q16).
set -euo pipefail
cd "$(dirname "$0")/.."
out=data/Pics/Tools
mkdir -p "$out"
im=convert-im6.q16
font=DejaVu-Sans-Bold
mono=DejaVu-Sans-Mono-Bold

# pic NAME DRAW-ARGUMENTS...: a 64 x 64 transparent canvas, the given drawing, written as PNG.
pic() {
  local name=$1
  shift
  "$im" -size 64x64 xc:none -strokewidth 2 "$@" -strip "PNG32:$out/$name.png"
}

# Standard Tools
pic write -fill white -stroke '#606060' -draw 'polygon 12,4 42,4 54,16 54,60 12,60' \
  -fill '#d8d8d8' -draw 'polygon 42,4 42,16 54,16' \
  -stroke none -fill '#1e5bc6' -font $font -pointsize 30 -draw 'text 16,50 "W"'
pic notepad -fill '#fff8b0' -stroke '#8a7a30' -draw 'rectangle 12,8 52,60' \
  -stroke '#5070c0' -draw 'line 18,24 46,24' -draw 'line 18,32 46,32' -draw 'line 18,40 46,40' -draw 'line 18,48 38,48' \
  -stroke '#404040' -fill none -draw 'ellipse 20,8 3,5 180,360' -draw 'ellipse 32,8 3,5 180,360' -draw 'ellipse 44,8 3,5 180,360'
pic mspaint -fill '#e8c890' -stroke '#8a6a30' -draw 'ellipse 30,36 26,22 0,360' \
  -fill white -stroke none -draw 'circle 40,46 40,41' \
  -fill red -draw 'circle 16,30 16,25' -fill '#20a020' -draw 'circle 26,20 26,15' -fill blue -draw 'circle 40,20 40,15' \
  -fill '#f0d000' -draw 'circle 20,44 20,39' \
  -stroke '#6a3a10' -strokewidth 4 -draw 'line 62,2 44,30'
pic calc -fill '#b8b8c0' -stroke '#505058' -draw 'roundrectangle 12,2 52,62 5,5' \
  -fill '#a8d8a0' -draw 'rectangle 17,7 47,19' \
  -stroke none -fill '#303040' -font $mono -pointsize 11 -draw 'text 28,17 "42"' \
  -fill '#404050' \
  -draw 'rectangle 17,24 24,30' -draw 'rectangle 29,24 36,30' -draw 'rectangle 41,24 47,30' \
  -draw 'rectangle 17,34 24,40' -draw 'rectangle 29,34 36,40' -draw 'rectangle 41,34 47,40' \
  -draw 'rectangle 17,44 24,50' -draw 'rectangle 29,44 36,50' -draw 'rectangle 41,44 47,50' \
  -fill '#d04020' -draw 'rectangle 17,54 47,58'
pic taskmgr -fill '#101010' -stroke '#707070' -draw 'rectangle 4,8 60,56' \
  -stroke '#206020' -strokewidth 1 -draw 'line 4,20 60,20' -draw 'line 4,32 60,32' -draw 'line 4,44 60,44' \
  -draw 'line 18,8 18,56' -draw 'line 32,8 32,56' -draw 'line 46,8 46,56' \
  -fill none -stroke '#30f030' -strokewidth 3 -draw 'polyline 6,48 14,40 20,44 28,22 36,34 44,16 50,28 58,20'
pic mplay32 -fill '#1a3a8a' -stroke '#0a1a4a' -draw 'circle 32,32 32,3' \
  -fill white -stroke none -draw 'polygon 24,18 24,46 48,32'
pic sndvol32 -fill '#505050' -stroke '#202020' -draw 'polygon 6,24 16,24 30,10 30,54 16,40 6,40' \
  -fill none -stroke '#1e5bc6' -strokewidth 3 -draw 'arc 24,20 44,44 -60,60' -draw 'arc 24,12 56,52 -60,60' \
  -draw 'arc 22,4 66,60 -55,55'
pic sndrec32 -fill '#8a8a96' -stroke '#404048' -draw 'roundrectangle 22,4 42,38 10,10' \
  -fill none -stroke '#606068' -strokewidth 4 -draw 'arc 14,16 50,46 0,180' -draw 'line 32,46 32,56' -draw 'line 22,58 42,58' \
  -fill '#e02020' -stroke none -draw 'circle 52,12 52,6'
pic regedt32 -stroke '#202020' -strokewidth 1 \
  -fill '#3070e0' -draw 'polygon 8,26 22,20 36,26 22,32' -fill '#2050b0' -draw 'polygon 8,26 22,32 22,48 8,42' -fill '#1a3a80' -draw 'polygon 22,32 36,26 36,42 22,48' \
  -fill '#40b040' -draw 'polygon 28,38 42,32 56,38 42,44' -fill '#2a8a2a' -draw 'polygon 28,38 42,44 42,60 28,54' -fill '#1a601a' -draw 'polygon 42,44 56,38 56,54 42,60' \
  -fill '#e04040' -draw 'polygon 28,10 42,4 56,10 42,16' -fill '#b02020' -draw 'polygon 28,10 42,16 42,32 28,26' -fill '#801010' -draw 'polygon 42,16 56,10 56,26 42,32'
pic cmd -fill black -stroke '#808080' -draw 'rectangle 2,8 62,58' -fill '#1e5bc6' -draw 'rectangle 2,8 62,16' \
  -stroke none -fill '#d0d0d0' -font $mono -pointsize 14 -draw 'text 6,34 "C:\\>_"'

# System / Diagnose
pic diskmgmt -fill '#b0b0b8' -stroke '#404048' -draw 'roundrectangle 4,34 60,58 4,4' -fill '#30d030' -stroke none -draw 'rectangle 48,48 54,52' \
  -fill '#3060d0' -stroke '#202040' -draw 'circle 26,20 26,2' -fill '#b040c0' -draw 'path "M 26,20 L 26,2 A 18,18 0 0,1 44,20 Z"'
pic cleanmgr -fill '#b0b0b8' -stroke '#404048' -draw 'roundrectangle 2,36 52,60 4,4' \
  -stroke '#8a5a20' -strokewidth 4 -draw 'line 60,4 38,34' \
  -fill '#e8c040' -stroke '#8a6a10' -strokewidth 2 -draw 'polygon 34,28 44,36 36,48 22,40' \
  -stroke '#c0a020' -draw 'line 26,42 16,50' -draw 'line 30,46 24,56'
pic dfrg -stroke '#303030' -strokewidth 1 \
  -fill '#d03030' -draw 'rectangle 4,4 18,18' -fill '#3050d0' -draw 'rectangle 18,4 32,18' -fill '#3050d0' -draw 'rectangle 32,4 46,18' -fill white -draw 'rectangle 46,4 60,18' \
  -fill '#3050d0' -draw 'rectangle 4,18 18,32' -fill '#3050d0' -draw 'rectangle 18,18 32,32' -fill '#d03030' -draw 'rectangle 32,18 46,32' -fill white -draw 'rectangle 46,18 60,32' \
  -fill '#3050d0' -draw 'rectangle 4,32 18,46' -fill '#30b0d0' -draw 'rectangle 18,32 32,46' -fill white -draw 'rectangle 32,32 46,46' -fill '#d03030' -draw 'rectangle 46,32 60,46' \
  -fill '#30b0d0' -draw 'rectangle 4,46 18,60' -fill white -draw 'rectangle 18,46 32,60' -fill white -draw 'rectangle 32,46 46,60' -fill white -draw 'rectangle 46,46 60,60'
pic devmgmt -fill '#d8d8d8' -stroke '#505050' -draw 'roundrectangle 4,6 60,44 3,3' -fill '#2050a0' -draw 'rectangle 8,10 56,40' \
  -fill '#909090' -draw 'polygon 26,44 38,44 42,56 22,56' \
  -fill '#202020' -stroke '#e0c040' -strokewidth 2 -draw 'rectangle 24,18 40,32' \
  -draw 'line 20,21 24,21' -draw 'line 20,29 24,29' -draw 'line 40,21 44,21' -draw 'line 40,29 44,29'
pic compmgmt -fill '#d8d8d8' -stroke '#505050' -draw 'roundrectangle 2,8 42,40 3,3' -fill '#40a0e0' -draw 'rectangle 6,12 38,36' \
  -fill '#909090' -draw 'polygon 16,40 28,40 30,50 14,50' \
  -fill '#c8c8c8' -draw 'rectangle 46,6 62,58' -fill '#30d030' -stroke none -draw 'rectangle 50,50 54,53' \
  -stroke '#505050' -draw 'line 49,14 59,14' -draw 'line 49,20 59,20'
pic control -fill '#3a6ad0' -stroke '#1a3a80' -draw 'roundrectangle 4,4 60,60 6,6' \
  -stroke '#e0e0e0' -strokewidth 3 -draw 'line 16,12 16,52' -draw 'line 32,12 32,52' -draw 'line 48,12 48,52' \
  -fill '#f0c020' -stroke '#604000' -strokewidth 1 -draw 'rectangle 11,36 21,42' -draw 'rectangle 27,18 37,24' -draw 'rectangle 43,30 53,36'
pic services -fill '#707888' -stroke '#303848' -strokewidth 1 \
  -draw 'polygon 29,2 35,2 36,10 42,12 48,7 53,12 48,18 51,24 60,25 60,31 52,33 50,39 55,46 50,51 43,46 37,49 35,58 29,58 28,49 22,46 15,51 10,46 15,39 12,33 4,31 4,25 12,24 15,18 10,12 15,7 21,12 28,10' \
  -fill white -draw 'circle 32,30 32,20'
pic perfmon -fill white -stroke '#606060' -draw 'rectangle 4,4 60,60' \
  -stroke '#202020' -draw 'line 10,54 56,54' -draw 'line 10,54 10,10' \
  -stroke none -fill '#40a040' -draw 'rectangle 14,40 20,54' -fill '#40a040' -draw 'rectangle 24,30 30,54' -fill '#40a040' -draw 'rectangle 34,36 40,54' -fill '#40a040' -draw 'rectangle 44,20 50,54' \
  -fill none -stroke '#d02020' -strokewidth 2 -draw 'polyline 12,34 26,22 36,28 54,10'
pic rstrui -fill white -stroke '#404040' -draw 'circle 32,32 32,8' \
  -stroke '#202020' -strokewidth 3 -draw 'line 32,32 32,16' -draw 'line 32,32 42,36' \
  -fill none -stroke '#20a040' -strokewidth 4 -draw 'arc 2,2 62,62 150,400' \
  -fill '#20a040' -stroke none -draw 'polygon 0,34 14,34 6,46'
pic dxdiag -fill '#202020' -stroke '#606060' -draw 'roundrectangle 2,8 62,56 6,6' \
  -stroke none -fill '#f0c020' -font $font -pointsize 26 -draw 'text 6,43 "D"' -fill '#e03020' -draw 'text 30,43 "X"' \
  -fill none -stroke '#40c0f0' -draw 'line 6,50 58,50'
pic verifier -fill '#2a60c0' -stroke '#102a60' -draw 'polygon 32,2 58,12 56,34 32,62 8,34 6,12' \
  -fill none -stroke white -strokewidth 6 -draw 'polyline 18,32 28,42 46,20'

# Information Tools
pic fsmgmt -fill '#e8b830' -stroke '#906010' -draw 'polygon 4,12 22,12 26,18 56,18 56,46 4,46' \
  -fill '#f8d060' -draw 'polygon 4,22 56,22 56,46 4,46' \
  -fill none -stroke '#2050c0' -strokewidth 3 -draw 'line 30,46 30,56' -draw 'line 10,58 50,58' \
  -fill '#2050c0' -stroke none -draw 'circle 10,58 10,55' -draw 'circle 50,58 50,55'
pic ddeshare -fill white -stroke '#404040' -draw 'rectangle 2,6 26,30' -draw 'rectangle 38,34 62,58' \
  -fill '#1e5bc6' -draw 'rectangle 2,6 26,11' -draw 'rectangle 38,34 62,39' \
  -fill none -stroke '#d06010' -strokewidth 3 -draw 'line 28,20 50,20' -draw 'line 50,20 50,30' -draw 'line 36,44 14,44' -draw 'line 14,44 14,34' \
  -fill '#d06010' -stroke none -draw 'polygon 44,28 56,28 50,34' -draw 'polygon 8,36 20,36 14,30'
pic lusrmgr -fill '#3a70d0' -stroke '#1a3070' -draw 'circle 22,18 22,9' -draw 'path "M 6,56 Q 6,30 22,30 Q 38,30 38,56 Z"' \
  -fill '#40a040' -stroke '#1a5a1a' -draw 'circle 44,24 44,15' -draw 'path "M 28,60 Q 28,36 44,36 Q 60,36 60,60 Z"'
pic winmsd -fill '#1e5bc6' -stroke '#0a2a70' -draw 'circle 32,32 32,3' \
  -stroke none -fill white -draw 'circle 32,16 32,12' -draw 'roundrectangle 27,25 37,52 2,2'
pic ntmsmgr -fill '#d0d4dc' -stroke '#707480' -draw 'circle 32,32 32,3' \
  -fill none -stroke '#c0a0e0' -strokewidth 4 -draw 'arc 10,10 54,54 200,290' -stroke '#a0e0d0' -draw 'arc 10,10 54,54 20,110' \
  -fill white -stroke '#707480' -strokewidth 2 -draw 'circle 32,32 32,24' -fill none -draw 'circle 32,32 32,29'
pic eventvwr -fill '#8a4a20' -stroke '#4a2000' -draw 'roundrectangle 8,2 54,62 3,3' -fill white -stroke none -draw 'rectangle 14,6 50,58' \
  -stroke '#909090' -draw 'line 18,14 46,14' -draw 'line 18,22 46,22' \
  -fill '#f0c020' -stroke '#705000' -draw 'polygon 32,28 50,58 14,58' \
  -stroke none -fill black -draw 'rectangle 30,36 34,48' -draw 'rectangle 30,51 34,55'
pic certmgr -fill '#fff8e0' -stroke '#a08040' -draw 'rectangle 4,6 60,46' \
  -stroke '#a0a0a0' -draw 'line 10,14 54,14' -draw 'line 10,20 44,20' -draw 'line 10,26 36,26' \
  -fill '#c02020' -stroke none -draw 'polygon 40,42 36,62 44,56 48,62 48,42' -draw 'polygon 44,42 48,62 52,56 56,62 52,42' \
  -fill '#e03030' -stroke '#801010' -draw 'circle 46,38 46,28'

# Misc Tools
pic mstsc -fill '#d8d8d8' -stroke '#505050' -draw 'rectangle 2,4 28,24' -fill '#40a0e0' -draw 'rectangle 5,7 25,21' \
  -fill '#d8d8d8' -draw 'rectangle 36,36 62,56' -fill '#40a0e0' -draw 'rectangle 39,39 59,53' \
  -fill none -stroke '#20a040' -strokewidth 3 -draw 'line 16,30 16,46' -draw 'line 16,46 28,46' \
  -fill '#20a040' -stroke none -draw 'polygon 28,40 36,46 28,52'
pic clipbrd -fill '#a06a30' -stroke '#603a10' -draw 'roundrectangle 8,6 56,62 4,4' -fill white -stroke none -draw 'rectangle 14,14 50,56' \
  -fill '#a0a0a8' -stroke '#505058' -draw 'roundrectangle 22,2 42,14 3,3' \
  -stroke '#8090a0' -draw 'line 18,26 46,26' -draw 'line 18,34 46,34' -draw 'line 18,42 38,42'
pic magnify -fill '#c8e8ff' -stroke '#404040' -strokewidth 4 -draw 'circle 26,26 26,6' \
  -stroke '#503010' -strokewidth 8 -draw 'line 41,41 58,58' \
  -stroke none -fill '#1e5bc6' -font $font -pointsize 20 -draw 'text 19,34 "+"'
pic iexpress -fill '#c89050' -stroke '#6a4010' -draw 'polygon 6,26 32,36 32,62 6,52' -fill '#a87030' -draw 'polygon 32,36 58,26 58,52 32,62' \
  -fill '#e0b070' -draw 'polygon 6,26 32,16 58,26 32,36' \
  -fill '#20a040' -stroke none -draw 'polygon 24,14 24,6 18,6 32,-6 46,6 40,6 40,14'
pic eudcedit -fill white -stroke '#a0b0d0' -strokewidth 1 \
  -draw 'rectangle 4,4 60,60' -draw 'line 18,4 18,60' -draw 'line 32,4 32,60' -draw 'line 46,4 46,60' \
  -draw 'line 4,18 60,18' -draw 'line 4,32 60,32' -draw 'line 4,46 60,46' \
  -stroke none -fill '#202020' -font $font -pointsize 40 -draw 'text 17,54 "Ä"'
pic ciadv -fill white -stroke '#606060' -draw 'rectangle 4,2 36,44' -draw 'rectangle 10,8 42,50' \
  -stroke '#a0a0a0' -draw 'line 14,18 36,18' -draw 'line 14,26 36,26' -draw 'line 14,34 30,34' \
  -fill '#fff0a0' -stroke '#404040' -strokewidth 3 -draw 'circle 42,40 42,28' \
  -stroke '#503010' -strokewidth 6 -draw 'line 51,49 61,59'
pic winchat -fill '#60a0f0' -stroke '#204080' -draw 'roundrectangle 2,4 42,32 8,8' -draw 'polygon 10,30 8,42 20,31' \
  -fill '#f0f0a0' -stroke '#806020' -draw 'roundrectangle 22,26 62,52 8,8' -draw 'polygon 52,50 56,62 44,51' \
  -stroke none -fill '#204080' -draw 'circle 14,18 14,16' -draw 'circle 22,18 22,16' -draw 'circle 30,18 30,16'

# Backgrounds at the windows' sizes in pixels: black fading into a deep blue, with a faint glow.
background() {
  local name=$1 size=$2
  "$im" -size "$size" gradient:'#000000-#06143a' \
    \( -size "$size" radial-gradient:'#1a3a8a-#000000' -evaluate multiply 0.35 \) -compose screen -composite \
    -strip "PNG24:data/Pics/Backgrounds/$name.png"
}
mkdir -p data/Pics/Backgrounds
background Info 517x567
background tools 688x589

echo "pictures written to $out and data/Pics/Backgrounds"
