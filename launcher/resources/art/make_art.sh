#!/usr/bin/env bash
# Draws the program's icons and start-up picture with ImageMagick. The results are
# committed, so building never needs image tools; run this again after changing it.
#
# Every icon holds 48, 32 and 16 pixel images, each drawn on its own pixel grid so that
# edges stay sharp: coordinates below are in pixels of the image being drawn, with pixel k
# covering k..k+1, so one-pixel outlines sit on half-pixel lines. Each image is drawn
# eight times larger and reduced by box averaging, which smooths curves and diagonals.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The palette. Shapes are filled with a soft top-to-bottom gradient and outlined with a
# one-pixel line in a darker shade of their own colour.
blue_top='#5a95ea'
blue_bottom='#2a64c4'
blue='#2f6fd0'
navy='#1d3f7a'
plate_top='#3d7fe0'
plate_bottom='#1f4f9e'
plate_line='#173a75'
cell_top='#ffffff'
cell_bottom='#d6e4fa'
lit_top='#ffd466'
lit_bottom='#ffa41c'
lit_line='#b06a00'
unlit_top='#f1f3f7'
unlit_bottom='#cfd5df'
unlit_line='#8b95a7'
paper_top='#ffffff'
paper_bottom='#e4ecf8'
note_top='#fffbe8'
note_bottom='#fcefb8'
note_fold='#eedc96'
ink='#6b7c99'

S=8
A="affine $S,0,0,$S,-0.5,-0.5"

# frame SIZE: starts a new image of SIZE x SIZE pixels (drawn S times larger).
frame() {
    size=$1
    px=$((size * S))
    cmd=(convert -size "${px}x${px}" xc:none)
}

# draw MVG...: adds drawing commands in image pixel coordinates.
draw() {
    cmd+=(-draw "$A $*")
}

# fill Y0 Y1 TOP BOTTOM SHAPE...: fills SHAPE with a gradient running from TOP at Y0 down
# to BOTTOM at Y1.
fill() {
    local y0=$1 y1=$2 top=$3 bottom=$4
    shift 4
    local points
    points=$(awk -v a="$y0" -v b="$y1" -v s="$S" -v t="$top" -v u="$bottom" \
        'BEGIN { printf "0,%g %s 0,%g %s", a * s - 0.5, t, b * s - 0.5, u }')
    cmd+=(\( -size "${px}x${px}" xc: -sparse-color barycentric "$points"
        \( -size "${px}x${px}" xc:black -fill white -stroke none -draw "$A $*" \)
        -alpha off -compose CopyOpacity -composite \) -compose Over -composite)
}

# outline COLOUR WIDTH SHAPE...: strokes SHAPE.
outline() {
    local colour=$1 width=$2
    shift 2
    draw "fill none stroke $colour stroke-width $width stroke-linejoin round stroke-linecap round $*"
}

# save NAME: renders the current image to a work file.
save() {
    cmd+=(-scale "${size}x${size}" "PNG32:$work/$1-$size.png")
    "${cmd[@]}"
}

# icon NAME: gathers the three images of NAME into NAME.ico.
icon() {
    convert "$work/$1-48.png" "$work/$1-32.png" "$work/$1-16.png" "$1.ico"
}

# box X0 Y0 X1 Y1 R TOP BOTTOM LINE: a rounded rectangle whose outline runs along the
# given half-pixel rectangle.
box() {
    local x0=$1 y0=$2 x1=$3 y1=$4 r=$5 top=$6 bottom=$7 line=$8
    fill "$y0" "$y1" "$top" "$bottom" "roundrectangle $x0,$y0 $x1,$y1 $r,$r"
    outline "$line" 1 "roundrectangle $x0,$y0 $x1,$y1 $r,$r"
}

