#!/usr/bin/env bash
# make-pictures.sh - draws the illustrations of the picture questions.
#
# Each picture is a small JPEG (180 x 135 pixels) drawn with ImageMagick
# "convert" primitives only, with French labels in DejaVu Sans:
#   2004/47i    fair-weather cumulus over green hills
#   2004/450i   wing profile, relative wind, chord, angle marked "?"
#   2004/470i   speed polar with points A (min sink), B (best glide), C
#   2004/4200i  paraglider canopy from the front, A, B and C lines, risers
#   2004/4280i  two hang gliders converging head-on (top view)
#   2004/4362i  windsock fully extended, wind from the left
#   2004/4550i  hang glider from the front, pilot holding the control frame
#   manuel/305i cumulonimbus with anvil and rain
#   manuel/P210i paraglider with weight, drag and a "?" force (lift)
#   2000/n112i  cross-section of a cold front
#   2000/n705i  two paragliders meeting along a ridge (top view)
#   avion/a105i attitude indicator, 30 degrees left bank, nose slightly up
#   avion/a305i runway 27/09 seen from above, north arrow
#   ulm/u205i   isobars around a high, clockwise wind
#   ulm/u505i   heading indicator on 090, read at the lubber mark
#   planeur/p105i glider top view, control surfaces numbered 1 to 3
#   planeur/p305i left-hand circuit, base leg marked "?"
#
# Usage: tools/make-pictures.sh [DATA_FOLDER]
# DATA_FOLDER defaults to the "data" folder beside the tools folder.
# Running it again simply redraws the same files.

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="${1:-$here/../data}"

if ! command -v convert >/dev/null 2>&1; then
    echo "ImageMagick (convert) is required: apt-get install imagemagick" >&2
    exit 1
fi

FONT=DejaVu-Sans
BOLD=DejaVu-Sans-Bold
if ! convert -list font 2>/dev/null | grep -q "Font: DejaVu-Sans$"; then
    FONT=Liberation-Sans
    BOLD=Liberation-Sans-Bold
fi

SIZE=180x135
SKY="#cfe6fb"

# out FILE: make sure the folder exists and print the path to write.
out() {
    mkdir -p "$(dirname "$data/$1")"
    printf '%s' "$data/$1"
}

# save: common output options (JPEG, no metadata).
save=(-strip -quality 92)

# ---------------------------------------------------------------- 2004 / 47i
convert -size $SIZE gradient:"#3f86d6-#bcdcfa" \
    -fill "#fff6b0" -stroke "#f2d24b" -draw "circle 158,20 158,10" -stroke none \
    -fill "#7cb85a" -draw "path 'M 0,100 C 30,84 62,88 92,98 C 122,108 150,86 180,92 L 180,135 L 0,135 Z'" \
    -fill "#4f8f36" -draw "path 'M 0,118 C 40,104 80,110 110,117 C 140,124 160,108 180,110 L 180,135 L 0,135 Z'" \
    -fill white \
    -draw "circle 66,52 66,40" -draw "circle 84,42 84,24" -draw "circle 104,45 104,29" \
    -draw "circle 120,53 120,44" -draw "circle 94,34 94,22" \
    -draw "roundrectangle 54,46 130,62 6,6" \
    -fill "#d7dde6" -draw "rectangle 58,59 126,62" \
    "${save[@]}" "$(out 2004/47i.jpg)"

