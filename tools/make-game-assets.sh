#!/usr/bin/env bash
# make-game-assets.sh - draws the pictures and sounds of the goose game.
#
# Pictures (GIF), every square and icon 35 x 35 pixels (one 525-twip cell):
#   meteo, rfa, polaire, gps, parapente, cerf-volant, reglementation, ptu,
#   pilote          the nine chapter squares; each is also the complete icon
#                   of its category: cloud and sun, wing profile and force
#                   arrow, speed polar, location pin, canopy, kite, "§",
#                   windsock, helmet
#   -NAME           the empty icon of each category: the same tile, faded
#   NAME1..NAME3    icon levels: the coloured tile rises from the bottom of
#                   the faded one, one step per fully right answer (four steps
#                   for most categories, three for polaire, two for gps)
#   rejoue          play again: a round arrow around a die
#   +1000, -1000    bonus and penalty squares
#   pion1..pion4    the pawns (red, blue, green, yellow) on a transparent
#                   ground, each in its own corner so that four pawns on one
#                   square stay visible
#   Dé1..Dé6        the die faces, 35 x 35
#   chiffre0..chiffre9
#                   the countdown digits, 21 x 33, red segments on black
#
# Sounds (WAV, mono, 22050 Hz, 16 bits, each under 1.5 s):
#   dé         die rattle             drapeau   pawn step
#   rejoue     two rising notes       +1000     bright rising chime
#   -1000      falling notes          timer     countdown tick
#   gong       time out               gagne     game won, short fanfare
#
# Everything is drawn with ImageMagick "convert" primitives and synthesised
# with sox, with a fixed random seed and no dither, so that running the script
# again gives the same bytes.
#
# Usage: tools/make-game-assets.sh [DATA_FOLDER]
# DATA_FOLDER defaults to the "data" folder beside the tools folder; the files
# go to its "jeu" folder.

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="${1:-$here/../data}"
jeu="$data/jeu"
mkdir -p "$jeu"

