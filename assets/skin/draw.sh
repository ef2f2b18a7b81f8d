#!/usr/bin/env bash
# Redraws every skin picture of Orbisk English Practice into the folder that
# holds this script, with ImageMagick 6 only.
#
#   draw.sh                  redraw all 89 pictures and their @2x
#                            versions, then check them
#   draw.sh --check          only check the pictures already there
#   draw.sh --contact OUT    redraw, check, then render a contact sheet
#                            (every picture at 3x, plus a mock window,
#                            title bars and toolbar rows) to OUT (PNG)
#
# Every picture NAME.EXT has a twin NAME@2x.EXT with twice the pixels each
# way, in the same format, for screens with a device pixel ratio above 1.
# The twin is the same drawing made at scale 2 (see im in lib.sh); the pieces
# built of whole pixels (window borders, title bar ends, status bar, column
# heads, the handle) are their 1x picture with every pixel doubled, so they
# stay in step with the window's outline, which the screen doubles likewise.
#
# The output is byte-for-byte the same on every run: no metadata, no
# timestamps, fixed fonts, no random dithering.
set -euo pipefail

SKIN=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=$(command -v convert)
IDENTIFY=/usr/bin/identify
[ -x "$IDENTIFY" ] || IDENTIFY=$(command -v identify)
COMPARE=/usr/bin/compare
[ -x "$COMPARE" ] || COMPARE=$(command -v compare)

FONT_DIR=/usr/share/fonts/truetype
FONT_BOLD=$FONT_DIR/dejavu/DejaVuSans-Bold.ttf
FONT_REG=$FONT_DIR/dejavu/DejaVuSans.ttf
FONT_LOGO=$FONT_DIR/liberation/LiberationSans-Bold.ttf
[ -f "$FONT_LOGO" ] || FONT_LOGO=$FONT_DIR/dejavu/DejaVuSansCondensed-Bold.ttf

T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

# ---------------------------------------------------------------------------
# Colours: one blue family, one green accent, one red for close/danger.
# ---------------------------------------------------------------------------
STRIP='#F4F5EB'        # toolbar strip and panel background
OUTLINE='#163F80'      # darkest blue: window outline, icon outlines
BLUE='#2B6CC4'         # the main blue
BLUE_DEEP='#1F56A8'
BLUE_MID='#3F82DA'
BLUE_LIGHT='#7FB3EE'
BLUE_PALE='#DCEBFB'
GREEN='#2E9E3E'
GREEN_DARK='#1C6B29'
GREEN_LIGHT='#7CD487'
RED='#D8412F'
RED_DARK='#8E2119'
RED_LIGHT='#F08A77'
INK='#3C4A5E'          # dark grey-blue for printer, bin and axis outlines

# Title bar (active): outline row, highlight row, then a top-to-bottom gradient.
TB_HI='#B4D6FA'
TB_TOP='#67A3EC'
TB_BOT='#2159B2'
# Window side borders, outside to inside.
BD_OUT=$OUTLINE
BD_LIGHT='#6C9FE0'
BD_MID=$TB_BOT
BD_IN='#1A4A94'
# Inactive (white) title bar.
TW_HI='#FFFFFF'
TW_TOP='#FAFBFC'
TW_BOT='#D9DEE5'
TW_LINE='#8F9AAA'

# The drawing scale, the writers, the drawing helpers and the self-check.
# shellcheck source=lib.sh
source "$SKIN/lib.sh"

# ---------------------------------------------------------------------------
# Toolbar icons. Each is 24x24, drawn on transparency, centred on the upper
# area of a 44x45 button (x 10..33, y 4..27).
# ---------------------------------------------------------------------------
I=24

icon_about() {     # "i" in a blue circle: about the program
  gshape "$T/i_about_a.png" $I $I "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 \
    "circle 11.5,11.5 11.5,1"
  im "$T/i_about_a.png" -fill white -stroke none \
     -draw "roundrectangle 10,4.5 13,7.5 1.5,1.5" \
     -draw "rectangle 10,10 13,17 rectangle 8.5,10 10,11 rectangle 8.5,17 14.5,18" \
     "$1"
}

icon_back() {      # left arrow: previous question
  gshape "$1" $I $I "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 \
    "polygon 1,11.5 11,2 11,7.5 22,7.5 22,15.5 11,15.5 11,21"
}

icon_forward() {   # right arrow: next question
  icon_back "$T/i_fwd_a.png"
  im "$T/i_fwd_a.png" -flop "$1"
}