# --------------------------------------------------------------- 2004 / 450i
# Profile drawn in its own frame, leading edge at the origin, then rotated.
convert -size $SIZE xc:white \
    -fill none -stroke "#1c5fa8" -strokewidth 1.5 \
    -draw "line 4,30 40,30" -draw "polyline 34,27 40,30 34,33" \
    -draw "line 4,104 40,104" -draw "polyline 34,101 40,104 34,107" \
    -draw "line 4,72 50,72" -draw "polyline 44,69 50,72 44,75" \
    -stroke none -fill "#1c5fa8" -font $FONT -pointsize 10 \
    -draw "text 4,20 'Vent relatif'" \
    -draw "push graphic-context translate 50,72 rotate 20
           fill '#f3c56b' stroke '#7a5411' stroke-width 1.2
           path 'M 0,0 C 2,-15 45,-19 118,0 C 70,5 14,8 0,0 Z'
           fill none stroke '#333333' stroke-width 1 stroke-dasharray 4 3
           line -48,0 126,0
           pop graphic-context" \
    -fill none -stroke "#cc0000" -strokewidth 1.5 -draw "ellipse 50,72 34,34 180,200" \
    -stroke none -fill "#cc0000" -font $BOLD -pointsize 14 -draw "text 2,70 '?'" \
    -fill "#333333" -font $FONT -pointsize 10 -draw "text 128,126 'Corde'" \
    "${save[@]}" "$(out 2004/450i.jpg)"

# --------------------------------------------------------------- 2004 / 470i
convert -size $SIZE xc:white \
    -stroke black -strokewidth 1.2 -fill none \
    -draw "line 20,18 174,18" -draw "polyline 169,15 175,18 169,21" \
    -draw "line 20,18 20,128" -draw "polyline 17,123 20,129 23,123" \
    -stroke "#888888" -strokewidth 1 -draw "stroke-dasharray 4 3 line 20,18 140,76" \
    -stroke "#1c5fa8" -strokewidth 2 \
    -draw "polyline 56,57.8 58,55.2 60,53.0 62,51.2 64,49.8 66,48.8 68,48.2 70,48.0 72,48.0 74,48.2 76,48.4 78,48.6 80,49.0 82,49.4 84,50.0 86,50.6 88,51.2 90,52.0 92,52.8 94,53.8 96,54.8 98,55.8 100,57.0 102,58.2 104,59.6 106,61.0 108,62.4 110,64.0 112,65.6 114,67.4 116,69.2 118,71.0 120,73.0 122,75.0 124,77.2 126,79.4 128,81.6 130,84.0 132,86.4 134,89.0 136,91.6 138,94.2 140,97.0 142,99.8 144,102.8 146,105.8 148,108.8 150,112.0 152,115.2 154,118.6 156,122.0" \
    -stroke none -fill "#cc0000" \
    -draw "circle 71,48 71,45.5" -draw "circle 94.2,53.9 94.2,51.4" -draw "circle 150,112 150,109.5" \
    -font $BOLD -pointsize 11 -fill black \
    -draw "text 67,42 'A'" -draw "text 92,69 'B'" -draw "text 156,112 'C'" \
    -font $FONT -pointsize 9 -fill black \
    -draw "text 100,12 'Vitesse (km/h)'" \
    -draw "text 14,12 '0'" \
    -draw "rotate -90 text -126,14 'Taux de chute (m/s)'" \
    "${save[@]}" "$(out 2004/470i.jpg)"

