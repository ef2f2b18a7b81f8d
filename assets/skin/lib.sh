# What assets/skin/draw.sh draws with, writes with and checks against;
# it sources this file and defines SKIN, T, CONVERT, IDENTIFY, COMPARE,
# the fonts and the colours first.

# The drawing scale: 1 for the pictures, 2 for their @2x twins.
K=1

imx() { "$CONVERT" "$@"; }

# dbl GEOMETRY: every number in it times K ("44x45" -> "88x90", "+1+0" -> "+2+0").
dbl() {
  local s=$1 out="" n
  while [[ $s =~ ^([^0-9.]*)([0-9]+(\.[0-9]+)?)(.*)$ ]]; do
    n=${BASH_REMATCH[2]}
    if [[ $n == *.* ]]; then n=$(awk -v n="$n" -v k="$K" 'BEGIN { print n * k }'); else n=$((n * K)); fi
    out+=${BASH_REMATCH[1]}$n
    s=${BASH_REMATCH[4]}
  done
  printf '%s' "$out$s"
}

# mvg_at_scale MVG [FILL-ONLY]: the drawing at scale K. An affine maps each
# 1x pixel onto its K x K block (pixel centres at x + 0.5, so the translation
# is (K - 1) / 2); strokes and radii scale with it. ImageMagick widens a
# filled rectangle by half a pixel each way at every scale, so a rectangle
# drawn without a stroke (FILL-ONLY = 1) grows by (K - 1) / 2K to make up for
# it; a point becomes such a rectangle, the square of its block.
mvg_at_scale() {
  local t
  t=$(awk -v k="$K" 'BEGIN { print (k - 1) / 2 }')
  printf 'affine %s 0 0 %s %s %s ' "$K" "$K" "$t" "$t"
  G=$(awk -v k="$K" 'BEGIN { print (k - 1) / (2 * k) }') F=${2:-0} perl -pe '
    my $g = $ENV{G};
    my $fill = !/\bstroke\s+(?!none\b)[#\w]/ && ($ENV{F} || /\bstroke\s+none\b/);
    s/\brectangle\s+([\d.]+),([\d.]+)\s+([\d.]+),([\d.]+)/sprintf("rectangle %g,%g %g,%g", $1 - $g, $2 - $g, $3 + $g, $4 + $g)/ge if $fill;
    s/\bpoint\s+([\d.]+),([\d.]+)/sprintf("rectangle %g,%g %g,%g", $1 - $g, $2 - $g, $1 + $g, $2 + $g)/ge' <<< "$1"
}

# im ARGS: ImageMagick with the drawing's sizes, offsets, font sizes and
# shapes taken to scale K, so one drawing makes both a picture and its twin.
im() {
  if [ "$K" = 1 ]; then "$CONVERT" "$@"; return; fi
  local args=() a fill=1
  while [ $# -gt 0 ]; do
    a=$1; shift
    case $a in
      -size | -geometry | -page | -annotate | -crop | -scale | -extent | -splice | -border | -roll)
        args+=("$a" "$(dbl "$1")"); shift ;;
      -pointsize) args+=("$a" "$(dbl "$1")"); shift ;;
      -stroke) [ "$1" = none ] && fill=1 || fill=0; args+=("$a" "$1"); shift ;;
      -draw) args+=("$a" "$(mvg_at_scale "$1" "$fill")"); shift ;;
      *) args+=("$a") ;;
    esac
  done
  "$CONVERT" "${args[@]}"
}

# ---------------------------------------------------------------------------
# Writers. Every picture is drawn as a PNG in $T and then written here; at
# scale 2 under its twin's name, and a picture of whole pixels as its 1x
# picture with every pixel doubled.
# ---------------------------------------------------------------------------
PIXEL_ART=" border_bot.bmp border_left.bmp border_left_corners.bmp border_right.bmp
 border_right_corners.bmp border_top_center.bmp border_top_left.bmp border_top_right.bmp
 border_white_top_center.bmp border_white_top_left.bmp border_white_top_right.bmp
 bottombg1.bmp bottombg2.bmp bottombg3.bmp bottombg4.bmp progressbar.bmp statusgrabber.bmp
 columnhead1.bmp columnhead2.bmp Handle.bmp Border_bot_left.gif Border_bot_right.gif "