icon_close() {     # red cross: close the window
  local round="stroke-linecap round stroke-linejoin round"
  im -size ${I}x${I} xc:none -fill none \
     -stroke "$RED_DARK" -strokewidth 6.4 -draw "$round line 5,5 18,18 line 18,5 5,18" \
     -stroke "$RED" -strokewidth 4.2 -draw "$round line 5,5 18,18 line 18,5 5,18" \
     -stroke "$RED_LIGHT" -strokewidth 1 -draw "$round line 5,4.5 17.5,17" "$1"
}

icon_home() {      # house: back to the home window
  gshape "$T/i_home_c.png" $I $I "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 \
    "rectangle 16,2 19,9"
  gshape "$T/i_home_w.png" $I $I '#FFFFFF' '#DCE6F2' "$OUTLINE" 1 \
    "rectangle 4,10 19,21"
  gshape "$T/i_home_r.png" $I $I "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 \
    "polygon 11.5,1 23,11.5 0,11.5"
  gshape "$T/i_home_d.png" $I $I "$BLUE_MID" "$BLUE_DEEP" "$OUTLINE" 1 \
    "rectangle 6,14 10,21"
  gshape "$T/i_home_x.png" $I $I '#FFFFFF' "$BLUE_PALE" "$OUTLINE" 1 \
    "rectangle 13,14 17,18"
  im "$T/i_home_c.png" "$T/i_home_w.png" -composite "$T/i_home_r.png" -composite \
     "$T/i_home_d.png" -composite "$T/i_home_x.png" -composite \
     -fill '#FFE9A8' -stroke none -draw "point 9,18" \
     -fill none -stroke "$BLUE_LIGHT" -strokewidth 1 -draw "line 11.5,3.5 19.5,10.5" "$1"
}

icon_mark() {      # green tick: mark the paper
  local round="stroke-linecap round stroke-linejoin round"
  im -size ${I}x${I} xc:none -fill none \
     -stroke "$GREEN_DARK" -strokewidth 6 -draw "$round polyline 3.5,12.5 9,18 20,4.5" \
     -stroke "$GREEN" -strokewidth 4 -draw "$round polyline 3.5,12.5 9,18 20,4.5" \
     -stroke "$GREEN_LIGHT" -strokewidth 1 -draw "$round polyline 3.5,11.5 9,17 19.5,4" "$1"
}

# printer SCALE-free helper used by print and setup.
printer_layers() {  # OUT
  gshape "$T/p_top.png" $I $I '#FFFFFF' '#E8EDF3' "$INK" 1 "rectangle 6,1 17,9"
  gshape "$T/p_body.png" $I $I '#EEF2F7' '#A8B4C4' "$INK" 1 \
    "roundrectangle 1,8 22,18 2,2"
  gshape "$T/p_out.png" $I $I '#FFFFFF' '#F2F5F9' "$INK" 1 "rectangle 5,14 18,22"
  im "$T/p_top.png" "$T/p_body.png" -composite \
     -fill "$INK" -stroke none -draw "rectangle 4,14 19,15" \
     -fill "$GREEN" -draw "rectangle 18,10 19,11" \
     "$T/p_out.png" -composite \
     -stroke "$BLUE" -strokewidth 1 -draw "line 8,17 15,17 line 8,19 13,19" "$1"
}

icon_print() { printer_layers "$1"; }

icon_setup() {     # printer with a gear: printer set-up
  printer_layers "$T/i_setup_p.png"
  gshape "$T/i_setup_g.png" $I $I "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 \
    "$(gear_mvg 17 16.5 6.6 4.6 8)"
  im "$T/i_setup_p.png" "$T/i_setup_g.png" -composite \
     -fill white -stroke "$OUTLINE" -strokewidth 1 -draw "circle 17,16.5 17,18.3" "$1"
}

icon_report() {    # bar chart: results report
  gshape "$T/r_1.png" $I $I "$BLUE_LIGHT" "$BLUE" "$OUTLINE" 1 "rectangle 5,12 8,20"
  gshape "$T/r_2.png" $I $I "$GREEN_LIGHT" "$GREEN" "$GREEN_DARK" 1 "rectangle 10,4 13,20"
  gshape "$T/r_3.png" $I $I "$BLUE_LIGHT" "$BLUE" "$OUTLINE" 1 "rectangle 15,8 18,20"
  im -size ${I}x${I} xc:none "$T/r_1.png" -composite "$T/r_2.png" -composite \
     "$T/r_3.png" -composite \
     -fill none -stroke "$INK" -strokewidth 1.4 -draw "polyline 2,2 2,21 22,21" "$1"
}