# -------------------------------------------------------------- 2004 / 4200i
# Canopy seen from the front and below: the lower edge of the arch is the
# leading edge. A lines (red) start at the leading edge, B lines (orange)
# further back, C lines (blue) near the trailing edge; each row ends on its
# own riser.
convert -size $SIZE xc:"$SKY" \
    -fill "#f07f2a" -stroke "#8a3d08" -strokewidth 1 \
    -draw "polygon 18,80 20,75 22,71 24,67 27,63 30,59 34,56 37,53 41,49 45,47 50,44 54,42 59,40 64,38 69,37 74,35 79,35 85,34 90,34 95,34 101,35 106,35 111,37 116,38 121,40 126,42 130,44 135,47 139,49 143,53 146,56 150,59 153,63 156,67 158,71 160,75 162,80 170,75 168,70 165,65 163,60 160,55 156,51 152,46 148,42 144,39 139,35 135,32 129,29 124,27 119,25 113,23 107,22 102,21 96,20 90,20 84,20 78,21 73,22 67,23 61,25 56,27 51,29 45,32 41,35 36,39 32,42 28,46 24,51 20,55 17,60 15,65 12,70 10,75" \
    -stroke "#b85a1a" -strokewidth 0.6 \
    -draw "line 22,71 15,65" -draw "line 30,59 24,51" -draw "line 41,49 36,39" -draw "line 54,42 51,29" \
    -draw "line 69,37 67,23" -draw "line 85,34 84,20" -draw "line 101,35 102,21" -draw "line 116,38 119,25" \
    -draw "line 130,44 135,32" -draw "line 143,53 148,42" -draw "line 153,63 160,55" -draw "line 160,75 168,70" \
    -fill none -stroke "#6b2c05" -strokewidth 2 \
    -draw "polyline 18,80 20,75 22,71 24,67 27,63 30,59 34,56 37,53 41,49 45,47 50,44 54,42 59,40 64,38 69,37 74,35 79,35 85,34 90,34 95,34 101,35 106,35 111,37 116,38 121,40 126,42 130,44 135,47 139,49 143,53 146,56 150,59 153,63 156,67 158,71 160,75 162,80" \
    -stroke "#1c5fa8" -strokewidth 1 \
    -draw "line 24,52 62,100" -draw "line 62,26 62,100" -draw "line 156,52 118,100" -draw "line 118,26 118,100" \
    -stroke "#e69a00" \
    -draw "line 27,55 70,100" -draw "line 63,32 70,100" -draw "line 153,55 110,100" -draw "line 117,32 110,100" \
    -stroke "#cc0000" -strokewidth 1.3 \
    -draw "line 30,59 78,100" -draw "line 64,38 78,100" -draw "line 150,59 102,100" -draw "line 116,38 102,100" \
    -stroke "#333333" -strokewidth 2.5 \
    -draw "line 62,100 74,116" -draw "line 70,100 74,116" -draw "line 78,100 74,116" \
    -draw "line 118,100 106,116" -draw "line 110,100 106,116" -draw "line 102,100 106,116" \
    -stroke none -fill "#555555" -draw "roundrectangle 72,116 108,130 4,4" \
    -font $BOLD -pointsize 10 \
    -fill "#cc0000" -draw "text 134,104 'A'" \
    -fill "#e69a00" -draw "text 134,116 'B'" \
    -fill "#1c5fa8" -draw "text 134,128 'C'" \
    -stroke "#cc0000" -strokewidth 1.5 -draw "line 146,100 170,100" \
    -stroke "#e69a00" -draw "line 146,112 170,112" \
    -stroke "#1c5fa8" -draw "line 146,124 170,124" \
    -stroke none -font $FONT -pointsize 9 -fill black \
    -draw "text 2,98 'bord'" -draw "text 2,108 \"d'attaque\"" \
    -fill none -stroke black -strokewidth 1 -draw "line 14,89 20,80" \
    -stroke none -fill black -draw "text 2,128 'élévateurs'" \
    -stroke black -draw "line 48,122 64,110" \
    "${save[@]}" "$(out 2004/4200i.jpg)"

# -------------------------------------------------------------- 2004 / 4280i
# Two hang gliders seen from above, nose to nose on the same line.
convert -size $SIZE xc:"#e9f3e1" \
    -fill "#1c5fa8" -stroke "#0c2e55" -strokewidth 1 \
    -draw "polygon 60,67 30,28 38,67 30,106" \
    -fill "#cc3b2a" -stroke "#5e1a12" \
    -draw "polygon 120,67 150,28 142,67 150,106" \
    -stroke "#0c2e55" -strokewidth 1.5 -draw "line 38,67 60,67" \
    -stroke "#5e1a12" -draw "line 120,67 142,67" \
    -fill none -stroke "#333333" -strokewidth 1.5 -draw "stroke-dasharray 5 3 line 62,67 86,67" \
    -draw "stroke-dasharray 5 3 line 94,67 118,67" -stroke "#333333" \
    -draw "polyline 80,62 87,67 80,72" -draw "polyline 100,62 93,67 100,72" \
    -stroke none -fill black -font $FONT -pointsize 10 \
    -draw "text 50,126 'même altitude'" \
    -draw "text 54,14 'vue de dessus'" \
    "${save[@]}" "$(out 2004/4280i.jpg)"