# twin NAME: NAME with "@2x" before its extension.
twin() { printf '%s@2x.%s' "${1%.*}" "${1##*.}"; }

# target SRC NAME: sets SRC_AT and NAME_AT, what the writers write and where.
target() {
  SRC_AT=$1 NAME_AT=$2
  if [ "$K" != 1 ]; then
    NAME_AT=$(twin "$2")
    if [[ " ${PIXEL_ART//$'\n'/ } " == *" $2 "* ]]; then
      SRC_AT=$T/doubled.png
      imx "$SKIN/$2[0]" -filter point -resize "$((K * 100))%" "$SRC_AT"
    fi
  fi
}

# bmp24 SRC NAME: truecolour BMP version 3, 24 bits per pixel.
bmp24() {
  target "$1" "$2"
  imx "$SRC_AT" +repage -background "$STRIP" -alpha remove -alpha off -strip \
     -type TrueColor -compress None "BMP3:$SKIN/$NAME_AT"
}

# bmp8 SRC NAME: BMP version 3 with a 256-entry palette, 8 bits per pixel.
# ImageMagick picks 1 or 4 bits for pictures with few colours, so the
# palette is padded to 256 entries with unused greys before writing.
bmp8() {
  local src=$T/b8_src.png q=$T/b8_q.png pal=$T/b8_pal.png n pad
  target "$1" "$2"
  imx "$SRC_AT" +repage -background "$STRIP" -alpha remove -alpha off +dither -colors 256 "$src"
  imx "$src" -unique-colors "$q"
  n=$("$IDENTIFY" -format '%w' "$q")
  pad=$((256 - n))
  if [ "$pad" -gt 0 ]; then
    imx "$q" \( -size "${pad}x1" gradient:'#030303-#fcfcfc' \) +append "$pal"
  else
    cp "$q" "$pal"
  fi
  imx "$src" +dither -remap "$pal" -strip -type Palette -compress None \
     "BMP3:$SKIN/$NAME_AT"
}

# gif SRC NAME: single-frame GIF; fully transparent pixels stay transparent.
gif() {
  target "$1" "$2"
  imx "$SRC_AT" +repage -channel A -threshold 50% +channel +dither -colors 256 -strip \
     +set date:create +set date:modify "GIF:$SKIN/$NAME_AT"
}

# ico SRC NAME: icon file holding exactly one image.
ico() {
  target "$1" "$2"
  imx "$SRC_AT" +repage -strip +set date:create +set date:modify "ICO:$SKIN/$NAME_AT"
}

# ---------------------------------------------------------------------------
# Drawing helpers.
# ---------------------------------------------------------------------------

# gshape OUT W H TOP BOTTOM STROKE STROKEWIDTH MVG
# A shape filled with a vertical gradient and outlined with STROKE.
gshape() {
  local out=$1 w=$2 h=$3 c1=$4 c2=$5 st=$6 sw=$7 mvg=$8
  im -size "${w}x${h}" gradient:"$c1-$c2" \
     \( -size "${w}x${h}" xc:black -fill white -stroke white \
        -strokewidth "$sw" -draw "$mvg" \) \
     -alpha off -compose CopyOpacity -composite \
     \( -size "${w}x${h}" xc:none -fill none -stroke "$st" \
        -strokewidth "$sw" -draw "$mvg" \) \
     -compose Over -composite "$out"
}

# gshape_noline OUT W H TOP BOTTOM MVG: like gshape without the outline.
gshape_noline() {
  local out=$1 w=$2 h=$3 c1=$4 c2=$5 mvg=$6
  im -size "${w}x${h}" gradient:"$c1-$c2" \
     \( -size "${w}x${h}" xc:black -fill white -stroke none -draw "$mvg" \) \
     -alpha off -compose CopyOpacity -composite "$out"
}

# stack OUT BASE LAYER...: composite layers (same size) over BASE.
stack() {
  local out=$1 base=$2 l
  shift 2
  local args=("$base")
  for l in "$@"; do args+=("$l" -composite); done
  im "${args[@]}" "$out"
}