icon_save() {      # floppy disc: save the answers
  gshape "$T/s_body.png" $I $I "$BLUE_MID" "$BLUE_DEEP" "$OUTLINE" 1 \
    "polygon 2,2 19,2 22,5 22,22 2,22"
  gshape "$T/s_shut.png" $I $I '#F1F4F8' '#B9C3D0' "$INK" 1 "rectangle 6,2 16,9"
  gshape "$T/s_lab.png" $I $I '#FFFFFF' '#E9EEF5' "$OUTLINE" 1 "rectangle 5,13 19,22"
  im "$T/s_body.png" "$T/s_shut.png" -composite "$T/s_lab.png" -composite \
     -fill "$INK" -stroke none -draw "rectangle 12,3.5 14,7.5" \
     -fill none -stroke "$BLUE_LIGHT" -strokewidth 1 -draw "line 7,16 17,16 line 7,19 17,19" "$1"
}

icon_trash() {     # bin: erase all results
  gshape "$T/t_body.png" $I $I '#E9EDF2' '#95A2B4' "$INK" 1 \
    "polygon 5,7 19,7 17.5,22 6.5,22"
  gshape "$T/t_lid.png" $I $I '#F3F5F8' '#AEB8C6' "$INK" 1 \
    "roundrectangle 3,3.5 20,6.5 1,1"
  im "$T/t_body.png" -fill none -stroke "$INK" -strokewidth 1 \
     -draw "roundrectangle 9.5,1 14.5,4 1,1" \
     "$T/t_lid.png" -composite \
     -stroke '#6B7A90' -draw "line 9,10 9.5,19 line 12,10 12,19 line 15,10 14.5,19" "$1"
}

# ---------------------------------------------------------------------------
# Toolbar buttons, 44x45, on the strip colour. The program writes the caption
# over the bottom 14 px, so all states leave that strip plain.
# ---------------------------------------------------------------------------
BW=44; BH=45

button_states() {   # NAME ICON-FUNCTION WITH-DISABLED(0/1)
  local name=$1 fn=$2 dis=$3 ic=$T/icon_$1.png
  "$fn" "$T/icon_$1_raw.png"
  im -size ${BW}x${BH} xc:none "$T/icon_$1_raw.png" -geometry +10+4 -composite "$T/icon_$1_at.png"
  shadow "$T/icon_$1_at.png" "$ic"

  # off: the icon on the plain strip
  im -size ${BW}x${BH} xc:"$STRIP" "$ic" -composite "$T/btn.png"
  bmp24 "$T/btn.png" "${name}_off.bmp"

  # on (hovered): light-blue rounded box with a thin blue outline
  gshape "$T/hbox.png" $BW $BH '#EEF6FF' '#C8DFFA' '#5A95DA' 1 \
    "roundrectangle 4,1 39,30 4,4"
  im -size ${BW}x${BH} xc:"$STRIP" "$T/hbox.png" -composite \
     -fill none -stroke '#FFFFFF' -strokewidth 1 -draw "roundrectangle 5,2 38,29 3,3" \
     "$ic" -composite "$T/btn.png"
  bmp24 "$T/btn.png" "${name}_on.bmp"

  # pressed: deeper blue box, shaded top-left edge, icon 1 px down-right
  gshape "$T/pbox.png" $BW $BH '#9FC2EC' '#C3DAF5' '#2F64B0' 1 \
    "roundrectangle 4,1 39,30 4,4"
  im -size ${BW}x${BH} xc:"$STRIP" "$T/pbox.png" -composite \
     -fill none -stroke '#7E9FCC' -strokewidth 1 \
     -draw "line 7,2 36,2 line 5,4 5,27" \
     \( "$T/icon_$1_at.png" -page +1+1 -background none -flatten \) -composite "$T/btn.png"
  bmp24 "$T/btn.png" "${name}_pressed.bmp"

  # disabled: grey, faded icon on the plain strip
  if [ "$dis" = 1 ]; then
    im "$T/icon_$1_at.png" -colorspace Gray -colorspace sRGB \
       -level 0%,100%,1.0 +level 35%,85% -channel A -evaluate multiply 0.55 +channel \
       "$T/icon_dis.png"
    im -size ${BW}x${BH} xc:"$STRIP" "$T/icon_dis.png" -composite "$T/btn.png"
    bmp24 "$T/btn.png" "${name}_disabled.bmp"
  fi
}