# -------------------------------------------------------------- 2004 / 4362i
# Windsock fully extended to the right: the wind blows from the left.
convert -size $SIZE gradient:"#7fb6ea-#d8ecfb" \
    -fill "#7cb85a" -draw "rectangle 0,112 180,135" \
    -fill "#5b9a3e" -draw "path 'M 0,112 C 40,106 80,116 120,110 C 150,106 170,112 180,110 L 180,114 L 0,114 Z'" \
    -fill "#8c8c8c" -stroke "#555555" -draw "rectangle 34,28 38,118" \
    -stroke "#7a0f0f" -strokewidth 1 \
    -fill "#e02020" -draw "polygon 40,30 61,32 61,54 40,56" \
    -fill white     -draw "polygon 61,32 82,34 82,52 61,54" \
    -fill "#e02020" -draw "polygon 82,34 103,36 103,50 82,52" \
    -fill white     -draw "polygon 103,36 124,38 124,48 103,50" \
    -fill "#e02020" -draw "polygon 124,38 145,40 145,46 124,48" \
    -fill none -stroke "#444444" -strokewidth 2 -draw "line 38,31 40,30" -draw "line 38,55 40,56" \
    -draw "ellipse 40,43 3,13 0,360" \
    "${save[@]}" "$(out 2004/4362i.jpg)"

# -------------------------------------------------------------- 2004 / 4550i
# Hang glider seen from the front, pilot holding the triangular control frame.
convert -size $SIZE gradient:"#6aa7e6-#d8ecfb" \
    -fill "#f4f4f4" -stroke "#30507a" -strokewidth 1.5 \
    -draw "path 'M 6,54 Q 90,28 174,54 L 174,58 Q 90,38 6,58 Z'" \
    -fill none -stroke "#555555" -strokewidth 1 \
    -draw "line 90,40 90,18" -draw "line 90,18 20,50" -draw "line 90,18 160,50" \
    -draw "line 62,98 10,57" -draw "line 118,98 170,57" \
    -stroke "#222222" -strokewidth 2.5 \
    -draw "line 90,42 62,98" -draw "line 90,42 118,98" -draw "line 58,98 122,98" \
    -stroke "#333333" -strokewidth 1 -draw "line 90,42 90,70" \
    -stroke none -fill "#2f4f9f" -draw "roundrectangle 80,72 100,92 5,5" \
    -fill "#f0c8a0" -draw "circle 90,66 90,60" \
    -fill "#d63a2a" -draw "path 'M 83,65 Q 90,55 97,65 Z'" \
    -fill none -stroke "#2f4f9f" -strokewidth 3 \
    -draw "line 82,78 72,97" -draw "line 98,78 108,97" \
    "${save[@]}" "$(out 2004/4550i.jpg)"

# ------------------------------------------------------------- manuel / 305i
# Cumulonimbus: dark base, towering body, flat anvil, rain shaft.
convert -size $SIZE gradient:"#5f93c9-#c9def2" \
    -fill "#b3bcc6" -draw "polygon 52,96 128,96 120,122 44,122" \
    -fill "#f3f5f8" \
    -draw "path 'M 44,96 C 38,80 48,70 56,62 C 50,52 60,44 68,40 C 64,34 68,31 72,30 C 56,31 34,30 14,26 C 40,17 80,11 120,11 C 142,11 162,14 177,20 C 160,26 132,29 116,31 C 122,38 128,46 124,54 C 138,60 142,78 138,96 Z'" \
    -draw "circle 56,74 56,62" -draw "circle 128,74 128,62" -draw "circle 66,52 66,43" \
    -draw "circle 116,52 116,43" -draw "circle 92,40 92,29" \
    -fill "#d5dbe2" -draw "path 'M 40,84 C 70,78 112,78 142,84 L 140,96 L 42,96 Z'" \
    -fill "#6b7683" -draw "path 'M 42,94 C 70,90 112,90 140,94 L 140,99 L 42,99 Z'" \
    -stroke "#6d7884" -strokewidth 1.2 \
    -draw "line 58,100 50,122" -draw "line 68,100 60,122" -draw "line 78,100 70,122" \
    -draw "line 88,100 80,122" -draw "line 98,100 90,122" -draw "line 108,100 100,122" \
    -draw "line 118,100 110,122" -draw "line 126,100 118,122" \
    -stroke none -fill "#6f9a52" \
    -draw "path 'M 0,120 C 40,112 90,124 130,116 C 150,112 170,118 180,116 L 180,135 L 0,135 Z'" \
    "${save[@]}" "$(out manuel/305i.jpg)"

