#!/usr/bin/env bash
# Renders the PNG images of resources/images/ from their SVG sources (ImageMagick). Run it
# after changing an SVG and commit both.
set -euo pipefail
cd "$(dirname "$0")/../resources/images"
for size in 16 32 48 64 128 256; do
  convert -background none -density $((72 * size / 256 * 4)) melvane.svg -resize "${size}x${size}" -strip "PNG32:melvane-$size.png"
done
convert -background none -density 144 picture.svg -resize 132x112 -strip PNG32:picture.png