need=()
command -v convert >/dev/null 2>&1 || need+=(imagemagick)
command -v sox >/dev/null 2>&1 || need+=(sox)
if ((${#need[@]})); then
    if command -v apt-get >/dev/null 2>&1 && [ "$(id -u)" = 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${need[@]}"
    else
        echo "Missing tools, install them first: apt-get install ${need[*]}" >&2
        exit 1
    fi
fi

BOLD=DejaVu-Sans-Bold
NARROW=DejaVu-Sans-Condensed-Bold
if ! convert -list font 2>/dev/null | grep -q "Font: DejaVu-Sans-Bold$"; then
    BOLD=Liberation-Sans-Bold
    NARROW=Liberation-Sans-Narrow-Bold
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# GIF without comments or other metadata, palette without dither.
gif=(-strip +dither)

# ================================================================ pictures
# Tiles are drawn at four times their size (140 x 140) and scaled down.

# tile NAME TOP BOTTOM EDGE DRAW...: a square with a top-to-bottom gradient,
# a darker edge and the symbol drawn by the remaining convert arguments.
# Leaves the 35 x 35 picture in $work/NAME.png.
tile() {
    local name="$1" top="$2" bottom="$3" edge="$4"
    shift 4
    convert -size 140x140 gradient:"$top-$bottom" "$@" \
        -fill none -stroke "$edge" -strokewidth 8 -draw "rectangle 4,4 135,135" \
        -resize 35x35 "$work/$name.png"
}

# arrowhead X Y ANGLE SIZE: draw arguments for a filled triangle at (X, Y)
# pointing along ANGLE degrees (0 = right, 90 = down).
arrowhead() {
    awk -v x="$1" -v y="$2" -v a="$3" -v s="$4" 'BEGIN {
        r = a * 3.14159265 / 180; b = 2.5
        printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f", \
            x + s * cos(r), y + s * sin(r), \
            x + s * cos(r + b), y + s * sin(r + b), \
            x + s * cos(r - b), y + s * sin(r - b) }'
}

tile meteo "#9fd3f7" "#4d9fe0" "#2c6fa8" \
    -fill "#ffd43b" -stroke "#f2a81d" -strokewidth 3 -draw "circle 94,44 94,20" \
    -stroke none -fill "#dbe6ef" -draw "roundrectangle 28,78 118,108 14,14" \
    -fill white \
    -draw "circle 50,80 50,58" -draw "circle 76,66 76,38" -draw "circle 100,80 100,60" \
    -draw "roundrectangle 26,74 116,102 14,14"

tile rfa "#c3aef0" "#7d58c8" "#553597" \
    -fill white -stroke "#3b2470" -strokewidth 3 \
    -draw "path 'M 16,96 C 26,74 78,70 124,100 C 80,94 40,100 16,96 Z'" \
    -stroke "#ffd43b" -strokewidth 10 -draw "line 64,86 52,38" \
    -stroke none -fill "#ffd43b" -draw "$(arrowhead 50 30 -104 22)"

tile polaire "#8fded5" "#1f978d" "#136b64" \
    -fill none -stroke white -strokewidth 6 \
    -draw "line 24,22 24,122" -draw "line 18,28 124,28" \
    -stroke "#ffd43b" -strokewidth 8 -draw "path 'M 40,66 C 56,36 84,38 122,110'" \
    -stroke none -fill white -draw "circle 62,46 62,38"

tile gps "#b4c7d8" "#587a98" "#3a5670" \
    -fill "#1f3447" -draw "ellipse 70,122 22,6 0,360" \
    -fill "#e94b3c" -stroke white -strokewidth 5 \
    -draw "path 'M 70,120 C 52,92 36,80 36,56 A 34,34 0 1 1 104,56 C 104,80 88,92 70,120 Z'" \
    -stroke none -fill white -draw "circle 70,56 70,42"

tile parapente "#ffd19a" "#f08a24" "#b55f0c" \
    -fill none -stroke "#5a2e06" -strokewidth 2 \
    -draw "line 28,60 70,112" -draw "line 48,44 70,112" -draw "line 92,44 70,112" \
    -draw "line 112,60 70,112" -draw "line 70,38 70,112" \
    -stroke white -strokewidth 18 -draw "ellipse 70,66 46,34 195,345" \
    -stroke none -fill "#2c3e91" -draw "circle 70,114 70,106"

tile cerf-volant "#f7a5aa" "#d93a45" "#9c1f28" \
    -fill none -stroke "#5a1015" -strokewidth 3 \
    -draw "path 'M 70,104 C 90,112 70,122 92,128 C 108,132 104,120 124,126'" \
    -stroke "#5a1015" -strokewidth 3 -fill white -draw "polygon 70,12 104,52 70,104 36,52" \
    -stroke none -fill "#ffd43b" -draw "polygon 70,12 104,52 70,52" -draw "polygon 70,52 70,104 36,52" \
    -fill none -stroke "#5a1015" -strokewidth 3 -draw "line 70,12 70,104" -draw "line 36,52 104,52" \
    -stroke none -fill "#ffd43b" -draw "polygon 90,118 98,112 98,124" -draw "polygon 108,126 116,120 116,132"

tile reglementation "#f0d48c" "#bb8a1c" "#80600f" \
    -fill white -stroke "#6a4c08" -strokewidth 3 -font "$BOLD" -pointsize 104 \
    -gravity center -draw "text 0,4 '§'" -gravity northwest

tile ptu "#a8dca4" "#3f9b48" "#286b2f" \
    -fill none -stroke "#3d3d3d" -strokewidth 7 -draw "line 28,18 28,124" \
    -stroke none -fill "#3d3d3d" -draw "ellipse 28,124 14,5 0,360" \
    -stroke "#5a1015" -strokewidth 2 -fill "#ff5a36" -draw "polygon 32,24 120,42 120,62 32,76" \
    -stroke none -fill white -draw "polygon 54,28 76,33 76,68 54,72" -draw "polygon 98,38 120,42 120,62 98,64"

tile pilote "#b3bcf2" "#4b5bbd" "#2f3b85" \
    -fill white -stroke "#1d2660" -strokewidth 4 \
    -draw "path 'M 22,100 A 48,62 0 0 1 118,100 Z'" \
    -fill "#2a3350" -stroke "#1d2660" -strokewidth 3 \
    -draw "path 'M 76,60 L 108,60 L 117,88 L 76,88 C 68,88 68,60 76,60 Z'" \
    -stroke none -fill "#ffd43b" -draw "roundrectangle 20,96 120,108 5,5" \
    -fill none -stroke "#1d2660" -strokewidth 5 -draw "line 34,108 52,124" -draw "line 52,124 70,108"

tile rejoue "#ffe58a" "#f0b81f" "#a87c08" \
    -fill none -stroke white -strokewidth 12 -draw "ellipse 70,72 42,42 -40,240" \
    -stroke none -fill white -draw "$(arrowhead 52 34 -30 24)" \
    -fill white -stroke "#6b4d05" -strokewidth 3 -draw "roundrectangle 50,52 90,92 8,8" \
    -stroke none -fill "#333333" -draw "circle 60,62 60,56" -draw "circle 70,72 70,66" -draw "circle 80,82 80,76"

tile +1000 "#9fe6b4" "#27a552" "#17703a" \
    -fill "#ffd43b" -stroke "#a87c08" -strokewidth 4 -draw "circle 70,42 70,16" \
    -stroke none -fill "#a87c08" -font "$BOLD" -pointsize 40 -gravity north -draw "text 0,19 '€'" \
    -stroke none -fill "#0d4a25" -draw "roundrectangle 10,84 129,126 10,10" \
    -fill white -font "$NARROW" -pointsize 40 -gravity south -draw "text 0,16 '+1000'" -gravity northwest

tile -1000 "#f7a39a" "#d0342a" "#8c1a13" \
    -fill "#9a9a9a" -stroke "#555555" -strokewidth 4 -draw "circle 70,42 70,16" \
    -stroke "#ffffff" -strokewidth 7 -draw "line 54,26 86,58" -draw "line 86,26 54,58" \
    -stroke none -fill "#5a0d08" -draw "roundrectangle 10,84 129,126 10,10" \
    -fill white -font "$NARROW" -pointsize 40 -gravity south -draw "text 0,16 '-1000'" -gravity northwest

# Squares and complete icons; faded empty icons; levels rising from below.
# "$jeu/..." keeps names that begin with "-" from being read as options.
levels=(meteo:4 rfa:4 polaire:3 gps:2 parapente:4 cerf-volant:1 reglementation:4 ptu:4 pilote:4)
for entry in "${levels[@]}"; do
    name="${entry%%:*}"
    steps="${entry##*:}"
    convert "$work/$name.png" "${gif[@]}" "$jeu/$name.gif"
    convert "$work/$name.png" -modulate 100,12 -fill white -colorize 55% "$work/-$name.png"
    convert "$work/-$name.png" "${gif[@]}" "$jeu/-$name.gif"
    for ((level = 1; level < steps; level++)); do
        h=$((35 * level / steps))
        convert "$work/-$name.png" \( "$work/$name.png" -crop "35x$h+0+$((35 - h))" +repage \) \
            -geometry "+0+$((35 - h))" -composite "${gif[@]}" "$jeu/$name$level.gif"
    done
done
for name in rejoue +1000 -1000; do
    convert "$work/$name.png" "${gif[@]}" "$jeu/$name.gif"
done

# Pawns: a round head on a flared body, in one corner of a transparent square.
pawn() {
    local n="$1" fill="$2" edge="$3" dx="$4" dy="$5"
    convert -size 140x140 xc:none \
        -draw "translate $dx,$dy
               fill '#00000055' ellipse 32,78 24,7 0,360
               fill '$fill' stroke '$edge' stroke-width 4
               path 'M 14,76 C 14,64 22,60 26,52 L 38,52 C 42,60 50,64 50,76 Z'
               roundrectangle 20,44 44,52 4,4
               circle 32,28 32,12
               fill '#ffffff99' stroke none circle 27,23 27,18" \
        -resize 35x35 -channel A -threshold 50% +channel "${gif[@]}" "$jeu/pion$n.gif"
}
pawn 1 "#e53935" "#7f1410" 2 0
pawn 2 "#1e6fd9" "#0b3a7a" 74 0
pawn 3 "#2ea043" "#135c20" 2 54
pawn 4 "#ffcc1a" "#8a6a00" 74 54

# Die faces: a white rounded die with black pips.
pips=("" "70,70" "40,40 100,100" "38,38 70,70 102,102"
      "40,40 100,40 40,100 100,100" "38,38 102,38 70,70 38,102 102,102"
      "40,36 100,36 40,70 100,70 40,104 100,104")
for face in 1 2 3 4 5 6; do
    draw=(-fill white -stroke "#555555" -strokewidth 6 -draw "roundrectangle 6,6 133,133 22,22"
          -stroke none -fill "#e6e6e6" -draw "roundrectangle 12,108 127,127 14,14"
          -fill white -draw "roundrectangle 12,12 127,112 16,16" -fill "#222222")
    for p in ${pips[face]}; do
        draw+=(-draw "circle $p ${p%,*},$((${p#*,} - 11))")
    done
    convert -size 140x140 xc:none "${draw[@]}" \
        -resize 35x35 -channel A -threshold 50% +channel "${gif[@]}" "$jeu/Dé$face.gif"
done

# Countdown digits: seven segments, lit red or dark, on black.
segment=(
    [0]="roundrectangle 22,8 62,20 6,6"       # a: top
    [1]="roundrectangle 64,20 76,62 6,6"      # b: upper right
    [2]="roundrectangle 64,70 76,112 6,6"     # c: lower right
    [3]="roundrectangle 22,112 62,124 6,6"    # d: bottom
    [4]="roundrectangle 8,70 20,112 6,6"      # e: lower left
    [5]="roundrectangle 8,20 20,62 6,6"       # f: upper left
    [6]="roundrectangle 22,60 62,72 6,6")     # g: middle
lit=(abcdef bc abdeg abcdg bcfg acdfg acdefg abc abcdefg abcdfg)
for digit in 0 1 2 3 4 5 6 7 8 9; do
    draw=()
    for s in 0 1 2 3 4 5 6; do
        letter=$(printf "\\$(printf '%03o' $((97 + s)))")
        if [[ "${lit[digit]}" == *"$letter"* ]]; then colour="#ff3b2f"; else colour="#3a1512"; fi
        draw+=(-fill "$colour" -draw "${segment[s]}")
    done
    convert -size 84x132 xc:"#111111" "${draw[@]}" -resize 21x33 "${gif[@]}" "$jeu/chiffre$digit.gif"
done

# ================================================================== sounds
# sound OUT EFFECTS...: synthesise from nothing, mono 22050 Hz 16 bits.
sound() {
    local out="$1"
    shift
    sox -R -D -n -r 22050 -c 1 -b 16 "$out" "$@"
}
# join OUT PARTS...: play the parts one after the other.
join() {
    local out="$1"
    shift
    sox -R -D "$@" -r 22050 -c 1 -b 16 "$out"
}
# note OUT SECONDS KIND FREQUENCY VOLUME: one note with a soft end.
note() {
    sound "$1" synth "$2" "$3" "$4" fade q 0.005 "$2" "$(awk -v d="$2" 'BEGIN { print d * 0.7 }')" vol "$5"
}
rest() { sound "$1" trim 0 "$2"; }

# Die: five clicks of filtered noise at uneven intervals.
clicks=()
i=0
for gap in 0.03 0.05 0.025 0.045 0.0; do
    sound "$work/click$i.wav" synth 0.025 whitenoise band 2400 1200 fade t 0.001 0.025 0.02 vol 0.6
    clicks+=("$work/click$i.wav")
    if [ "$gap" != 0.0 ]; then
        rest "$work/gap$i.wav" "$gap"
        clicks+=("$work/gap$i.wav")
    fi
    i=$((i + 1))
done
join "$jeu/dé.wav" "${clicks[@]}"

# Pawn step: a short wooden knock.
sound "$jeu/drapeau.wav" synth 0.12 pluck 330 fade q 0.002 0.12 0.09 vol 0.7

# Countdown tick.
sound "$jeu/timer.wav" synth 0.04 square 1600 vol 0.25 lowpass 3000 fade t 0.001 0.04 0.03

# Play again: two quick rising notes.
note "$work/r1.wav" 0.12 triangle 523.25 0.6
note "$work/r2.wav" 0.22 triangle 783.99 0.6
join "$jeu/rejoue.wav" "$work/r1.wav" "$work/r2.wav"

# Bonus: bright rising chime.
note "$work/b1.wav" 0.1 sine 659.26 0.6
note "$work/b2.wav" 0.1 sine 880.00 0.6
note "$work/b3.wav" 0.4 sine 1318.51 0.6
join "$jeu/+1000.wav" "$work/b1.wav" "$work/b2.wav" "$work/b3.wav"

# Penalty: falling notes, a little buzzy.
note "$work/p1.wav" 0.18 sawtooth 392.00 0.25
note "$work/p2.wav" 0.18 sawtooth 369.99 0.25
note "$work/p3.wav" 0.45 sawtooth 329.63 0.25
join "$work/p.wav" "$work/p1.wav" "$work/p2.wav" "$work/p3.wav"
sox -R -D "$work/p.wav" -b 16 "$jeu/-1000.wav" lowpass 1800

# Time out: a gong, inharmonic partials dying away.
sox -R -D -n -r 22050 -c 4 -b 16 "$work/g.wav" \
    synth 1.4 sine 110 sine 173 sine 247 sine 361 remix -
sox -R -D "$work/g.wav" -r 22050 -c 1 -b 16 "$jeu/gong.wav" \
    fade l 0.004 1.4 1.36 vol 0.8

# Game won: a short fanfare, C E G and a held high C.
note "$work/w1.wav" 0.13 square 523.25 0.2
note "$work/w2.wav" 0.13 square 659.26 0.2
note "$work/w3.wav" 0.13 square 783.99 0.2
note "$work/w4.wav" 0.6 square 1046.50 0.2
join "$work/w.wav" "$work/w1.wav" "$work/w2.wav" "$work/w3.wav" "$work/w4.wav"
sox -R -D "$work/w.wav" -b 16 "$jeu/gagne.wav" lowpass 2500