# gear MVG for a gear centred at CX,CY: outer radius RO, root radius RI.
gear_mvg() {
  awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" 'BEGIN {
    pi = atan2(0, -1); s = 2 * pi / n; printf "polygon"
    for (i = 0; i < n; i++) {
      a = i * s
      split("-0.30 -0.16 0.16 0.30", f, " ")
      split("0 1 1 0", o, " ")
      for (k = 1; k <= 4; k++) {
        r = o[k] ? ro : ri; b = a + f[k] * s
        printf " %.2f,%.2f", cx + r * cos(b), cy + r * sin(b)
      }
    }
    printf "\n"
  }'
}

# pencil_mvg TX TY EX EY HALFWIDTH: a pencil from its tip (TX,TY) to the end
# of its eraser (EX,EY), as MVG with its own colours.
pencil_mvg() {
  awk -v tx="$1" -v ty="$2" -v ex="$3" -v ey="$4" -v w="$5" \
      -v body="$BLUE" -v lite="$BLUE_LIGHT" -v dark="$OUTLINE" \
      -v eraser="$RED_LIGHT" 'function P(t, s) {
        return sprintf(" %.2f,%.2f", tx + t * dx + s * w * nx, ty + t * dy + s * w * ny)
      }
      BEGIN {
        dx = ex - tx; dy = ey - ty; L = sqrt(dx * dx + dy * dy)
        nx = -dy / L; ny = dx / L
        printf "stroke none fill #F2D3A2 polygon%s%s%s\n", P(0, 0), P(0.24, -1), P(0.24, 1)
        printf "fill #2E3440 polygon%s%s%s\n", P(0, 0), P(0.09, -0.38), P(0.09, 0.38)
        printf "fill %s polygon%s%s%s%s\n", body, P(0.24, -1), P(0.80, -1), P(0.80, 1), P(0.24, 1)
        printf "fill %s polygon%s%s%s%s\n", lite, P(0.24, -0.8), P(0.80, -0.8), P(0.80, -0.15), P(0.24, -0.15)
        printf "fill #C9CFD8 polygon%s%s%s%s\n", P(0.80, -1), P(0.88, -1), P(0.88, 1), P(0.80, 1)
        printf "fill %s polygon%s%s%s%s\n", eraser, P(0.88, -1), P(1, -1), P(1, 1), P(0.88, 1)
        printf "fill none stroke %s polygon%s%s%s%s%s\n", dark, P(0, 0), P(0.24, -1), P(1, -1), P(1, 1), P(0.24, 1)
        printf "line%s%s\n", P(0.80, -1), P(0.80, 1)
      }'
}

# shadow IN OUT: the same picture with a faint shadow 1 px down-right.
shadow() {
  im -size "$(wh "$1")" xc:none \
     \( "$1" -alpha extract -evaluate multiply 0.22 -background black -alpha shape \) \
     -geometry +1+1 -composite "$1" -geometry +0+0 -composite "$2"
}

# wh PICTURE: its size at scale 1.
wh() { "$IDENTIFY" -format "%[fx:w/$K]x%[fx:h/$K]" "$1"; }

# orb SIZE OUT: the product mark, a blue ball with a white tick.
orb() {
  local s=$1 c r
  c=$(awk -v s="$s" 'BEGIN { printf "%.2f", (s - 1) / 2 }')
  r=$(awk -v s="$s" 'BEGIN { printf "%.2f", (s - 1) / 2 - 0.3 }')
  im -size "${s}x${s}" radial-gradient:"#A9D0FA-$BLUE_DEEP" -roll "-$((s / 5))-$((s / 5))" \
     \( -size "${s}x${s}" xc:black -fill white -draw "circle $c,$c $c,0.3" \) \
     -alpha off -compose CopyOpacity -composite \
     -fill none -stroke "$OUTLINE" -strokewidth 1 -draw "circle $c,$c $c,0.3" \
     -stroke white \
     -strokewidth "$(awk -v s="$s" 'BEGIN { printf "%.2f", s / 7.5 }')" \
     -draw "$(awk -v s="$s" 'BEGIN { k = s / 16; printf "stroke-linecap round stroke-linejoin round polyline %.2f,%.2f %.2f,%.2f %.2f,%.2f", 4.2*k, 8.2*k, 6.8*k, 10.8*k, 11.6*k, 5.0*k }')" \
     "$2"
}