# ------------------------------------------------------------ manuel / P210i
# Paraglider flying to the left on a shallow glide; the relative wind comes
# from the front and below. Forces drawn from the pilot: weight (down), drag
# (along the relative wind) and "?" (lift, perpendicular to the relative wind).
convert -size $SIZE xc:white \
    -fill "#f07f2a" -stroke "#8a3d08" -strokewidth 1 \
    -draw "path 'M 50,30 C 51,18 80,13 104,15 C 124,17 138,24 148,33 C 120,27 80,26 50,30 Z'" \
    -stroke "#777777" -strokewidth 0.7 \
    -draw "line 54,30 94,84" -draw "line 80,27 94,84" -draw "line 108,27 97,84" -draw "line 140,31 99,84" \
    -stroke none -fill "#2f4f9f" -draw "roundrectangle 88,84 105,96 3,3" \
    -fill "#f0c8a0" -draw "circle 93,80 93,75" \
    -fill none -stroke black -strokewidth 2 \
    -draw "line 96,90 96,130" -draw "polyline 92,123 96,131 100,123" \
    -stroke "#1c5fa8" \
    -draw "line 96,90 124,81" -draw "polyline 117,79 125,81 119,86" \
    -stroke "#cc0000" -strokewidth 2.5 \
    -draw "line 96,90 84,48" -draw "polyline 81,56 84,47 89,54" \
    -stroke "#777777" -strokewidth 1.5 \
    -draw "line 6,86 42,75" -draw "polyline 35,73 43,75 38,80" \
    -stroke none -font $FONT -pointsize 10 \
    -fill black -draw "text 102,126 'Poids'" \
    -fill "#1c5fa8" -draw "text 128,86 'Traînée'" \
    -fill "#666666" -draw "text 2,101 'Vent relatif'" \
    -fill "#cc0000" -font $BOLD -pointsize 16 -draw "text 68,62 '?'" \
    "${save[@]}" "$(out manuel/P210i.jpg)"

# -------------------------------------------------------------- 2000 / n112i
# Cold front cross-section: the cold air wedge (right) pushes under the warm
# air (left) and lifts it into a cumulonimbus standing over the front.
convert -size $SIZE xc:"#fde4c8" \
    -fill "#bcd6f2" -stroke "#1c5fa8" -strokewidth 1.5 \
    -draw "path 'M 58,124 C 62,106 80,90 110,80 C 130,74 160,66 180,62 L 180,124 Z'" \
    -stroke none -fill "#f3f5f8" \
    -draw "path 'M 50,80 C 46,68 52,60 58,54 C 54,46 60,40 66,36 C 62,30 66,27 70,26 C 56,26 40,25 24,22 C 44,15 74,10 104,10 C 122,10 138,12 152,17 C 138,22 116,25 104,26 C 108,32 112,40 110,46 C 120,52 124,66 120,80 Z'" \
    -draw "circle 58,66 58,57" -draw "circle 114,66 114,57" -draw "circle 86,38 86,29" \
    -fill "#d5dbe2" -draw "path 'M 48,72 C 70,68 100,68 122,72 L 120,80 L 50,80 Z'" \
    -fill "#6b7683" -draw "path 'M 50,78 C 70,75 100,75 120,78 L 120,82 L 50,82 Z'" \
    -stroke "#6d7884" -strokewidth 1 \
    -draw "line 60,83 54,110" -draw "line 68,83 62,106" -draw "line 76,83 71,99" \
    -stroke "#1c5fa8" -strokewidth 2 -fill none \
    -draw "line 172,108 132,108" -draw "polyline 138,103 131,108 138,113" \
    -stroke "#c0392b" \
    -draw "path 'M 16,118 C 30,116 40,108 44,92'" -draw "polyline 39,96 44,90 48,97" \
    -stroke "#6b5a3a" -strokewidth 1 -fill "#a58b5c" -draw "rectangle 0,124 180,135" \
    -stroke none -font $FONT -pointsize 10 \
    -fill "#1c5fa8" -draw "text 128,96 'Air froid'" \
    -fill "#c0392b" -draw "text 4,60 'Air chaud'" \
    "${save[@]}" "$(out 2000/n112i.jpg)"