# grid P0 P1 PR FIRST CELL GAP CR: the launcher's mark, a blue plate spanning P0..P1
# with corner radius PR, holding a three-by-three grid of light cells of CELL pixels,
# GAP apart, starting at FIRST, with the centre cell lit.
grid() {
    local p0=$1 p1=$2 pr=$3 first=$4 cell=$5 gap=$6 cr=$7 r c x y
    fill "$p0" "$p1" "$plate_top" "$plate_bottom" "roundrectangle $p0,$p0 $p1,$p1 $pr,$pr"
    if [ "$size" -gt 16 ]; then
        outline "$plate_line" 1 "roundrectangle $p0.5,$p0.5 $((p1 - 1)).5,$((p1 - 1)).5 $pr,$pr"
    fi
    for r in 0 1 2; do
        for c in 0 1 2; do
            x=$((first + c * (cell + gap)))
            y=$((first + r * (cell + gap)))
            if [ "$r$c" = 11 ]; then
                fill "$y" "$((y + cell))" "$lit_top" "$lit_bottom" \
                    "roundrectangle $x,$y $((x + cell)),$((y + cell)) $cr,$cr"
            else
                fill "$y" "$((y + cell))" "$cell_top" "$cell_bottom" \
                    "roundrectangle $x,$y $((x + cell)),$((y + cell)) $cr,$cr"
            fi
        done
    done
}

# The program and its window: the launcher's mark.
frame 48 && grid 2 46 7 6 10 3 2 && save grid
frame 32 && grid 1 31 5 4 6 3 1.5 && save grid
frame 16 && grid 0 16 3 1 4 1 1 && save grid
icon grid
cp grid.ico program.ico
mv grid.ico window.ico

# The arrows beside the section indicator: a pointer with rounded corners, drawn
# pointing right and mirrored for the left one. The corners are rounded by stroking the
# triangle with round joins: ROUND wide for the fill, two pixels wider for the outline.
arrow() {
    local points=$1 y0=$2 y1=$3 round=$4
    fill "$y0" "$y1" "$navy" "$navy" \
        "stroke white stroke-width $(awk -v w="$round" 'BEGIN { print w + 2 }') stroke-linejoin round polygon $points"
    fill "$y0" "$y1" "$blue_top" "$blue_bottom" \
        "stroke white stroke-width $round stroke-linejoin round polygon $points"
}
frame 48 && arrow "19,14 31,24 19,34" 12 36 2 && save arrow_right
frame 32 && arrow "13,10.5 20.5,16 13,21.5" 8.5 23.5 2 && save arrow_right
frame 16 && arrow "6.5,4.5 10.5,8 6.5,11.5" 3 13 1 && save arrow_right
icon arrow_right
for s in 48 32 16; do
    convert "$work/arrow_right-$s.png" -flop "PNG32:$work/arrow_left-$s.png"
done
icon arrow_left

# An empty panel shows nothing at all.
for s in 48 32 16; do
    convert -size "${s}x$s" xc:none "PNG32:$work/panel_empty-$s.png"
done
icon panel_empty

# The section indicator: three squares with the current section's one lit.
squares() {
    local lit=$1 x0=$2 y0=$3 side=$4 gap=$5 r=$6 i x
    for i in 0 1 2; do
        x=$((x0 + i * (side + gap)))
        if [ "$size" -eq 16 ]; then
            # Too small for outlines: plain squares, the lit one bright.
            if [ "$i" -eq "$lit" ]; then
                fill "$y0" "$((y0 + side))" "$lit_top" "$lit_bottom" \
                    "roundrectangle $x,$y0 $((x + side)),$((y0 + side)) $r,$r"
            else
                fill "$y0" "$((y0 + side))" "$unlit_line" "$unlit_line" \
                    "roundrectangle $x,$y0 $((x + side)),$((y0 + side)) $r,$r"
            fi
        elif [ "$i" -eq "$lit" ]; then
            box "$x.5" "$y0.5" "$((x + side - 1)).5" "$((y0 + side - 1)).5" "$r" \
                "$lit_top" "$lit_bottom" "$lit_line"
        else
            box "$x.5" "$y0.5" "$((x + side - 1)).5" "$((y0 + side - 1)).5" "$r" \
                "$unlit_top" "$unlit_bottom" "$unlit_line"
        fi
    done
}
section() {
    local name=$1 lit=$2
    frame 48 && squares "$lit" 3 18 12 3 2.5 && save "$name"
    frame 32 && squares "$lit" 2 12 8 2 1.5 && save "$name"
    frame 16 && squares "$lit" 1 6 4 1 1 && save "$name"
    icon "$name"
}
section section_left 0
section section_centre 1
section section_right 2

