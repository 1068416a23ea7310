#!/bin/sh
# Draws each window's icon (assets/iconite/ferestre/*.png): the window's
# initial on a square of its own colour, so that windows open side by side are
# told apart on the taskbar. Needs ImageMagick and fonts-urw-base35.
set -eu
cd "$(dirname "$0")/.."
mkdir -p assets/iconite/ferestre
deseneaza() { # nume culoare text
    convert -size 64x64 xc:none -fill "$2" -draw 'roundrectangle 2,2 61,61 10,10' \
        -fill white -font /usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf \
        -pointsize 44 -gravity center -annotate +0+1 "$3" \
        -strip "assets/iconite/ferestre/$1.png"
}
deseneaza principala '#35507a' T
deseneaza editare '#2e7d32' E
deseneaza vizualizare '#1565c0' V
deseneaza selectie '#6a1b9a' S
deseneaza tiparire '#4e342e' I
deseneaza lucrare '#c62828' L
deseneaza banca '#ef6c00' B
deseneaza pagina '#00838f' P
deseneaza ajutor '#558b2f' '?'
deseneaza text '#455a64' Aa
