#!/usr/bin/env bash
# Draws the program icon app/res/VoiceCalc.ico (16x16, 32x32 and 48x48,
# 32-bit BGRA with alpha) with ImageMagick.
#
# Motif: a flat, rounded calculator body with a display and keys, the
# display showing a small loudspeaker and orange sound waves leaving the
# body on the right -- "a calculator that talks".
#
# The 48 and 32 pixel images are the detailed drawing, made on a 256x256
# canvas and scaled down; the 16 pixel image is a reduced
# drawing made pixel by pixel (fewer, bigger keys, blocky waves) so that it
# stays crisp and readable.
#
# Usage: tools/make_icon.sh [preview.png]
#   Writes <repo>/app/res/VoiceCalc.ico; if a path is given, also writes a
#   256x256 PNG preview of the detailed drawing there.
set -euo pipefail
export LC_ALL=C

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/app/res/VoiceCalc.ico"
PREVIEW="${1:-}"

if ! command -v convert >/dev/null 2>&1; then
    echo "installing: imagemagick" >&2
    while command -v fuser >/dev/null 2>&1 &&
        fuser /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock >/dev/null 2>&1; do sleep 3; done
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick
fi

# Flat palette
BODY='#2C3E50'     # slate body
BODY_EDGE='#1B2631'
SCREEN='#A9E5C8'   # pale green display
INK='#1B2631'      # speaker glyph on the display
KEY='#ECF0F1'      # light keys
ACCENT='#F39C12'   # orange "=" key and sound waves

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

# Path of a thick arc (a sound wave): ring segment around (cx,cy) with
# mid radius r, width w, from -a to +a degrees (0 = pointing right).
# Drawn as a filled closed outline; ends are rounded with half circles.
wave_path() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v w="$4" -v a="$5" 'BEGIN {
        t = a * atan2(0, -1) / 180; c = cos(t); s = sin(t)
        R = r + w / 2; q = r - w / 2; h = w / 2
        printf "path '"'"'M %.2f,%.2f A %.2f,%.2f 0 0,1 %.2f,%.2f", cx+R*c, cy-R*s, R, R, cx+R*c, cy+R*s
        printf " A %.2f,%.2f 0 0,1 %.2f,%.2f", h, h, cx+q*c, cy+q*s
        printf " A %.2f,%.2f 0 0,0 %.2f,%.2f", q, q, cx+q*c, cy-q*s
        printf " A %.2f,%.2f 0 0,1 %.2f,%.2f Z'"'"'", h, h, cx+R*c, cy-R*s
    }'
}

# Detailed drawing (256 units): display with speaker, 3x3 keys, two
# sound waves.
draw_full() {
    local keys=() x y i=0
    for y in 114 156 198; do
        for x in 40 86 132; do
            i=$((i + 1))
            local fill="$KEY"
            ((i == 9)) && fill="$ACCENT"
            keys+=(-fill "$fill" -draw "roundrectangle $x,$y $((x + 36)),$((y + 32)) 7,7")
        done
    done
    convert -size 256x256 xc:none \
        -stroke "$BODY_EDGE" -strokewidth 6 -fill "$BODY" \
        -draw "roundrectangle 12,8 186,246 30,30" \
        -stroke none -fill "$SCREEN" \
        -draw "roundrectangle 38,32 160,94 10,10" \
        -fill "$INK" \
        -draw "rectangle 54,54 68,72" \
        -draw "polygon 66,54 86,40 86,86 66,72" \
        -draw "$(wave_path 88 63 16 7 48)" \
        -draw "$(wave_path 88 63 29 7 48)" \
        "${keys[@]}" \
        -fill "$ACCENT" \
        -draw "$(wave_path 180 63 36 16 46)" \
        -draw "$(wave_path 180 63 62 16 46)" \
        "$1"
}

# 16 px image, drawn pixel by pixel: body, display, 2x2 keys, two waves.
draw_small() {
    convert -size 16x16 xc:none +antialias \
        -fill "$BODY" -draw "rectangle 1,0 10,15" -draw "rectangle 0,1 11,14" \
        -fill "$SCREEN" -draw "rectangle 2,2 9,5" \
        -fill "$KEY" -draw "rectangle 2,8 4,9" -draw "rectangle 7,8 9,9" \
        -draw "rectangle 2,12 4,13" \
        -fill "$ACCENT" -draw "rectangle 7,12 9,13" \
        -draw "rectangle 13,3 13,5" \
        -draw "point 14,1" -draw "rectangle 15,2 15,6" -draw "point 14,7" \
        -define png:color-type=6 "PNG32:$1"
}

draw_full "$TMP/full.png"
draw_small "$TMP/16.png"

# Scale the detailed drawing down for 48 and 32 px.
convert "$TMP/full.png" -filter Lanczos -resize 48x48 -define png:color-type=6 "PNG32:$TMP/48.png"
convert "$TMP/full.png" -filter Lanczos -resize 32x32 -define png:color-type=6 "PNG32:$TMP/32.png"

mkdir -p "$(dirname "$OUT")"
# ICO entries are written as 32-bit BMP with alpha (not PNG), which every
# Windows version and the resource compiler accept.
convert "$TMP/16.png" "$TMP/32.png" "$TMP/48.png" "ICO:$OUT.tmp"
mv "$OUT.tmp" "$OUT"

if [[ -n "$PREVIEW" ]]; then
    cp "$TMP/full.png" "$PREVIEW"
    # side-by-side view of the three icon sizes, magnified without smoothing
    convert \( "$TMP/16.png" -filter point -resize 128x128 \) \
        \( "$TMP/32.png" -filter point -resize 128x128 \) \
        \( "$TMP/48.png" -filter point -resize 144x144 \) \
        -background white -gravity center +append "${PREVIEW%.png}-sizes.png"
fi

identify "$OUT"