# The e-mailer: an envelope flying to the right, with motion lines behind it.
envelope() {
    local x0=$1 y0=$2 x1=$3 y1=$4 r=$5 fold=$6
    # The flap's edges start where the rounded corners turn through 45 degrees.
    local flap
    flap=$(awk -v a="$x0" -v b="$x1" -v t="$y0" -v r="$r" -v f="$fold" 'BEGIN {
        c = r * (1 - sqrt(0.5))
        printf "%g,%g %g,%g %g,%g", a + c, t + c, (a + b) / 2, f, b - c, t + c }')
    fill "$y0" "$y1" "$paper_top" "$paper_bottom" "roundrectangle $x0,$y0 $x1,$y1 $r,$r"
    outline "$navy" 1 "roundrectangle $x0,$y0 $x1,$y1 $r,$r"
    outline "$navy" 1 "polyline $flap"
}
motion() {
    local width=$1 cap=$2
    shift 2
    local line
    for line in "$@"; do
        draw "stroke $blue stroke-width $width stroke-linecap $cap line $line"
    done
}
frame 48 && envelope 15.5 12.5 45.5 35.5 2 25 && motion 2 round "6,18 10,18" "2,24 10,24" "6,30 10,30" &&
    save emailer
frame 32 && envelope 11.5 9.5 29.5 22.5 1.5 17 && motion 2 round "5,12 8,12" "2,16 8,16" "5,20 8,20" &&
    save emailer
frame 16 && envelope 5.5 4.5 14.5 12.5 1 9 && motion 1 butt "2,5.5 4,5.5" "0,8.5 4,8.5" "2,11.5 4,11.5" &&
    save emailer
icon emailer

# The text clipboard: a note with lines of text and a paper clip over its top edge.
note() {
    local x0=$1 y0=$2 x1=$3 y1=$4 ear=$5 xe ye
    xe=$(awk -v a="$x1" -v e="$ear" 'BEGIN { print a - e }')
    ye=$(awk -v a="$y0" -v e="$ear" 'BEGIN { print a + e }')
    local sheet="polygon $x0,$y0 $xe,$y0 $x1,$ye $x1,$y1 $x0,$y1"
    fill "$y0" "$y1" "$note_top" "$note_bottom" "$sheet"
    fill "$y0" "$ye" "$note_fold" "$note_fold" "polygon $xe,$y0 $xe,$ye $x1,$ye"
    outline "$navy" 1 "$sheet"
    outline "$navy" 1 "polyline $xe,$y0 $xe,$ye $x1,$ye"
}
lines() {
    local width=$1
    shift
    local line
    for line in "$@"; do
        draw "stroke $ink stroke-width $width stroke-linecap butt line $line"
    done
}
clip() {
    local outer=$1 inner=$2 path=$3
    draw "fill none stroke $navy stroke-width $outer stroke-linecap round stroke-linejoin round path '$path'"
    draw "fill none stroke $blue_top stroke-width $inner stroke-linecap round stroke-linejoin round path '$path'"
}
frame 48 && note 9.5 6.5 38.5 44.5 8 &&
    lines 2 "15,21 33,21" "15,27 33,27" "15,33 33,33" "15,39 27,39" &&
    clip 3 1.2 "M 17.5,9 V 15.5 A 1.75,1.75 0 0 0 21,15.5 V 4.5 A 3.5,3.5 0 0 0 14,4.5 V 13" && save text_clipboard