# on_light IN OUT: flatten edges onto a light tone, then make that tone clear,
# so a GIF shows clean edges on white and on the strip colour.
on_light() {
  im "$1" -background '#F8F9F2' -alpha remove -alpha off -transparent '#F8F9F2' "$2"
}

# ---------------------------------------------------------------------------
# Self-check: names, formats, sizes, BMP header and bit depth, frame count.
# ---------------------------------------------------------------------------
EXPECT="
about_off.bmp BMP 44 45 24
about_on.bmp BMP 44 45 24
about_pressed.bmp BMP 44 45 24
back_disabled.bmp BMP 44 45 24
back_off.bmp BMP 44 45 24
back_on.bmp BMP 44 45 24
back_pressed.bmp BMP 44 45 24
close_off.bmp BMP 44 45 24
close_on.bmp BMP 44 45 24
close_pressed.bmp BMP 44 45 24
forward_disabled.bmp BMP 44 45 24
forward_off.bmp BMP 44 45 24
forward_on.bmp BMP 44 45 24
forward_pressed.bmp BMP 44 45 24
home_off.bmp BMP 44 45 24
home_on.bmp BMP 44 45 24
home_pressed.bmp BMP 44 45 24
mark_disabled.bmp BMP 44 45 24
mark_off.bmp BMP 44 45 24
mark_on.bmp BMP 44 45 24
mark_pressed.bmp BMP 44 45 24
print_off.bmp BMP 44 45 24
print_on.bmp BMP 44 45 24
print_pressed.bmp BMP 44 45 24
report_off.bmp BMP 44 45 24
report_on.bmp BMP 44 45 24
report_pressed.bmp BMP 44 45 24
save_disabled.bmp BMP 44 45 24
save_off.bmp BMP 44 45 24
save_on.bmp BMP 44 45 24
save_pressed.bmp BMP 44 45 24
setup_off.bmp BMP 44 45 24
setup_on.bmp BMP 44 45 24
setup_pressed.bmp BMP 44 45 24
trash_off.bmp BMP 44 45 24
trash_on.bmp BMP 44 45 24
trash_pressed.bmp BMP 44 45 24
tabs_back_off.bmp BMP 79 26 8
tabs_back_on.bmp BMP 79 26 8
tabs_front_off.bmp BMP 79 27 8
tabs_front_on.bmp BMP 79 27 8
border_bot.bmp BMP 2 4 8
border_left.bmp BMP 4 2 8
border_left_corners.bmp BMP 6 4 8
border_right.bmp BMP 4 2 8
border_right_corners.bmp BMP 6 4 8
border_top_center.bmp BMP 2 28 24
border_top_left.bmp BMP 48 28 24
border_top_right.bmp BMP 48 28 24
border_white_top_center.bmp BMP 1 28 24
border_white_top_left.bmp BMP 48 28 24
border_white_top_right.bmp BMP 48 28 24
prog_blue_close.bmp BMP 19 19 24
prog_blue_max.bmp BMP 19 19 24
prog_blue_min.bmp BMP 19 19 24
prog_blue_norm.bmp BMP 19 19 24
prog_blueoff_close.bmp BMP 19 19 24
prog_blueoff_max.bmp BMP 19 19 24
prog_blueoff_min.bmp BMP 19 19 24
prog_blueoff_norm.bmp BMP 19 19 24
prog_white_close.bmp BMP 19 19 24
prog_white_max.bmp BMP 19 19 24
prog_white_min.bmp BMP 19 19 24
prog_white_norm.bmp BMP 19 19 24
loadbutton_on.bmp BMP 35 14 8
loadbutton_off.bmp BMP 35 14 8
button_off.bmp BMP 80 25 8
button_on.bmp BMP 80 25 8
button_pressed.bmp BMP 80 25 8
bottombg1.bmp BMP 128 25 8
bottombg2.bmp BMP 120 25 8
bottombg3.bmp BMP 64 25 8
bottombg4.bmp BMP 200 25 8
columnhead1.bmp BMP 167 24 8
columnhead2.bmp BMP 233 24 8
progressbar.bmp BMP 11 19 8
statusgrabber.bmp BMP 8 8 8
bullet.bmp BMP 13 11 8
Handle.bmp BMP 6 40 8
pen.bmp BMP 117 41 24
bar.bmp BMP 401 17 8
QZicon.ico ICO 16 16 -
pencil.ico ICO 16 16 -
hand.ico ICO 32 32 -
info_mark.gif GIF 32 27 -
Logo.gif GIF 204 23 -
instruction.gif GIF 237 85 -
Border_bot_left.gif GIF 6 7 -
Border_bot_right.gif GIF 6 7 -
"