# -------------------------------------------------------------- 2000 / n705i
# Top view: a ridge on the right, the wind blowing onto it from the left,
# paraglider 1 flying north (slope on its right), paraglider 2 flying south.
convert -size $SIZE xc:"#e9f3e1" \
    -fill "#b88b5a" -draw "path 'M 150,0 C 144,40 156,90 146,135 L 180,135 L 180,0 Z'" \
    -fill "#9a7047" -draw "path 'M 164,0 C 160,40 168,90 162,135 L 180,135 L 180,0 Z'" \
    -fill none -stroke "#1c5fa8" -strokewidth 1.5 \
    -draw "line 8,50 34,50" -draw "polyline 29,46 35,50 29,54" \
    -draw "line 8,86 34,86" -draw "polyline 29,82 35,86 29,90" \
    -stroke "#8a3d08" -strokewidth 1 -fill "#f07f2a" \
    -draw "path 'M 99,99 C 106,86 132,86 139,99 L 136,103 C 128,93 110,93 102,103 Z'" \
    -fill "#2a9d5b" -stroke "#145a32" \
    -draw "path 'M 99,37 C 106,50 132,50 139,37 L 136,33 C 128,43 110,43 102,33 Z'" \
    -fill none -stroke "#333333" -strokewidth 1.5 \
    -draw "line 119,88 119,72" -draw "polyline 115,77 119,71 123,77" \
    -draw "line 119,48 119,64" -draw "polyline 115,59 119,65 123,59" \
    -stroke none -font $FONT -pointsize 10 -fill black \
    -draw "text 4,42 'Vent'" \
    -font $FONT -pointsize 9 -draw "text 4,130 'vue de dessus'" -pointsize 10 \
    -draw "push graphic-context translate 166,50 rotate 90 text 0,0 'Pente' pop graphic-context" \
    -font $BOLD -pointsize 11 \
    -draw "text 88,104 '1'" -draw "text 88,40 '2'" \
    "${save[@]}" "$(out 2000/n705i.jpg)"

# -------------------------------------------------------------- avion / a105i
# Attitude indicator: the horizon card is rotated 30 degrees clockwise (left
# bank) and lowered a little (nose slightly up); the mock-up aircraft is fixed.
convert -size $SIZE xc:"#222222" \
    -fill "#3d8fd6" -draw "circle 90,67 90,9" \
    -draw "push graphic-context translate 90,67 rotate 30
           fill '#8a5a2b' stroke none rectangle -80,7 80,90
           stroke white stroke-width 1.5 line -80,7 80,7
           stroke white stroke-width 1 line -10,-5 10,-5 line -14,-17 14,-17 line -10,19 10,19
           fill white stroke none polygon 0,-50 -5,-42 5,-42
           pop graphic-context" \
    -fill "#222222" -stroke none -draw "fill-rule evenodd path 'M 0,0 L 180,0 L 180,135 L 0,135 Z M 90,9 A 58,58 0 1 0 90,125 A 58,58 0 1 0 90,9 Z'" \
    -fill none -stroke white -strokewidth 1.5 \
    -draw "push graphic-context translate 90,67
           rotate 0 line 0,-58 0,-50
           rotate 10 line 0,-58 0,-53 rotate 10 line 0,-58 0,-53 rotate 10 line 0,-58 0,-50
           rotate 30 line 0,-58 0,-50
           pop graphic-context" \
    -draw "push graphic-context translate 90,67
           rotate -10 line 0,-58 0,-53 rotate -10 line 0,-58 0,-53 rotate -10 line 0,-58 0,-50
           rotate -30 line 0,-58 0,-50
           pop graphic-context" \
    -stroke "#ffb000" -strokewidth 3 \
    -draw "polyline 52,67 78,67 84,73" -draw "polyline 128,67 102,67 96,73" \
    -stroke none -fill "#ffb000" -draw "circle 90,67 90,64.5" \
    -fill none -stroke "#777777" -strokewidth 2 -draw "circle 90,67 90,8" \
    "${save[@]}" "$(out avion/a105i.jpg)"