frame 32 && note 6.5 4.5 25.5 29.5 5 &&
    lines 1 "10,14.5 22,14.5" "10,18.5 22,18.5" "10,22.5 22,22.5" "10,26.5 18,26.5" &&
    draw "fill none stroke $blue stroke-width 1 path 'M 12.5,7 V 11.5 A 1,1 0 0 0 14.5,11.5 V 3.5 A 2,2 0 0 0 10.5,3.5 V 10'" &&
    save text_clipboard
frame 16 && note 3.5 2.5 12.5 14.5 3 &&
    lines 1 "5,7.5 11,7.5" "5,9.5 11,9.5" "5,11.5 9,11.5" &&
    draw "fill none stroke $blue stroke-width 1 roundrectangle 5.5,0.5 7.5,5.5 1,1" && save text_clipboard
icon text_clipboard

# The start-up picture. It is larger than the window's client area, of which only about
# the top-left 357 x 320 pixels show on a 96-DPI display, so everything that matters
# lies within 350 x 310 pixels and is centred on x = 178; the rest is plain background.
centre=178
frame 96 && grid 4 92 14 12 20 6 4 && save grid

# The mouse beside the hint, both of its buttons lit.
mouse_body="roundrectangle 7.5,1.5 31.5,38.5 12,12"
mouse_buttons="path 'M 7.5,16.5 V 13.5 A 12,12 0 0 1 19.5,1.5 A 12,12 0 0 1 31.5,13.5 V 16.5 Z'"
frame 40 &&
    fill 1.5 38.5 "$paper_top" "$paper_bottom" "$mouse_body" &&
    fill 1.5 16.5 "$lit_top" "$lit_bottom" "$mouse_buttons" &&
    outline "$navy" 1 "line 7.5,16.5 31.5,16.5 line 19.5,1.5 19.5,16.5" &&
    box 17.5 5.5 21.5 12.5 2 "$paper_top" "$paper_bottom" "$navy" &&
    outline "$navy" 1 "$mouse_body" &&
    save mouse

# label NAME FONT SIZE COLOUR TEXT: sets a line of text.
label() {
    convert -background none -font "$2" -pointsize "$3" -fill "$4" label:"$5" "PNG32:$work/$1.png"
}
# width NAME: the width of a work image.
width() {
    convert "$work/$1.png" -format %w info:
}
label title DejaVu-Sans-Bold 44 "$navy" 'Vantrel'
label hint1 DejaVu-Sans 15 '#34425e' 'Hold down both mouse buttons'
label hint2 DejaVu-Sans 15 '#34425e' 'to bring up your launcher'
label maker DejaVu-Sans 11 '#7b869a' 'Brasmoor'

# The mark with a soft shadow below it.
convert "$work/grid-96.png" -bordercolor none -border 16 \
    \( +clone -fill "$navy" -colorize 100 -channel A -evaluate multiply 0.35 -blur 0x5 +channel -roll +0+4 \) \
    +swap -compose Over -composite "PNG32:$work/logo.png"

title_w=$(width title)
hint1_w=$(width hint1)
hint2_w=$(width hint2)
hint_w=$((hint1_w > hint2_w ? hint1_w : hint2_w))
maker_w=$(width maker)
group_x=$((centre - (40 + 8 + hint_w) / 2))
text_x=$((group_x + 40 + 8))
convert -size 455x462 xc: -sparse-color barycentric "0,0 #ffffff 0,461 #d9e4f4" \
    "$work/logo.png" -geometry "+$((centre - 64))+6" -composite \
    "$work/title.png" -geometry "+$((centre - title_w / 2))+126" -composite \
    -fill "$lit_bottom" -draw "roundrectangle $((centre - 20)),189 $((centre + 19)),191 1,1" \
    "$work/mouse-40.png" -geometry "+$group_x+211" -composite \
    "$work/hint1.png" -geometry "+$text_x+210" -composite \
    "$work/hint2.png" -geometry "+$text_x+232" -composite \
    "$work/maker.png" -geometry "+$((centre - maker_w / 2))+284" -composite \
    -alpha off +dither -colors 256 -compress RLE BMP3:splash.bmp
