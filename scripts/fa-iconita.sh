#!/bin/sh
# Draws the program's icon (assets/tezaurel.png): a sheet of paper with a
# script T. Needs ImageMagick and fonts-urw-base35.
set -eu
cd "$(dirname "$0")/.."
convert -size 256x256 xc:none \
    -fill '#f7f3e8' -stroke '#35507a' -strokewidth 8 -draw 'roundrectangle 36,16 220,240 18,18' \
    -stroke '#9fb3d1' -strokewidth 4 -draw 'line 64,180 192,180' -draw 'line 64,206 170,206' \
    -stroke none -fill '#1d2d4a' -font /usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf \
    -pointsize 190 -gravity center -annotate +0-22 'T' \
    assets/tezaurel.png
