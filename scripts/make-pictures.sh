#!/usr/bin/env bash
# Regenerates the application's three pictures and its desktop icon in resources/ from
# plain shapes and the DejaVu fonts, using ImageMagick 6 (Debian's imagemagick package).
# Usage: scripts/make-pictures.sh   (set CONVERT to choose another convert binary)
set -euo pipefail

CONVERT=${CONVERT:-convert}
OUT="$(cd "$(dirname "$0")/.." && pwd)/resources"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

FILL='#2a9d8f'      # blue-green body
LIGHT='#6cc8bb'     # highlight at the top left of the body
EDGE='#1b5e56'      # darker outline
TITLE='#17465e'     # dark teal-blue type

# draw_piece WIDTH HEIGHT FILE [BACKGROUND]
# A square body with knobs on the top and right and sockets on the left and bottom,
# on white unless another background is given ("none" for transparent).
# Every length derives from the smaller side, so each size is drawn afresh rather
# than scaled from another.
draw_piece() {
    local w=$1 h=$2 file=$3 background=${4:-white}
    local u=$(( w < h ? w : h ))
    local s=$(( u * 56 / 100 ))     # body side
    local r=$(( u * 12 / 100 ))     # knob and socket radius
    local d=$(( r * 6 / 10 ))       # centre offset from the edge; d < r leaves a neck
    local p=$(( d + r ))            # how far a knob stands out
    local left=$(( (w - s - p) / 2 ))
    local top=$(( (h - s - p) / 2 + p ))
    local right=$(( left + s )) bottom=$(( top + s ))
    local cx=$(( left + s / 2 )) cy=$(( top + s / 2 ))
    local corner=$(( u / 40 + 1 ))
    local line=$(( u / 40 + 1 ))    # outline width
    local smooth=$(( u / 64 + 1 ))  # rounds the necks and lips

    # The shape as a white-on-black mask: body and knobs, minus the sockets.
    "$CONVERT" -size "${w}x${h}" xc:black -fill white \
        -draw "roundrectangle $left,$top $right,$bottom $corner,$corner" \
        -draw "circle $cx,$(( top - d )) $cx,$(( top - d - r ))" \
        -draw "circle $(( right + d )),$cy $(( right + d + r )),$cy" \
        -fill black \
        -draw "circle $(( left + d )),$cy $(( left + d + r )),$cy" \
        -draw "circle $cx,$(( bottom - d )) $cx,$(( bottom - d - r ))" \
        -morphology Close "Disk:$smooth" -morphology Open "Disk:$smooth" \
        "$WORK/shape.png"
    # The inside, one outline width in from the edge.
    "$CONVERT" "$WORK/shape.png" -morphology Erode "Disk:$line" "$WORK/inner.png"
    # A soft diagonal shading for the body, lighter towards the top left.
    local g=$(( w + h ))
    "$CONVERT" -size "${g}x${g}" "gradient:$LIGHT-$FILL" -rotate -45 \
        -gravity center -crop "${w}x${h}+0+0" +repage "$WORK/shade.png"

    "$CONVERT" -size "${w}x${h}" "xc:$background" \
        \( -size "${w}x${h}" "xc:$EDGE" \) "$WORK/shape.png" -composite \
        "$WORK/shade.png" "$WORK/inner.png" -composite \
        +dither -colors 64 -strip "$file"
}

# The title: the product name over a thin accent line; rows 55 and below stay white
# because the application writes its copyright line there.
draw_title() {
    local file=$1
    "$CONVERT" -size 515x75 xc:white \
        -font DejaVu-Serif-Bold -pointsize 44 -fill "$TITLE" \
        -gravity north -annotate +0-2 'Quendrel' \
        -gravity northwest -fill "$FILL" -draw 'rectangle 150,52 365,53' \
        -depth 8 -strip "$file"
}

draw_piece 128 128 "$OUT/puzzle128.gif"
draw_piece 256 257 "$OUT/puzzle256.gif"
draw_title "$OUT/Quendreltitle.png"
# The desktop's launcher icon: the same piece, transparent around it.
draw_piece 256 256 "$OUT/quendrel.png" none
