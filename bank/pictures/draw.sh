#!/usr/bin/env bash
# Redraws product.png, the banner shown at the top of every question page,
# and its twin product@2x.png: the same banner with twice the pixels each
# way, which pages show on screens with a device pixel ratio above 1.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# shapes K: the book mark's shapes at scale K, one -draw each. At scale 2 an
# affine maps each pixel onto its 2x2 block (pixel centres at x + 0.5), and
# since ImageMagick widens a filled rectangle by half a pixel at every scale,
# the twin's rectangles grow by a quarter pixel to make up for it (its
# one-pixel lines are drawn as such rectangles).
shapes() {
  if [ "$1" = 1 ]; then
    printf '%s\n' 'roundrectangle 4,6 32,34 4,4' 'rectangle 9,11 17,29' 'rectangle 19,11 27,29' \
      'line 11,15 15,15' 'line 11,19 15,19' 'line 21,15 25,15' 'line 21,19 25,19'
    return
  fi
  local at='affine 2 0 0 2 0.5 0.5 '
  printf '%s\n' "${at}roundrectangle 4,6 32,34 4,4" "${at}rectangle 8.75,10.75 17.25,29.25" \
    "${at}rectangle 18.75,10.75 27.25,29.25" "${at}rectangle 10.75,14.75 15.25,15.25" \
    "${at}rectangle 10.75,18.75 15.25,19.25" "${at}rectangle 20.75,14.75 25.25,15.25" \
    "${at}rectangle 20.75,18.75 25.25,19.25"
}

banner() {  # K OUT
  local k=$1 s
  mapfile -t s < <(shapes "$k")
  convert -size "$((260 * k))x$((40 * k))" xc:white \
    -fill '#2f6fb5' -draw "${s[0]}" \
    -fill white -draw "${s[1]}" -draw "${s[2]}" \
    -fill '#2f6fb5' -draw "${s[3]}" -draw "${s[4]}" -draw "${s[5]}" -draw "${s[6]}" \
    -font "$font" -pointsize "$((17 * k))" -fill '#1c4f8c' -annotate "+$((40 * k))+$((27 * k))" 'Orbisk English Practice' \
    -depth 8 -strip +set date:create +set date:modify -define png:exclude-chunks=date,time \
    "$2"
}

banner 1 product.png
banner 2 product@2x.png