draw_toolbar() {
  button_states about   icon_about   0
  button_states back    icon_back    1
  button_states close   icon_close   0
  button_states forward icon_forward 1
  button_states home    icon_home    0
  button_states mark    icon_mark    1
  button_states print   icon_print   0
  button_states report  icon_report  0
  button_states save    icon_save    1
  button_states setup   icon_setup   0
  button_states trash   icon_trash   0
}

# ---------------------------------------------------------------------------
# Window frame: title bars (active blue, inactive white), borders, corners.
# ---------------------------------------------------------------------------

# title_column OUT OUTLINE HIGHLIGHT TOP BOTTOM: one 1x28 column of a bar.
title_column() {
  im -size 1x1 xc:"$2" -size 1x1 xc:"$3" -size 1x26 gradient:"$4-$5" -append +repage "$1"
}

# title_left OUT COLUMN OUTLINE HIGHLIGHT EDGE-TOP EDGE-BOTTOM
# The left end: the window outline rounds the top corner (the window shape
# cuts it at (0,5) (1,3) (2,2) (3,1) (5,0)), then runs down column 0, with a
# lighter line just inside it.
title_left() {
  local out=$1 col=$2 o=$3 hi=$4 e1=$5 e2=$6
  local soft='#6F89B0'   # half-way between the outline and a light grey
  im "$col" -scale 48x28! \
     \( -size 1x23 gradient:"$e1-$e2" -background none -splice 0x5 \) -geometry +1+0 -composite \
     -fill "$soft" -draw "rectangle 0,0 4,0 rectangle 0,1 2,1 rectangle 0,2 1,2 rectangle 0,3 0,4" \
     -fill "$o" -draw "line 5,0 47,0 point 3,1 point 4,1 point 2,2 point 1,3 point 1,4 line 0,5 0,27" \
     -fill "$hi" -draw "line 5,1 47,1 point 3,2 point 4,2 point 2,3 point 2,4" \
     "$out"
}

draw_frame() {
  # active (blue) title bar
  title_column "$T/tb_col.png" "$OUTLINE" "$TB_HI" "$TB_TOP" "$TB_BOT"
  im "$T/tb_col.png" -scale 2x28! "$T/tb_mid.png"
  bmp24 "$T/tb_mid.png" border_top_center.bmp
  title_left "$T/tb_left.png" "$T/tb_col.png" "$OUTLINE" "$TB_HI" '#A6CBF6' "$BD_LIGHT"
  bmp24 "$T/tb_left.png" border_top_left.bmp
  im "$T/tb_left.png" -flop "$T/tb_right.png"
  bmp24 "$T/tb_right.png" border_top_right.bmp

  # inactive (white) title bar: same outline, so the window frame stays whole
  title_column "$T/tw_col.png" "$OUTLINE" "$TW_HI" "$TW_TOP" "$TW_BOT"
  im "$T/tw_col.png" -scale 1x28! "$T/tw_mid.png"
  bmp24 "$T/tw_mid.png" border_white_top_center.bmp
  title_left "$T/tw_left.png" "$T/tw_col.png" "$OUTLINE" "$TW_HI" '#FFFFFF' "$BD_LIGHT"
  bmp24 "$T/tw_left.png" border_white_top_left.bmp
  im "$T/tw_left.png" -flop "$T/tw_right.png"
  bmp24 "$T/tw_right.png" border_white_top_right.bmp

  # side borders, 4 px: outline, light line, mid blue, darker inner edge
  im -size 1x2 xc:"$BD_OUT" xc:"$BD_LIGHT" xc:"$BD_MID" xc:"$BD_IN" +append +repage "$T/bl.png"
  bmp8 "$T/bl.png" border_left.bmp
  im "$T/bl.png" -flop "$T/br.png"
  bmp8 "$T/br.png" border_right.bmp
  # bottom border, 4 px: inner edge at the top, outline at the bottom
  im -size 2x1 xc:"$BD_IN" xc:"$BD_MID" xc:"$BD_LIGHT" xc:"$BD_OUT" -append +repage "$T/bb.png"
  bmp8 "$T/bb.png" border_bot.bmp
  # bottom corners, 6x4: each band turns the corner (band = min(x, 3 - y))
  im -size 6x4 xc:"$BD_IN" +antialias \
     -fill "$BD_MID"   -draw "rectangle 0,1 5,3 rectangle 0,0 2,3" \
     -fill "$BD_LIGHT" -draw "rectangle 0,2 5,3 rectangle 0,0 1,3" \
     -fill "$BD_OUT"   -draw "rectangle 0,3 5,3 rectangle 0,0 0,3" \
     "$T/bc.png"
  bmp8 "$T/bc.png" border_left_corners.bmp
  im "$T/bc.png" -flop "$T/bcr.png"
  bmp8 "$T/bcr.png" border_right_corners.bmp
}