u8()  { od -An -v -t u1 -j "$2" -N 1 "$1" | tr -d ' \n'; }
u16() { od -An -v -t u2 -j "$2" -N 2 "$1" | tr -d ' \n'; }
i32() { od -An -v -t d4 -j "$2" -N 4 "$1" | tr -d ' \n'; }

# alike PICTURE TWIN: true when the twin, halved, is the picture but for its
# edges: both softened by a one-pixel blur, on white, differ by a root mean
# square under 0.07 (sets RMSE). The twins lie under 0.06; a size, offset or
# shape left at scale 1, or another button's picture, lies above 0.08.
alike() {
  local a=$T/alike_a.png b=$T/alike_b.png
  "$CONVERT" "$1[0]" -background white -alpha remove -alpha off -blur 0x1 "$a"
  "$CONVERT" "$2[0]" -background white -alpha remove -alpha off -filter box -resize 50% -blur 0x1 "$b"
  RMSE=$("$COMPARE" -metric RMSE "$a" "$b" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
  awk -v e="$RMSE" 'BEGIN { exit !(e < 0.07) }'
}

check_all() {
  local bad=0 count=0 name fmt w h bpp f got k
  for k in 1 2; do
  while read -r name fmt w h bpp; do
    [ -n "$name" ] || continue
    if [ "$k" = 2 ]; then name=$(twin "$name"); w=$((w * 2)); h=$((h * 2)); fi
    count=$((count + 1))
    f=$SKIN/$name
    if [ ! -f "$f" ]; then echo "MISSING  $name"; bad=$((bad + 1)); continue; fi
    case $fmt in
      BMP)
        got="$(head -c2 "$f") hdr=$(i32 "$f" 14) ${w}x${h}=$(i32 "$f" 18)x$(i32 "$f" 22) planes=$(u16 "$f" 26) bpp=$(u16 "$f" 28) comp=$(i32 "$f" 30)"
        [ "$got" = "BM hdr=40 ${w}x${h}=${w}x${h} planes=1 bpp=$bpp comp=0" ] || { echo "BAD      $name: $got (want ${w}x${h} ${bpp}bpp)"; bad=$((bad + 1)); continue; }
        got="BMP3 ${w}x${h} ${bpp}bpp" ;;
      ICO)
        local iw ih
        iw=$(u8 "$f" 6); ih=$(u8 "$f" 7)
        got="reserved=$(u16 "$f" 0) type=$(u16 "$f" 2) images=$(u16 "$f" 4) ${iw}x${ih}"
        [ "$got" = "reserved=0 type=1 images=1 ${w}x${h}" ] || { echo "BAD      $name: $got"; bad=$((bad + 1)); continue; }
        [ "$("$IDENTIFY" -format '%wx%h\n' "$f")" = "${w}x${h}" ] || { echo "BAD      $name: does not decode as ${w}x${h}"; bad=$((bad + 1)); continue; }
        got="ICO 1 image ${w}x${h}" ;;
      GIF)
        got="$(head -c6 "$f") $(u16 "$f" 6)x$(u16 "$f" 8) frames=$("$IDENTIFY" -format '%wx%h\n' "$f" | wc -l)"
        case $got in GIF8[79]a\ "${w}x${h}"\ frames=1) ;; *) echo "BAD      $name: $got"; bad=$((bad + 1)); continue ;; esac
        got="GIF ${w}x${h} 1 frame" ;;
    esac
    if [ "$k" = 2 ] && ! alike "$SKIN/${name/@2x./.}" "$f"; then
      echo "BAD      $name: halved, it is not its 1x picture (RMSE $RMSE)"; bad=$((bad + 1)); continue
    fi
    echo "ok       $name  $got"
  done <<< "$EXPECT"
  done
  # nothing else may lie in the skin folder
  local extra
  extra=$(cd "$SKIN" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | sort | while read -r x; do
    case $x in draw.sh | lib.sh | README.md) ;; *) grep -q "^${x/@2x./.} " <<< "$EXPECT" || echo "$x" ;; esac
  done)
  if [ -n "$extra" ]; then echo "UNEXPECTED files: $extra"; bad=$((bad + 1)); fi
  echo "checked $count pictures, $bad problem(s)"
  [ "$count" -eq 178 ] && [ "$bad" -eq 0 ]
}

