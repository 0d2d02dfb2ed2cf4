#!/usr/bin/env bash
# make-splash-art.sh - draws the pictures of the splash window.
#
#   logo.png     480 x 300: a summer sky over green hills, a paraglider on the
#                right and the name "Ventelle" on the left
#   q.png, c.png, m.png
#                64 x 64 round orange badges, each holding one white letter;
#                they appear one by one under the name
#
# Every picture is drawn with ImageMagick "convert" primitives only, in
# Liberation Sans (DejaVu Sans when Liberation is missing).
#
# Usage: tools/make-splash-art.sh [OUT_FOLDER]
# OUT_FOLDER defaults to src/qt/artwork beside the tools folder.
# Running it again simply redraws the same files.

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../src/qt/artwork}"
mkdir -p "$out"

if ! command -v convert >/dev/null 2>&1; then
    echo "ImageMagick (convert) is required: apt-get install imagemagick" >&2
    exit 1
fi

BOLD=Liberation-Sans-Bold
FONT=Liberation-Sans
fonts="$(convert -list font 2>/dev/null || true)"
if ! grep -q "Font: Liberation-Sans-Bold$" <<<"$fonts"; then
    BOLD=DejaVu-Sans-Bold
    FONT=DejaVu-Sans
fi

# PNG without time stamps, so that redrawing gives the same bytes.
save=(-strip -define png:exclude-chunks=date,time)

# ------------------------------------------------------------- the canopy
# Seen from the front and a little below: an arch of cells on an ellipse
# centred on (CX, CY). Cells alternate orange and yellow; thin seams part
# them; the lines run from the lower edge to the pilot's two risers.
CX=366; CY=118; RX=82; RY=64; HALF=9
FIRST=192; LAST=348; CELL=12

# point ANGLE RADIUS_X RADIUS_Y: "x,y" on the ellipse.
point() {
    awk -v a="$1" -v rx="$2" -v ry="$3" -v cx=$CX -v cy=$CY \
        'BEGIN { r = a * 3.14159265 / 180; printf "%.1f,%.1f", cx + rx * cos(r), cy + ry * sin(r) }'
}

canopy=()
colour=("#ff7a1a" "#ffc93c")
i=0
for ((a = FIRST; a < LAST; a += CELL)); do
    canopy+=(-stroke "${colour[i % 2]}" -strokewidth $((2 * HALF)) -fill none
             -draw "ellipse $CX,$CY $RX,$RY $a,$((a + CELL))")
    i=$((i + 1))
done
seams=(-stroke "#b4470c" -strokewidth 1)
for ((a = FIRST + CELL; a < LAST; a += CELL)); do
    seams+=(-draw "line $(point $a $((RX - HALF)) $((RY - HALF))) $(point $a $((RX + HALF)) $((RY + HALF)))")
done
edge=(-stroke "#8a3208" -strokewidth 1.5 -fill none
      -draw "line $(point $FIRST $((RX - HALF)) $((RY - HALF))) $(point $FIRST $((RX + HALF)) $((RY + HALF)))"
      -draw "line $(point $LAST $((RX - HALF)) $((RY - HALF))) $(point $LAST $((RX + HALF)) $((RY + HALF)))"
      -draw "ellipse $CX,$CY $((RX + HALF)),$((RY + HALF)) $FIRST,$LAST"
      -draw "ellipse $CX,$CY $((RX - HALF)),$((RY - HALF)) $FIRST,$LAST")
lines=(-stroke "#35506e" -strokewidth 0.6)
for a in 196 210 224 238 252 266; do
    lines+=(-draw "line $(point $a $((RX - HALF)) $((RY - HALF))) 356,176")
done
for a in 274 288 302 316 330 344; do
    lines+=(-draw "line $(point $a $((RX - HALF)) $((RY - HALF))) 376,176")
done

# ------------------------------------------------------------------ logo
convert -size 480x300 gradient:"#1d5fae-#b9dcf8" \
    -fill "#ffffff" -stroke none \
    -draw "circle 236,214 236,204" -draw "circle 252,206 252,192" -draw "circle 270,212 270,200" \
    -draw "roundrectangle 222,210 288,224 7,7" \
    -draw "circle 412,212 412,200" -draw "circle 432,202 432,184" -draw "circle 454,210 454,195" \
    -draw "roundrectangle 396,208 476,226 8,8" \
    "${canopy[@]}" "${seams[@]}" "${edge[@]}" "${lines[@]}" \
    -stroke "#243447" -strokewidth 2 -draw "line 356,176 362,188" -draw "line 376,176 370,188" \
    -stroke none -fill "#2f4f9f" -draw "roundrectangle 356,186 376,204 5,5" \
    -fill "#f0c8a0" -draw "circle 366,182 366,176" \
    -fill "#d63a2a" -draw "path 'M 359,181 Q 366,170 373,181 Z'" \
    -fill "#86b86a" -draw "path 'M 0,246 C 60,226 120,232 180,242 C 250,254 320,224 390,230 C 430,234 460,240 480,236 L 480,300 L 0,300 Z'" \
    -fill "#5a9a43" -draw "path 'M 0,270 C 80,254 150,262 220,272 C 290,282 360,258 480,264 L 480,300 L 0,300 Z'" \
    -fill "#0e2f57" -font $BOLD -pointsize 50 -draw "text 35,89 'Ventelle'" \
    -fill "#ffffff" -draw "text 32,86 'Ventelle'" \
    -fill "#eaf4fd" -font $FONT -pointsize 14 -draw "text 36,116 'Entraînement aux QCM des pilotes'" \
    -fill none -stroke "#0e2f57" -strokewidth 2 -draw "rectangle 0,0 479,299" \
    "${save[@]}" "$out/logo.png"

# ---------------------------------------------------------- letter badges
# badge LETTER FILE: an orange disc with a white rim, a soft shadow below
# and the letter in white.
badge() {
    convert -size 64x64 xc:none \
        -fill "#00000055" -draw "circle 33,35 33,6" \
        -fill "#ef6c2f" -stroke "#ffffff" -strokewidth 3 -draw "circle 31,31 31,4" \
        -stroke none -fill "#ffffff" -font $BOLD -pointsize 34 \
        -gravity center -annotate +0-1 "$1" \
        "${save[@]}" "$2"
}
badge Q "$out/q.png"
badge C "$out/c.png"
badge M "$out/m.png"

echo "Splash pictures written under $out"
