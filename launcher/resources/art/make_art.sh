#!/usr/bin/env bash
# Draws the program's icons and start-up picture with ImageMagick. The results are
# committed, so building never needs image tools; run this again after changing it.
set -euo pipefail
cd "$(dirname "$0")"

# icon NAME DRAW...: renders one 48-pixel master from the draw commands and stores it as
# an icon with 48, 32 and 16 pixel images.
icon() {
    local name=$1
    shift
    convert -size 48x48 xc:none "$@" -define icon:auto-resize=48,32,16 "$name.ico"
}

blue='#2f6fd0'
dark='#1d3f7a'
lit='#ffb22e'
grey='#c9ced6'

# The program: a three-by-three grid with a lit centre.
grid=(-fill "$blue" -stroke "$dark" -strokewidth 1)
for r in 0 1 2; do
    for c in 0 1 2; do
        x=$((4 + c * 14)); y=$((4 + r * 14))
        grid+=(-draw "roundrectangle $x,$y $((x + 11)),$((y + 11)) 2,2")
    done
done
icon program "${grid[@]}" -fill "$lit" -draw "roundrectangle 18,18 29,29 2,2"
icon window "${grid[@]}" -fill "$lit" -draw "roundrectangle 18,18 29,29 2,2"

icon arrow_left -fill "$blue" -stroke "$dark" -draw "polygon 8,24 30,10 30,38"
icon arrow_right -fill "$blue" -stroke "$dark" -draw "polygon 40,24 18,10 18,38"
icon panel_empty

section() {
    local name=$1 litpos=$2 draw=(-stroke "$dark" -strokewidth 1)
    for i in 0 1 2; do
        x=$((3 + i * 15))
        if [ "$i" -eq "$litpos" ]; then draw+=(-fill "$lit"); else draw+=(-fill "$grey"); fi
        draw+=(-draw "roundrectangle $x,17 $((x + 12)),29 2,2")
    done
    icon "$name" "${draw[@]}"
}
section section_centre 1
section section_left 0
section section_right 2

icon emailer -fill white -stroke "$dark" -strokewidth 2 -draw "rectangle 14,12 44,36" \
    -fill none -draw "polyline 14,12 29,26 44,12" \
    -stroke "$blue" -draw "line 2,16 10,16" -draw "line 4,24 10,24" -draw "line 2,32 10,32"
icon text_clipboard -fill '#fff6c8' -stroke "$dark" -strokewidth 2 -draw "polygon 10,6 32,6 40,14 40,44 10,44" \
    -stroke "$grey" -strokewidth 2 -draw "line 15,20 35,20" -draw "line 15,27 35,27" -draw "line 15,34 30,34" \
    -stroke "$blue" -strokewidth 3 -fill none -draw "roundrectangle 18,1 24,14 3,3"

convert -size 455x462 gradient:'#f4f7fc-#cfdcf2' \
    -fill "$blue" -stroke "$dark" -draw "roundrectangle 165,70 290,195 10,10" \
    -fill "$lit" -draw "roundrectangle 206,111 249,154 6,6" \
    -stroke none -fill "$dark" -font DejaVu-Sans-Bold -pointsize 44 -gravity north -annotate +0+225 'Vantrel' \
    -font DejaVu-Sans -pointsize 17 -fill '#333333' -annotate +0+295 'Hold down both mouse buttons' \
    -annotate +0+320 'to bring up your launcher.' \
    -pointsize 12 -fill '#666666' -annotate +0+420 'Brasmoor' \
    -type TrueColor BMP3:splash.bmp
