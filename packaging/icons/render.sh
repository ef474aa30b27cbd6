#!/usr/bin/env bash
# Redraws the 32 and 48 px icons from the SVG as 24-colour palette PNGs (needs librsvg2-bin, imagemagick, pngquant).
set -euo pipefail
cd "$(dirname "$0")"

name=org.hobwatch.Hobwatch
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for size in 32 48; do
    out="${size}x${size}/$name.png"
    rsvg-convert --width "$size" --height "$size" "$name.svg" --output "$tmp/render.png"
    # Faint edge pixels would otherwise share a palette entry with the background and leave it
    # slightly opaque.
    convert "$tmp/render.png" -channel A -fx 'u < 0.15 ? 0 : u' +channel "PNG32:$tmp/clean.png"
    mkdir -p "${size}x${size}"
    pngquant --nofs --strip --speed 1 --force --output "$out" 24 "$tmp/clean.png"
    if [[ $(convert "$out" -format '%[fx:p{0,0}.a]' info:) != 0 ]]; then
        echo "$out: the background is not fully transparent; try more colours" >&2
        exit 1
    fi
done