# ---------------------------------------------------------------------------
# Window buttons, 19x19. The program centres them on the 28 px bar (y = 4),
# so their corners show the bar gradient rows 4..22.
# ---------------------------------------------------------------------------
glyph_mvg() {   # KIND COLOUR FACE: the white/grey sign on a window button
  local c=$2 f=$3
  case $1 in
    close) echo "fill none stroke $c stroke-width 2 stroke-linecap square line 6,6 12,12 line 12,6 6,12" ;;
    min)   echo "fill $c stroke none rectangle 5,12 13,13" ;;
    max)   echo "fill none stroke $c stroke-width 1 rectangle 5,5 13,13 line 5,6 13,6" ;;
    norm)  echo "fill none stroke $c stroke-width 1 rectangle 7,4 14,10 line 7,5 14,5 fill $f rectangle 4,8 11,14 line 4,9 11,9" ;;
  esac
}

winbutton() {   # OUT BAR-COLUMN FACE-TOP FACE-BOTTOM FACE-LINE GLYPH KIND [CORE-FILL]
  local out=$1 col=$2 ft=$3 fb=$4 fl=$5 g=$6 kind=$7
  im "$col" -crop 1x19+0+4 +repage -scale 19x19! "$T/wb_bg.png"
  gshape "$T/wb_face.png" 19 19 "$ft" "$fb" "$fl" 1 "roundrectangle 1,1 17,17 3,3"
  im "$T/wb_bg.png" "$T/wb_face.png" -composite \
     -draw "$(glyph_mvg "$kind" "$g" "$fb")" "$out"
}

draw_winbuttons() {
  local k
  for k in close max min norm; do
    # normal on the blue bar: a faint glassy face, white sign
    winbutton "$T/w.png" "$T/tb_col.png" '#7DB2F0' '#2C66BE' '#A9CCF4' white $k
    bmp24 "$T/w.png" "prog_blueoff_$k.bmp"
    # hovered on the blue bar: a bright face (red for close)
    if [ $k = close ]; then
      winbutton "$T/w.png" "$T/tb_col.png" "$RED_LIGHT" "$RED" '#FFFFFF' white $k
    else
      winbutton "$T/w.png" "$T/tb_col.png" '#E4F0FD' '#9CC6F4' '#FFFFFF' "$OUTLINE" $k
    fi
    bmp24 "$T/w.png" "prog_blue_$k.bmp"
    # on the inactive white bar: light face, grey sign
    winbutton "$T/w.png" "$T/tw_col.png" '#FFFFFF' '#E3E7EC' "$TW_LINE" '#5F6B7A' $k
    bmp24 "$T/w.png" "prog_white_$k.bmp"
  done
}

# ---------------------------------------------------------------------------
# Tabs of the home window, on the strip colour; the program writes captions.
# ---------------------------------------------------------------------------
tab() {   # OUT H TOPROW FACE-TOP FACE-BOTTOM LINE TOP-EDGE TOP-EDGE-2
  local out=$1 h=$2 y=$3 ft=$4 fb=$5 ln=$6 e1=$7 e2=$8
  gshape "$T/tab_face.png" 79 "$h" "$ft" "$fb" "$ln" 1 "roundrectangle 0,$y 78,$((h + 8)) 4,4"
  im -size "79x$h" xc:none -fill none -stroke "$e1" -strokewidth 1 \
     -draw "roundrectangle 0,$y 78,$((h + 8)) 4,4" \
     -stroke "$e2" -draw "line 3,$((y + 1)) 75,$((y + 1))" \
     -crop "79x$((y + 3))+0+0" +repage -background none -extent "79x$h" "$T/tab_edge.png"
  im -size "79x$h" xc:"$STRIP" "$T/tab_face.png" -composite "$T/tab_edge.png" -composite "$out"
}

draw_tabs() {
  tab "$T/tab.png" 27 0 '#F1F7FF' '#FFFFFF' '#8FA3BE' "$BLUE" '#5C95DD'
  bmp8 "$T/tab.png" tabs_front_off.bmp
  tab "$T/tab.png" 27 0 '#E2EEFD' '#FFFFFF' '#7F9CC4' '#3F82DA' '#8FBFF2'
  bmp8 "$T/tab.png" tabs_front_on.bmp
  tab "$T/tab.png" 26 2 '#ECEEE6' '#D6DAD0' '#A2AAB5' '#A2AAB5' '#FFFFFF'
  bmp8 "$T/tab.png" tabs_back_off.bmp
  tab "$T/tab.png" 26 2 '#F2F7FD' '#D5E2F2' '#8FA8C8' '#7FA3D2' '#FFFFFF'
  bmp8 "$T/tab.png" tabs_back_on.bmp
}