# ---------------------------------------------------------------------------
# Contact sheet with mock-ups (for looking at the skin; it is not shipped).
# ---------------------------------------------------------------------------
contact() {
  local out=$1 C=$T/contact
  mkdir -p "$C"
  local S=$SKIN
  # a mock window 400 px wide: title bar, window buttons, toolbar, borders
  mock_window() {  # OUT PREFIX(border|border_white) BUTTONS(blueoff|blue|white) TEXTCOLOUR
    local o=$1 p=$2 b=$3 tc=$4
    im -size 400x150 xc:white \
       \( "$S/${p}_top_center.bmp" -scale 304x28! \) -geometry +48+0 -composite \
       "$S/${p}_top_left.bmp" -geometry +0+0 -composite \
       "$S/${p}_top_right.bmp" -geometry +352+0 -composite \
       "$S/QZicon.ico" -geometry +9+6 -composite \
       -font "$FONT_BOLD" -pointsize 12 -fill "$tc" -annotate +30+18 'Orbisk English Practice' \
       "$S/prog_${b}_min.bmp" -geometry +356+4 -composite \
       "$S/prog_${b}_close.bmp" -geometry +377+4 -composite \
       "$S/prog_${b}_max.bmp" -geometry +335+4 -composite \
       \( "$S/border_left.bmp" -scale 4x118! \) -geometry +0+28 -composite \
       \( "$S/border_right.bmp" -scale 4x118! \) -geometry +396+28 -composite \
       \( "$S/border_bot.bmp" -scale 388x4! \) -geometry +6+146 -composite \
       "$S/border_left_corners.bmp" -geometry +0+146 -composite \
       "$S/border_right_corners.bmp" -geometry +394+146 -composite \
       \( -size 392x45 xc:"$STRIP" \) -geometry +4+28 -composite \
       "$S/home_off.bmp" -geometry +6+28 -composite \
       "$S/back_on.bmp" -geometry +52+28 -composite \
       "$S/forward_pressed.bmp" -geometry +98+28 -composite \
       "$S/save_disabled.bmp" -geometry +144+28 -composite \
       "$S/mark_off.bmp" -geometry +190+28 -composite \
       "$S/pen.bmp" -geometry +250+30 -composite \
       -font "$FONT_REG" -pointsize 10 -fill black \
       -annotate +16+70 'Home' -annotate +62+70 'Back' -annotate +104+70 'Next' \
       -annotate +154+70 'Save' -annotate +200+70 'Mark' \
       -font "$FONT_BOLD" -pointsize 13 -fill "$OUTLINE" -annotate +296+56 '8 / 10' \
       \( -size 392x27 xc:"$STRIP" \) -geometry +4+73 -composite \
       "$S/tabs_front_off.bmp" -geometry +8+73 -composite \
       "$S/tabs_back_on.bmp" -geometry +87+73 -composite \
       "$S/tabs_back_off.bmp" -geometry +166+73 -composite \
       -fill black -annotate +24+91 'Topics' -annotate +103+92 'Papers' -annotate +182+92 'Scores' \
       -fill none -stroke '#8FA3BE' -draw "line 4,99 7,99 line 87,99 395,99" -stroke none \
       "$S/columnhead1.bmp" -geometry +4+100 -composite \
       "$S/columnhead2.bmp" -geometry +171+100 -composite \
       "$S/bullet.bmp" -geometry +8+128 -composite \
       -fill black -annotate +24+138 'Spelling' -annotate +10+117 'Topic' -annotate +176+117 'Paper' \
       "$S/bottombg4.bmp" -geometry +4+121 -composite \
       "$S/progressbar.bmp" -geometry +7+124 -composite \
       "$S/progressbar.bmp" -geometry +18+124 -composite \
       "$S/progressbar.bmp" -geometry +29+124 -composite \
       \( "$S/bottombg1.bmp" -scale 184x25! \) -geometry +204+121 -composite \
       "$S/statusgrabber.bmp" -geometry +388+138 -composite \
       -fill '#606870' +antialias \
       -draw "rectangle 0,0 3,0 rectangle 0,1 1,1 rectangle 0,2 0,3" \
       -draw "rectangle 396,0 399,0 rectangle 398,1 399,1 rectangle 399,2 399,3" \
       "$o"
  }
  mock_window "$C/m1.png" border blueoff white
  mock_window "$C/m2.png" border blue white
  mock_window "$C/m3.png" border_white white '#808080'
  im "$C/m1.png" "$C/m2.png" "$C/m3.png" -background '#606870' -splice 10x0 +append -splice 0x10 \
     +repage -filter point -resize 200% "$C/row_mock.png"

  # every toolbar button in its states, side by side on the strip
  local n st row=()
  for n in about back close forward home mark print report save setup trash; do
    local col=()
    for st in off on pressed disabled; do
      if [ -f "$S/${n}_$st.bmp" ]; then col+=("$S/${n}_$st.bmp"); else col+=(-size 44x45 "xc:$STRIP"); fi
    done
    im "${col[@]}" -append "$C/tb_$n.png"
    row+=("$C/tb_$n.png")
  done
  im "${row[@]}" +append +repage -filter point -resize 300% "$C/row_toolbar.png"

  # every picture at 3x with its name
  local f b
  while read -r f _; do
    [ -n "$f" ] || continue
    b=${f%.*}_${f##*.}
    im "$S/${f}[0]" -background '#C8C8C8' -alpha remove -alpha off -filter point -resize 300% +repage "$C/$b.png"
  done <<< "$EXPECT"
  local groups=(
    "about_off about_on about_pressed back_off back_on back_pressed back_disabled close_off close_on close_pressed forward_off forward_on forward_pressed forward_disabled"
    "home_off home_on home_pressed mark_off mark_on mark_pressed mark_disabled print_off print_on print_pressed report_off report_on report_pressed"
    "save_off save_on save_pressed save_disabled setup_off setup_on setup_pressed trash_off trash_on trash_pressed"
    "tabs_back_off tabs_back_on tabs_front_off tabs_front_on button_off button_on button_pressed loadbutton_off loadbutton_on"
    "border_top_left border_top_center border_top_right border_white_top_left border_white_top_center border_white_top_right border_left border_right border_bot border_left_corners border_right_corners"
    "prog_blueoff_close prog_blueoff_min prog_blueoff_max prog_blueoff_norm prog_blue_close prog_blue_min prog_blue_max prog_blue_norm prog_white_close prog_white_min prog_white_max prog_white_norm"
    "bottombg1 bottombg2 bottombg3 bottombg4 progressbar statusgrabber bullet Handle"
    "columnhead1 columnhead2 pen bar"
    "QZicon pencil hand info_mark Logo instruction Border_bot_left Border_bot_right"
  )
  local g i=0 k files
  for g in "${groups[@]}"; do
    files=()
    for n in $g; do
      for f in "$C/${n}_bmp.png" "$C/${n}_ico.png" "$C/${n}_gif.png"; do
        [ -f "$f" ] || continue
        im "$f" \( -font "$FONT_REG" -pointsize 12 -background '#EDEDED' \
                   label:"$(basename "${f%_*}").${f##*_}" \) \
           -background '#EDEDED' -gravity center -append -bordercolor '#EDEDED' \
           -border 8x6 +repage "$f.tile.png"
        files+=("$f.tile.png")
      done
    done
    im "${files[@]}" -background '#EDEDED' +append +repage "$C/row_g$i.png"
    i=$((i + 1))
  done
  local rows=("$C/row_mock.png" "$C/row_toolbar.png")
  for ((k = 0; k < i; k++)); do rows+=("$C/row_g$k.png"); done
  im "${rows[@]}" \
     -background '#EDEDED' -gravity NorthWest -splice 0x12 -append +repage "$out"
  echo "contact sheet: $out"
}
