#!/usr/bin/env bash
# make-skin-pictures.sh - draws the pictures named by the shipped skins.
#
# The "parapente" skin:
#   parapente-fond.png        612 x 592, the main window's background: a pale
#                             sky that fades to white behind the question,
#                             a few soft clouds, a line of green hills along
#                             the bottom edge and a paraglider above them
#   parapente-question.png    138 x 36, the Question button's picture once an
#                             answer is marked: "Question Suivante" on blue
#   parapente-evaluation.png  138 x 36, its picture while an answer waits to
#                             be marked: "Evaluation" on orange
#
# The sizes are those of the window (9180 x 8880 twips) and of the Question
# button less its frame. Everything is drawn with ImageMagick "convert"
# primitives and written without metadata, so running the script again gives
# the same bytes.
#
# Usage: tools/make-skin-pictures.sh [DATA_FOLDER]
# DATA_FOLDER defaults to the "data" folder beside the tools folder; the files
# go to its "skin" folder.

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="${1:-$here/../data}"
skin="$data/skin"
mkdir -p "$skin"

if ! command -v convert >/dev/null 2>&1; then
    echo "ImageMagick (convert) is required: apt-get install imagemagick" >&2
    exit 1
fi

BOLD=DejaVu-Sans-Bold
if ! convert -list font 2>/dev/null | grep -q "Font: DejaVu-Sans-Bold$"; then
    BOLD=Liberation-Sans-Bold
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# PNG without dates, comments or other metadata.
png=(-strip -define png:exclude-chunks=date,time)

# ============================================================ background
# The sky: light blue at the top, nearly white from the question down, so
# that dark text reads everywhere on it.
convert -size 612x592 gradient:"#cfe6f8-#fbfdff" "$work/sky.png"

# Clouds: overlapping white discs, blurred into soft shapes, in the margins
# around the question and the score.
convert -size 612x592 xc:none -fill "rgba(255,255,255,0.85)" \
    -draw "circle 80,14 80,0" -draw "circle 104,8 104,-10" -draw "circle 130,16 130,2" \
    -draw "roundrectangle 60,10 150,28 9,9" \
    -draw "circle 470,18 470,4" -draw "circle 494,10 494,-8" -draw "circle 520,20 520,6" \
    -draw "roundrectangle 452,14 540,32 9,9" \
    -draw "circle 540,150 540,138" -draw "circle 560,144 560,128" -draw "circle 582,152 582,140" \
    -draw "roundrectangle 528,148 598,162 7,7" \
    -blur 0x4 "$work/clouds.png"

# Hills along the bottom edge, two ranges, the nearer one darker.
convert -size 612x592 xc:none \
    -fill "#bfe0ab" -draw "path 'M 0,574 C 60,556 120,562 170,570 C 230,580 270,554 340,558 C 400,562 430,578 470,576 L 612,570 L 612,592 L 0,592 Z'" \
    -fill "#8cc47a" -draw "path 'M 0,592 C 70,578 130,584 200,592 C 260,592 320,582 390,586 C 440,589 460,592 612,590 L 612,592 L 0,592 Z'" \
    "$work/hills.png"

# A paraglider over the hills: an arched orange canopy, its lines and the pilot.
convert -size 612x592 xc:none \
    -fill none -stroke "#6b4a2a" -strokewidth 1 \
    -draw "line 132,534 150,555" -draw "line 141,531 150,555" -draw "line 150,530 150,555" \
    -draw "line 159,531 150,555" -draw "line 168,534 150,555" \
    -stroke "#a84a10" -strokewidth 1 -fill "#e8731f" \
    -draw "path 'M 126,536 C 132,519 168,519 174,536 C 166,529 134,529 126,536 Z'" \
    -stroke none -fill "#27406e" -draw "circle 150,557 150,554" \
    "$work/glider.png"

convert "$work/sky.png" "$work/clouds.png" -composite "$work/hills.png" -composite \
    "$work/glider.png" -composite "${png[@]}" "$skin/parapente-fond.png"

# ============================================================ button pictures
# button NAME TOP BOTTOM EDGE TEXT: a rounded button face with a top-to-bottom
# gradient, a darker edge and its caption in white with a dark outline.
button() {
    local name="$1" top="$2" bottom="$3" edge="$4" text="$5"
    convert -size 138x36 gradient:"$top-$bottom" \
        \( -size 138x36 xc:black -fill white -draw "roundrectangle 0,0 137,35 8,8" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        -fill none -stroke "$edge" -strokewidth 2 -draw "roundrectangle 1,1 136,34 8,8" \
        -font "$BOLD" -pointsize 13 -gravity center \
        -stroke "$edge" -strokewidth 3 -fill "$edge" -annotate +0+1 "$text" \
        -stroke none -fill white -annotate +0+1 "$text" \
        "${png[@]}" "$skin/$name.png"
}

button parapente-question "#4f9be0" "#1f5fa8" "#123a69" "Question Suivante"
button parapente-evaluation "#f7a24a" "#d0660f" "#7a3a06" "Evaluation"
