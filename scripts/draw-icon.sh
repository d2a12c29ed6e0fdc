#!/usr/bin/env bash
# Draws the program icon (a shield with a padlock) and the hand pointer, and assembles them with
# icotool into OUTDIR/portguard.ico and OUTDIR/hand.cur. The PNGs carry no dates, so that two builds
# give the same bytes.
set -euo pipefail
out=${1:?usage: draw-icon.sh OUTDIR}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# convert with its last argument, the output, after the options that drop dates and metadata.
png() {
    local args=("$@")
    local output=${args[-1]}
    unset 'args[-1]'
    convert "${args[@]}" -strip -define png:exclude-chunks=date,time "$output"
}

# The master drawing, 256 x 256 with alpha.
png -size 256x256 xc:none \
    -fill '#1d4f91' -draw "path 'M128,12 L232,50 L232,122 C232,186 188,228 128,248 C68,228 24,186 24,122 L24,50 Z'" \
    -fill '#3b7dd8' -draw "path 'M128,30 L214,62 L214,122 C214,176 178,212 128,230 C78,212 42,176 42,122 L42,62 Z'" \
    -fill none -stroke white -strokewidth 16 -draw 'line 96,100 96,126' -draw 'line 160,100 160,126' -draw 'ellipse 128,100 32,32 180,360' \
    -stroke none -fill white -draw "roundrectangle 78,120 178,196 10,10" \
    -fill '#1d4f91' -draw "circle 128,150 128,162" -draw "rectangle 123,156 133,180" \
    "PNG32:$work/master.png"

png "$work/master.png" -background '#f0f0f0' -alpha remove -colors 16 \
    -define png:bit-depth=4 -define png:color-type=3 "PNG8:$work/256-4.png"
png "$work/master.png" -background '#f0f0f0' -alpha remove "PNG24:$work/256-24.png"
png "$work/master.png" -resize '59x60!' "PNG32:$work/59x60.png"
png "$work/master.png" -resize 32x32 "PNG32:$work/32.png"

icotool -c -o "$out/portguard.ico" --raw="$work/256-4.png" --raw="$work/256-24.png" \
    -b 32 "$work/59x60.png" -b 32 "$work/32.png"
# icotool writes 32 bits per pixel into the directory entries of the PNG images; make them tell the
# truth: 16 colours at 4 bits per pixel, then 24 bits per pixel.
patch_entry() {  # index, colour count, bits per pixel
    local entry=$((6 + 16 * $1))
    printf "\\x$(printf %02x "$2")" | dd of="$out/portguard.ico" bs=1 seek=$((entry + 2)) conv=notrunc status=none
    printf "\\x$(printf %02x "$3")\\x00" | dd of="$out/portguard.ico" bs=1 seek=$((entry + 6)) conv=notrunc status=none
}
patch_entry 0 16 4
patch_entry 1 0 24

# The hand pointer: black outline, white fill, 1 bit per pixel. Its hot spot is the fingertip.
png -size 32x32 xc:none +antialias -fill white -stroke black -strokewidth 1 \
    -draw "path 'M5.5,1.5 L7.5,1.5 L8.5,2.5 L8.5,11.5 L10.5,10.5 L13.5,10.5 L15.5,11.5 L18.5,11.5 L20.5,12.5 L22.5,12.5 L23.5,14.5 L23.5,22.5 L20.5,28.5 L9.5,28.5 L2.5,19.5 L2.5,17.5 L3.5,16.5 L4.5,16.5 L4.5,2.5 Z'" \
    "PNG32:$work/hand.png"
icotool -c --cursor -X 6 -Y 1 -b 1 -o "$out/hand.cur" "$work/hand.png"