# -------------------------------------------------------------- avion / a305i
# Runway seen from above: "27" at the near (bottom) end, "09" at the far end
# (both written upright so that they read easily).
# Flying up the picture from the 27 end is a heading of 270, so north is to
# the right of the picture.
convert -size $SIZE xc:"#9fc57f" \
    -fill "#555555" -draw "rectangle 62,6 104,129" \
    -fill white \
    -draw "rectangle 66,118 69,126" -draw "rectangle 72,118 75,126" -draw "rectangle 91,118 94,126" -draw "rectangle 97,118 100,126" \
    -draw "rectangle 66,9 69,17" -draw "rectangle 72,9 75,17" -draw "rectangle 91,9 94,17" -draw "rectangle 97,9 100,17" \
    -draw "rectangle 82,42 84,52" -draw "rectangle 82,62 84,72" -draw "rectangle 82,82 84,92" \
    -font $BOLD -pointsize 16 \
    -draw "text 70,113 '27'" \
    -draw "text 70,36 '09'" \
    -fill none -stroke black -strokewidth 2 \
    -draw "line 132,100 166,100" -draw "polyline 159,95 167,100 159,105" \
    -stroke none -fill black -font $BOLD -pointsize 13 -draw "text 143,92 'N'" \
    "${save[@]}" "$(out avion/a305i.jpg)"

# ---------------------------------------------------------------- ulm / u205i
# Surface chart: closed isobars around a high, wind turning clockwise.
convert -size $SIZE xc:"#fbfaf4" \
    -fill none -stroke "#444444" -strokewidth 1.2 \
    -draw "ellipse 88,68 24,16 0,360" -draw "ellipse 88,68 48,32 0,360" -draw "ellipse 88,68 74,50 0,360" \
    -stroke none -fill "#1c5fa8" \
    -draw "polygon 94,52 86,49 86,55" -draw "polygon 82,84 90,81 90,87" \
    -draw "polygon 96,36 87,33 87,39" -draw "polygon 80,100 89,97 89,103" \
    -draw "polygon 136,72 133,64 139,64" -draw "polygon 40,64 37,72 43,72" \
    -draw "polygon 162,74 159,65 165,65" -draw "polygon 14,62 11,71 17,71" \
    -font $BOLD -pointsize 20 -fill "#1c5fa8" -draw "text 81,76 'A'" \
    -font $FONT -pointsize 8 -fill "#444444" -undercolor "#fbfaf4" \
    -draw "text 96,60 '1030'" -draw "text 113,48 '1025'" -draw "text 131,36 '1020'" \
    "${save[@]}" "$(out ulm/u205i.jpg)"

# ---------------------------------------------------------------- ulm / u505i
# Heading indicator, read like a vertical-card compass: the card turns with
# the aircraft and the heading is read on the card under the fixed lubber mark
# (top), straight ahead of the fixed aircraft symbol. The card is turned 90
# degrees anticlockwise, so that E (090) stands under the lubber mark.
# Graduations every 5 degrees, longer every 10; figures every 30 (3 = 030).
card="push graphic-context translate 90,67 rotate -90 stroke white fill none"
for deg in $(seq 0 5 355); do
    if (( deg % 10 == 0 )); then inner=47; else inner=51; fi
    card+=" push graphic-context rotate $deg line 0,-56 0,-$inner pop graphic-context"