# ---------------------------------------------------------------------------
# Push buttons (80x25) and the small "load paper" button (35x14).
# ---------------------------------------------------------------------------
pushbutton() {  # OUT W H R TOP BOTTOM LINE INNER
  local out=$1 w=$2 h=$3 r=$4 ft=$5 fb=$6 ln=$7 inner=$8
  gshape "$T/pb.png" "$w" "$h" "$ft" "$fb" "$ln" 1 "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r"
  im -size "${w}x${h}" xc:"$STRIP" "$T/pb.png" -composite \
     -fill none -stroke "$inner" -strokewidth 1 \
     -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) $((r - 1)),$((r - 1))" "$out"
}

draw_pushbuttons() {
  pushbutton "$T/b.png" 80 25 4 '#FFFFFF' '#DFE4EB' '#8B98AB' '#FFFFFF'
  bmp8 "$T/b.png" button_off.bmp
  pushbutton "$T/b.png" 80 25 4 '#F4F9FF' '#C4DBF8' '#3A78CF' '#FFFFFF'
  bmp8 "$T/b.png" button_on.bmp
  pushbutton "$T/b.png" 80 25 4 '#A9C8EE' '#D2E3F8' "$BLUE_DEEP" '#93B4DF'
  bmp8 "$T/b.png" button_pressed.bmp
  pushbutton "$T/b.png" 35 14 3 '#FFFFFF' '#DFE4EB' '#8B98AB' '#FFFFFF'
  bmp8 "$T/b.png" loadbutton_off.bmp
  pushbutton "$T/b.png" 35 14 3 '#F4F9FF' '#C4DBF8' '#3A78CF' '#FFFFFF'
  bmp8 "$T/b.png" loadbutton_on.bmp
}

# ---------------------------------------------------------------------------
# Status bar of the practice window (25 px high) and its pieces.
# ---------------------------------------------------------------------------
SB_LINE='#A7B4C6'
SB_TOP='#EAEFF6'
SB_BOT='#C7D2E0'
TROUGH='#F7F9FC'

draw_statusbar() {
  im -size 1x1 xc:"$SB_LINE" -size 1x1 xc:'#FFFFFF' -size 1x23 gradient:"$SB_TOP-$SB_BOT" \
     -append +repage "$T/sb_col.png"
  local p
  for p in 1:128 2:120 3:64; do
    im "$T/sb_col.png" -scale "${p#*:}x25!" "$T/sb.png"
    bmp8 "$T/sb.png" "bottombg${p%%:*}.bmp"
  done
  # marking progress panel: a recessed trough 19 px high for the blocks
  im "$T/sb_col.png" -scale 200x25! \
     -fill "$TROUGH" -stroke none -draw "rectangle 3,3 196,21" \
     -fill none -stroke '#8C9BB0' -strokewidth 1 -draw "line 2,2 197,2 line 2,2 2,22" \
     -stroke '#FFFFFF' -draw "line 3,22 197,22 line 197,3 197,22" "$T/sb4.png"
  bmp8 "$T/sb4.png" bottombg4.bmp

  # one progress block: green with a highlight, 1 px gap at the right
  im -size 10x19 gradient:"#A6E3AD-$GREEN" \
     \( -size 10x9 gradient:"$GREEN-$GREEN_DARK" \) -geometry +0+10 -composite \
     -fill '#D9F4DC' -draw "line 1,1 8,1" \
     -fill '#8ED497' -draw "line 0,0 0,18" -fill "$GREEN_DARK" -draw "line 9,0 9,18" \
     -background "$TROUGH" -extent 11x19 "$T/pg.png"
  bmp8 "$T/pg.png" progressbar.bmp

  # size grip: diagonal dots on the lower 8 rows of the status bar
  im "$T/sb_col.png" -crop 1x8+0+17 +repage -scale 8x8! \
     -fill '#FFFFFF' -draw "point 7,1 point 4,4 point 7,4 point 1,7 point 4,7 point 7,7" \
     -fill '#7D8DA4' -draw "point 6,0 point 3,3 point 6,3 point 0,6 point 3,6 point 6,6" \
     "$T/grip.png"
  bmp8 "$T/grip.png" statusgrabber.bmp
}

