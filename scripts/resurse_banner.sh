#!/bin/sh
# Makes the title banner's assets, committed under assets/:
#   assets/Litere/Litera00.bmp .. Litera20.bmp  the letters of TEST YOUR MATH KNOWLEDGE,
#       40x65 24-bit, black script capitals with grey anti-aliasing on white
#   assets/next.wav  the short sound of a swap landing, 16-bit PCM
# Needs fonts-urw-base35 (URW's Z003 script face), imagemagick and sox.
set -eu
cd "$(dirname "$0")/.."

FONT=/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf
# The real ImageMagick, not a wrapper that may stand first in PATH.
CONVERT="${CONVERT:-$(command -v convert-im6.q16 || command -v convert)}"
LITERE=TESTYOURMATHKNOWLEDGE
MARIME=60   # points: the tallest capital (N) then spans rows 5 to 62 of 65
LINIE=47    # baseline, so that every letter sits on the same line
LATIME=36   # wider letters are condensed to this, leaving a white border

[ -f "$FONT" ] || { echo "missing $FONT (apt-get install fonts-urw-base35)" >&2; exit 1; }

mkdir -p assets/Litere
i=0
while [ $i -le 20 ]; do
    litera=$(printf %s "$LITERE" | cut -c$((i + 1)))
    # Drawn on a wide strip first so swashes are not cut, then cropped to the ink
    # across, keeping the full height so the baseline stays put.
    deseneaza() {
        "$CONVERT" -size 160x65 xc:white -font "$FONT" -pointsize $MARIME -fill black \
            -annotate +50+$LINIE "$litera" "$@"
    }
    cadru=$(deseneaza -format %@ info:)
    w=${cadru%%x*}
    x=$(printf %s "$cadru" | cut -d+ -f2)
    [ "$w" -gt $LATIME ] && nw=$LATIME || nw=$w
    deseneaza -crop "${w}x65+${x}+0" +repage -resize "${nw}x65!" \
        -gravity center -background white -extent 40x65 \
        -type TrueColor "BMP3:assets/Litere/$(printf 'Litera%02d.bmp' $i)"
    i=$((i + 1))
done

sox -n -r 22050 -c 1 -b 16 -e signed-integer assets/next.wav \
    synth 0.18 pluck E6 fade 0 0.18 0.12 vol 0.7