done
card+=" stroke none fill white font '$BOLD' font-size 11 text-anchor middle"
for mark in 0:N 30:3 60:6 90:E 120:12 150:15 180:S 210:21 240:24 270:W 300:30 330:33; do
    card+=" push graphic-context rotate ${mark%%:*} text 0,-34 '${mark#*:}' pop graphic-context"
done
card+=" pop graphic-context"
convert -size $SIZE xc:"#222222" \
    -fill "#111111" -stroke "#777777" -strokewidth 2 -draw "circle 90,67 90,8" \
    -draw "$card" \
    -stroke none -fill "#ffb000" -draw "polygon 90,13 84,3 96,3" \
    -fill none -stroke "#ffb000" -strokewidth 3 \
    -draw "line 90,52 90,84" -draw "line 74,65 106,65" -draw "line 83,81 97,81" \
    -stroke none -fill "#ffb000" -draw "circle 90,49 90,47" \
    "${save[@]}" "$(out ulm/u505i.jpg)"

# ------------------------------------------------------------ planeur / p105i
# Glider seen from above: 1 ailerons, 2 elevator, 3 rudder.
convert -size $SIZE xc:"#e4f0fa" \
    -fill white -stroke "#333333" -strokewidth 1 \
    -draw "path 'M 6,44 L 174,44 L 174,51 L 6,51 Z'" \
    -draw "path 'M 86,22 C 86,14 94,14 94,22 L 92,118 L 88,118 Z'" \
    -draw "path 'M 68,108 L 112,108 L 112,114 L 68,114 Z'" \
    -fill "#9ec9ee" -draw "ellipse 90,28 3,7 0,360" \
    -fill "#f0a020" \
    -draw "rectangle 8,51 44,55" -draw "rectangle 136,51 172,55" \
    -draw "rectangle 68,114 88,118" -draw "rectangle 92,114 112,118" \
    -draw "rectangle 89,118 91,128" \
    -stroke none -fill black -font $BOLD -pointsize 11 \
    -draw "text 22,67 '1'" -draw "text 152,67 '1'" \
    -draw "text 56,120 '2'" -draw "text 97,131 '3'" \
    "${save[@]}" "$(out planeur/p105i.jpg)"

# ------------------------------------------------------------ planeur / p305i
# Left-hand circuit: landing towards the left of the picture, circuit below
# the runway; downwind (bottom), base (right, marked "?"), final.
convert -size $SIZE xc:"#cfe3b8" \
    -fill "#666666" -draw "rectangle 26,28 126,38" \
    -fill white -draw "rectangle 40,32 48,34" -draw "rectangle 60,32 68,34" -draw "rectangle 80,32 88,34" -draw "rectangle 100,32 108,34" \
    -fill none -stroke "#cc0000" -strokewidth 1.8 \
    -draw "path 'M 26,33 C 18,33 14,40 14,52 C 14,98 16,110 34,110 L 146,110 C 162,110 164,100 164,84 L 164,52 C 164,40 158,33 148,33 L 130,33'" \
    -draw "polyline 10,80 14,87 18,80" \
    -draw "polyline 84,106 91,110 84,114" \
    -draw "polyline 160,72 164,65 168,72" \
    -draw "polyline 138,29 131,33 138,37" \
    -stroke none -fill black -font $FONT -pointsize 10 \
    -draw "text 54,124 'vent arrière'" \
    -draw "text 136,22 'finale'" \
    -fill "#cc0000" -font $BOLD -pointsize 15 -draw "text 168,90 '?'" \
    -fill "#555555" -font $FONT -pointsize 9 -draw "text 40,50 'piste'" \
    "${save[@]}" "$(out planeur/p305i.jpg)"

echo "Pictures written under $data"
