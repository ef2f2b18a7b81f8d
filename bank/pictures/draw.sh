#!/usr/bin/env bash
# Redraws product.png, the banner shown at the top of every question page.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
convert -size 260x40 xc:white \
    -fill '#2f6fb5' -draw 'roundrectangle 4,6 32,34 4,4' \
    -fill white -draw 'rectangle 9,11 17,29' -draw 'rectangle 19,11 27,29' \
    -fill '#2f6fb5' -draw 'line 11,15 15,15' -draw 'line 11,19 15,19' -draw 'line 21,15 25,15' -draw 'line 21,19 25,19' \
    -font "$font" -pointsize 17 -fill '#1c4f8c' -annotate +40+27 'Orbisk English Practice' \
    -depth 8 -strip +set date:create +set date:modify -define png:exclude-chunks=date,time \
    product.png