# ---------------------------------------------------------------------------
# Column headings, bullet, answer-sheet handle, decorative bar.
# ---------------------------------------------------------------------------
columnhead() {  # OUT W
  im -size "$2x23" gradient:'#F7FAFE-#D2E1F3' \( -size "$2x1" xc:'#9AB2D1' \) -append \
     -fill '#FFFFFF' -draw "line 0,0 0,22" \
     -fill '#AFC3DC' -draw "line $(($2 - 1)),2 $(($2 - 1)),21" "$1"
}

draw_misc() {
  columnhead "$T/ch.png" 167; bmp8 "$T/ch.png" columnhead1.bmp
  columnhead "$T/ch.png" 233; bmp8 "$T/ch.png" columnhead2.bmp

  # bullet: a small glossy blue ball on white
  gshape "$T/bu_g.png" 13 11 '#BFDCFB' "$BLUE_DEEP" "$BLUE_DEEP" 1 "circle 6,5 6,1"
  im -size 13x11 xc:white "$T/bu_g.png" -composite \
     -fill '#FFFFFF' -stroke none -draw "point 5,3 point 4,4 point 5,4" "$T/bu.png"
  bmp8 "$T/bu.png" bullet.bmp

  # handle: a narrow ridged bar that opens and closes the answer sheet
  im -size 40x6 gradient:'#E6ECF4-#B3C2D6' -rotate -90 \
     -fill '#FAFCFE' -draw "line 0,0 0,39" -fill '#7D8DA4' -draw "line 5,0 5,39" \
     -fill '#6F7F96' -draw "point 2,13 point 2,16 point 2,19 point 2,22 point 2,25" \
     -fill '#FFFFFF' -draw "point 3,14 point 3,17 point 3,20 point 3,23 point 3,26" "$T/h.png"
  bmp8 "$T/h.png" Handle.bmp

  # decorative bar: glossy blue, fading into the strip at the right
  im \( -size 401x8 gradient:"#9CC8F5-$BLUE_MID" \) \( -size 401x9 gradient:"$BLUE-$BLUE_DEEP" \) \
     -append +repage -fill "$OUTLINE" -draw "line 0,16 400,16" \
     \( -size 17x401 gradient:white-black -rotate -90 -level 0%,55% \) \
     -alpha off -compose CopyOpacity -composite \
     -background "$STRIP" -compose Over -flatten "$T/bar.png"
  bmp8 "$T/bar.png" bar.bmp

  # score panel of the practice toolbar: a pencil writing at the left
  gshape "$T/pen_panel.png" 117 41 '#FFFFFF' '#EEF3F9' '#9FB1C8' 1 "roundrectangle 1,2 115,38 5,5"
  im -size 117x41 xc:"$STRIP" "$T/pen_panel.png" -composite \
     -fill none -stroke "$BLUE_LIGHT" -strokewidth 1.2 \
     -draw "bezier 7,33 10,29 12,35 15,31" \
     -draw "$(pencil_mvg 8.5 31.5 33 7 3.6)" "$T/pen_a.png"
  shadow "$T/pen_a.png" "$T/pen.png"
  bmp24 "$T/pen.png" pen.bmp
}

# ---------------------------------------------------------------------------
# Icons (.ico) and GIF pictures.
# ---------------------------------------------------------------------------

draw_icons() {
  orb 16 "$T/qz.png"
  ico "$T/qz.png" QZicon.ico

  im -size 16x16 xc:none -draw "$(pencil_mvg 1.2 14.8 14.6 1.4 2.45)" "$T/pencil.png"
  ico "$T/pencil.png" pencil.ico

  # pointing hand: white glove with a dark outline
  local hand="roundrectangle 11,2 16,19 2.5,2.5
    roundrectangle 16,10 20,20 2,2
    roundrectangle 20,11 24,21 2,2
    roundrectangle 24,13 27.5,22 1.7,1.7
    polygon 11,16 27.5,18 27.5,25 24,30 13.5,30 11,27
    polygon 12.5,22 7.5,16.5 5.5,16.5 4.5,18.5 9,26.5 13.5,29.5"
  im -size 32x32 xc:none \
     -fill black -stroke black -strokewidth 2 -draw "$hand" \
     -fill white -stroke none -draw "$hand" \
     -fill none -stroke black -strokewidth 1 \
     -draw "line 16,11 16,16 line 20,12 20,17 line 24,14 24,18" \
     -stroke '#C5CDD8' -draw "line 14.5,4 14.5,14" "$T/hand.png"
  ico "$T/hand.png" hand.ico
}

draw_gifs() {
  # information sign of the message box
  gshape "$T/inf_c.png" 32 27 "$BLUE_LIGHT" "$BLUE_DEEP" "$OUTLINE" 1 "circle 15.5,13 15.5,1"
  im "$T/inf_c.png" -fill white -stroke none \
     -draw "roundrectangle 13.5,4.5 17.5,8.5 2,2" \
     -draw "rectangle 13.5,11 17.5,20 rectangle 11.5,11 13.5,12.5 rectangle 11.5,19.5 19.5,21" \
     "$T/inf_a.png"
  shadow "$T/inf_a.png" "$T/inf_b.png"
  on_light "$T/inf_b.png" "$T/inf.png"
  gif "$T/inf.png" info_mark.gif

  # logo: the mark and the product name
  orb 19 "$T/logo_orb.png"
  im -size 204x23 xc:none "$T/logo_orb.png" -geometry +0+2 -composite \
     -font "$FONT_LOGO" -pointsize 16 -fill "$BLUE_DEEP" -stroke none \
     -annotate +23+17 'Orbisk' \
     -fill "$BLUE" -annotate "+$((23 + $(imx -font "$FONT_LOGO" -pointsize 16 label:'Orbisk ' -format %w info:)))+17" \
     'English Practice' "$T/logo_a.png"
  on_light "$T/logo_a.png" "$T/logo.png"
  gif "$T/logo.png" Logo.gif

  # instruction on the answer sheet: an answer box and what to do. At scale
  # 2 ImageMagick 6 fills the bracket's mitred corners in, so its twin's
  # corners are round.
  local bracket="polyline 31,50 31,54 39,54 39,50"
  [ "$K" = 1 ] || bracket="stroke-linejoin round $bracket"
  im -size 237x85 xc:white \
     -fill '#F2F7FE' -stroke '#A9C4E6' -strokewidth 1 -draw "roundrectangle 0,0 236,84 6,6" \
     -fill white -stroke "$BLUE" -draw "roundrectangle 8,30 72,50 3,3" \
     -stroke none -fill '#25303F' -font "$FONT_REG" -pointsize 12 -annotate +13+45 'big cat' \
     -stroke "$OUTLINE" -draw "line 59,34 59,46" \
     -stroke "$GREEN" -strokewidth 2 -fill none -draw "$bracket" \
     -stroke none -fill "$BLUE_DEEP" -font "$FONT_BOLD" -pointsize 12 -annotate +84+20 'How to answer' \
     -fill '#25303F' -font "$FONT_REG" -pointsize 11.5 \
     -annotate +84+39 'Type each answer in' -annotate +84+54 'its own box.' \
     -annotate +84+72 'Mind your spacing.' \
     -draw "$(pencil_mvg 49 58 70 79 3)" "$T/ins.png"
  gif "$T/ins.png" instruction.gif

  # message box bottom corners: the 4 border bands follow a round corner
  # centred on (7,0); outside the corner and the inside are left clear.
  local d="hypot(i+0.5-7,j+0.5)"
  im -size 6x7 xc:black \
     -fx "$d>7 ? 0 : $d>6 ? 0.25 : $d>5 ? 0.5 : $d>4 ? 0.75 : $d>3 ? 1 : 0" \
     -depth 8 "$T/crn_k.png"
  im "$T/crn_k.png" -fuzz 6% \
     -fill "$BD_OUT" -opaque '#404040' -fill "$BD_LIGHT" -opaque '#808080' \
     -fill "$BD_MID" -opaque '#BFBFBF' -fill "$BD_IN" -opaque '#FFFFFF' \
     \( "$T/crn_k.png" -threshold 1% \) -alpha off -compose CopyOpacity -composite "$T/crn.png"
  gif "$T/crn.png" Border_bot_left.gif
  im "$T/crn.png" -flop "$T/crnr.png"
  gif "$T/crnr.png" Border_bot_right.gif
}

# ---------------------------------------------------------------------------
main() {
  case ${1:-} in
    --check) check_all; exit ;;
    --contact) [ -n "${2:-}" ] || { echo "usage: $0 --contact OUT.png" >&2; exit 2; } ;;
    "") ;;
    *) echo "usage: $0 [--check | --contact OUT.png]" >&2; exit 2 ;;
  esac
  for K in 1 2; do
    draw_toolbar
    draw_frame
    draw_winbuttons
    draw_tabs
    draw_pushbuttons
    draw_statusbar
    draw_misc
    draw_icons
    draw_gifs
  done
  K=1
  check_all
  if [ "${1:-}" = --contact ]; then contact "$2"; fi
}

main "$@"
