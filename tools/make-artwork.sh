#!/usr/bin/env bash
# Draws the program's pictures into ui/art/ (or the folder given as $1).
# Same tools and fonts give byte-identical files on every run.
#   tools/make-artwork.sh [out-dir]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here/../ui/art}
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
site='https://huiguang.example/'

# --- tools -----------------------------------------------------------------
missing=()
if command -v magick >/dev/null 2>&1; then im=(magick)
elif command -v convert >/dev/null 2>&1; then im=(convert)
else missing+=(imagemagick); fi
command -v qrencode >/dev/null 2>&1 || missing+=(qrencode)
[ -f "$font" ] || missing+=(fonts-wqy-microhei)
if [ ${#missing[@]} -gt 0 ]; then
  echo "make-artwork: missing tools; install them with: apt-get install -y ${missing[*]}" >&2
  exit 1
fi

mkdir -p "$out"
out=$(cd "$out" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# No timestamps or text chunks, so reruns match byte for byte.
im() { "${im[@]}" "$@"; }
png_opts=(-strip -define "png:exclude-chunks=date,time,tEXt,zTXt,iTXt" -depth 8)
save_rgb() { im "$@" -alpha off "${png_opts[@]}" "PNG24:$dst"; }
save_rgba() { im "$@" "${png_opts[@]}" "PNG32:$dst"; }

# Palette: the skin green and its family, with white and orange accents.
skin='#51AE51'
green_deep='#143816'
green_dark='#1F5222'
green_mid='#2E7531'
orange='#FF8000'
orange_light='#FFA646'

# Fine diagonal hatch in deep green, laid over green areas for a little texture.
hatch() { # width height opacity%
  im -size 6x6 xc:none -fill none -stroke "$green_deep" -strokewidth 1 \
    -draw 'line 0,6 6,0' "$tmp/hatch_tile.png"
  im -size "$1x$2" tile:"$tmp/hatch_tile.png" -channel A -evaluate multiply "$(awk "BEGIN{print $3/100}")" +channel \
    "$tmp/hatch_$1x$2.png"
  echo "$tmp/hatch_$1x$2.png"
}

# Radar rings, cross and a fading sweep centred on (cx,cy) with radius r, on a transparent canvas.
radar() { # width height cx cy r file
  local w=$1 h=$2 cx=$3 cy=$4 r=$5 file=$6
  local i args=()
  # Trail of thin pie slices behind the sweep line, fading out.
  for i in 0 1 2 3 4 5 6 7; do
    args+=(-fill "rgba(255,255,255,$(awk "BEGIN{printf \"%.3f\", 0.34 * (1 - $i / 8)}"))"
      -draw "$(awk -v i=$i -v cx="$cx" -v cy="$cy" -v r="$r" 'BEGIN {
        pi = atan2(0, -1); a0 = -i * 7 * pi / 180; a1 = -(i + 1) * 7 * pi / 180
        printf "path \047M %d,%d L %.1f,%.1f A %d,%d 0 0 0 %.1f,%.1f Z\047",
          cx, cy, cx + r * cos(a0), cy + r * sin(a0), r, r, cx + r * cos(a1), cy + r * sin(a1) }')")
  done
  im -size "${w}x${h}" xc:none -stroke none "${args[@]}" -blur 0x1 "$file.sweep.png"
  im -size "${w}x${h}" xc:none \
    -fill 'rgba(255,255,255,0.05)' -stroke none -draw "circle $cx,$cy $((cx + r)),$cy" \
    "$file.sweep.png" -compose over -composite \
    -fill none -stroke 'rgba(255,255,255,0.30)' -strokewidth 1 \
    -draw "circle $cx,$cy $((cx + r / 3)),$cy" \
    -draw "circle $cx,$cy $((cx + r * 2 / 3)),$cy" \
    -draw "circle $cx,$cy $((cx + r)),$cy" \
    -stroke 'rgba(255,255,255,0.20)' \
    -draw "line $((cx - r - 10)),$cy $((cx + r + 10)),$cy" \
    -draw "line $cx,$((cy - r - 10)) $cx,$((cy + r + 10))" \
    -stroke 'rgba(255,255,255,0.7)' -strokewidth 1.5 \
    -draw "line $cx,$cy $((cx + r)),$cy" \
    "$file"
}

# --- splash ----------------------------------------------------------------
make_splash() {
  local dst=$out/splash.png w=400 h=200 tag='3.3 世界杯专版' tag_w
  # The orange tag fits its text with 12 px either side.
  tag_w=$(im -font "$font" -pointsize 17 label:"$tag" -format '%w' info:)
  radar $w $h 318 104 78 "$tmp/splash_radar.png"
  save_rgb -size ${w}x${h} -define gradient:angle=135 gradient:'#72CE6D-#22642A' \
    \( -size 640x640 radial-gradient:'rgba(170,240,150,0.40)-rgba(170,240,150,0)' -crop ${w}x${h}+210+250 +repage \) -compose over -composite \
    \( -size 560x560 radial-gradient:'rgba(12,56,14,0)-rgba(12,56,14,0.45)' -gravity center -crop ${w}x${h}+0+0 +repage +gravity \) -compose over -composite \
    "$(hatch $w $h 12)" -compose over -composite \
    "$tmp/splash_radar.png" -compose over -composite \
    -compose over \
    -fill "$orange" -stroke none -draw "circle 352,78 355,78" -draw "circle 290,132 292,132" \
    -fill 'rgba(255,166,70,0.35)' -draw "circle 352,78 359,78" \
    \( -size ${w}x${h} xc:none -font "$font" -pointsize 62 -fill 'rgba(0,0,0,0.55)' \
       -annotate +30+86 '徽光坊' -blur 0x2.5 \) -compose over -composite \
    -font "$font" -pointsize 62 -fill white -stroke white -strokewidth 0.6 -annotate +28+83 '徽光坊' \
    -stroke none -fill "$orange" -draw "roundrectangle 28,96 $((28 + 24 + tag_w)),122 5,5" \
    -fill white -pointsize 17 -annotate +40+116 "$tag" \
    -fill 'rgba(255,255,255,0.55)' -draw "rectangle 28,146 232,146" \
    -fill white -pointsize 15 -annotate +28+170 '反恐行动 效果定制工具' \
    -fill none -stroke "$green_deep" -strokewidth 1 -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
    -stroke 'rgba(255,255,255,0.35)' -draw "rectangle 1,1 $((w - 2)),$((h - 2))" \
    -stroke none -fill "$orange" -draw "rectangle 2,$((h - 4)) $((w - 3)),$((h - 3))"
}

# --- main window background --------------------------------------------------
# Window 843x535: title 0-28, tab bar (49,29) 744x89 in the band 0-120, status
# column x 0-225, content x 226-834 y 178-504, footer y 511-535. The rest of
# the 900x600 picture is never shown but is filled.
make_skin_background() {
  local dst=$out/skin_background.png w=900 h=600
  radar 180 180 90 90 84 "$tmp/skin_radar.png"
  save_rgb -size ${w}x${h} xc:"$green_deep" \
    \( -size 843x120 gradient:'#2B6E2E-#3F9441' \) -geometry +0+0 -composite \
    \( -size 843x29 gradient:"$green_deep-$green_dark" \) -geometry +0+0 -composite \
    \( -size 226x391 gradient:'#63BB60-#4FA84F' \) -geometry +0+120 -composite \
    \( -size 617x391 gradient:"#58B558-$skin" \) -geometry +226+120 -composite \
    \( -size 843x25 gradient:"$green_dark-$green_deep" \) -geometry +0+511 -composite \
    -geometry +0+0 "$(hatch $w $h 8)" -compose over -composite \
    \( "$tmp/skin_radar.png" -channel A -evaluate multiply 0.45 +channel \) -geometry +23+322 -compose over -composite \
    -compose over \
    -stroke none \
    -fill 'rgba(0,0,0,0.30)' -draw 'rectangle 0,27 842,27' \
    -fill 'rgba(255,255,255,0.16)' -draw 'rectangle 0,28 842,28' \
    -fill 'rgba(0,30,0,0.20)' -draw 'roundrectangle 49,30 792,117 7,7' \
    -fill none -stroke 'rgba(0,0,0,0.28)' -strokewidth 1 -draw 'roundrectangle 49.5,30.5 792.5,117.5 7,7' \
    -stroke 'rgba(255,255,255,0.14)' -draw 'line 56,118.5 786,118.5' \
    -stroke none -fill "$orange" -draw 'rectangle 0,119 842,120' \
    -fill 'rgba(0,0,0,0.22)' -draw 'rectangle 0,121 842,122' \
    -fill 'rgba(0,0,0,0.22)' -draw 'rectangle 225,121 225,510' \
    -fill 'rgba(255,255,255,0.22)' -draw 'rectangle 224,121 224,510' \
    -fill 'rgba(0,0,0,0.16)' -draw 'rectangle 227,179 835,505' \
    \( -size 609x327 gradient:'#EDF7EA-#DCEED8' \) -geometry +226+178 -compose over -composite \
    -fill none -stroke "$green_mid" -strokewidth 1 -draw 'rectangle 226.5,178.5 833.5,503.5' \
    -stroke none \
    -fill 'rgba(255,255,255,0.22)' -draw 'rectangle 0,511 842,511' \
    -fill "$orange" -draw 'rectangle 0,534 842,534'
}

# --- tab icons -----------------------------------------------------------------
# Glyphs are drawn four times larger (320x320) and scaled down for clean edges.
# The glyph keeps to the upper 56 px; the program puts the caption below.
big=320
stroke=(-fill none -stroke white -strokewidth 17)
# IM6 takes line caps and joins only inside each draw command.
rnd='stroke-linecap round stroke-linejoin round'

# Four-pointed sparkle centred on (x,y) with radius r.
sparkle() { # x y r
  awk -v x="$1" -v y="$2" -v r="$3" 'BEGIN {
    s = r * 0.28
    printf "polygon %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g",
      x, y - r, x + s, y - s, x + r, y, x + s, y + s, x, y + r, x - s, y + s, x - r, y, x - s, y - s }'
}

# Scales $tmp/glyph.png down and lays a soft shadow under it.
finish_tab() { # name
  local dst=$out/$1.png
  im "$tmp/glyph.png" -resize 80x80 "$tmp/glyph80.png"
  save_rgba "$tmp/glyph80.png" \
    \( +clone -fill "$green_deep" -colorize 100 -channel A -blur 0x1.8 -evaluate multiply 0.75 +channel -roll +1+2 \) \
    +swap -compose over -composite
}

make_tab1_kill() {
  im -size ${big}x${big} xc:none "${stroke[@]}" \
    -draw "$rnd circle 160,120 232,120" \
    -draw "$rnd line 160,26 160,76" -draw "$rnd line 160,164 160,214" \
    -draw "$rnd line 66,120 116,120" -draw "$rnd line 204,120 254,120" \
    -stroke none -fill "$orange" -draw "$rnd circle 160,120 160,138" \
    "$tmp/glyph.png"
  finish_tab tab1_kill
}

make_tab2_gate() {
  # Portal: an arch with a swirl inside, sparkles around it.
  im -size ${big}x${big} xc:none \
    -fill "$orange" -stroke none -draw "path 'M 108,212 L 108,122 A 52,52 0 0 1 212,122 L 212,212 Z'" \
    -fill none -stroke '#FFE2B8' -strokewidth 9 \
    -draw "$rnd path 'M 160,150 A 7,7 0 0 1 174,150 A 14,14 0 0 1 146,150 A 21,21 0 0 1 188,150 A 28,28 0 0 1 132,150 A 35,35 0 0 1 198,143'" \
    "${stroke[@]}" -draw "$rnd path 'M 92,214 L 92,122 A 68,68 0 0 1 228,122 L 228,214'" \
    -draw "$rnd line 64,214 256,214" \
    -stroke none -fill white -draw "$(sparkle 262 44 30)" -draw "$(sparkle 58 64 18)" \
    -fill "$orange_light" -draw "$(sparkle 268 132 14)" \
    "$tmp/glyph.png"
  finish_tab tab2_gate
}

make_tab3_sound() {
  im -size ${big}x${big} xc:none \
    -fill white -stroke white -strokewidth 10 \
    -draw "$rnd polygon 62,94 104,94 156,50 156,190 104,146 62,146" \
    "${stroke[@]}" \
    -draw "$rnd path 'M 196,92 A 40,40 0 0 1 196,148'" \
    -stroke "$orange" -draw "$rnd path 'M 226,62 A 82,82 0 0 1 226,178'" \
    "$tmp/glyph.png"
  finish_tab tab3_sound
}

make_tab4_music() {
  im -size ${big}x${big} xc:none -stroke none -fill white \
    -draw 'translate 106,190 rotate -22 ellipse 0,0 34,24 0,360' \
    -draw 'translate 218,166 rotate -22 ellipse 0,0 34,24 0,360' \
    -draw 'rectangle 126,66 142,186' -draw 'rectangle 238,42 254,162' \
    -fill "$orange" -draw "$rnd polygon 126,60 254,34 254,74 126,100" \
    "$tmp/glyph.png"
  finish_tab tab4_music
}

make_tab5_clean() {
  im -size ${big}x${big} xc:none -stroke none -fill white \
    -draw "$rnd roundrectangle 72,58 232,78 8,8" \
    -fill none -stroke white -strokewidth 14 -draw "$rnd roundrectangle 128,36 176,62 8,8" \
    -stroke none -fill white -draw "$rnd path 'M 88,92 L 216,92 L 204,212 Q 202,222 192,222 L 112,222 Q 102,222 100,212 Z'" \
    \( -size ${big}x${big} xc:none -fill black -draw "$rnd roundrectangle 124,112 136,200 6,6" \
       -draw "$rnd roundrectangle 146,112 158,200 6,6" -draw "$rnd roundrectangle 168,112 180,200 6,6" \) \
    -compose DstOut -composite -compose over \
    -fill "$orange" -draw "$(sparkle 252 42 30)" -fill "$orange_light" -draw "$(sparkle 268 108 14)" \
    "$tmp/glyph.png"
  finish_tab tab5_clean
}

make_tab6_video() {
  local holes=() x
  for x in 74 110 146 182 218; do
    holes+=(-draw "roundrectangle $x,60 $((x + 18)),74 4,4" -draw "roundrectangle $x,168 $((x + 18)),182 4,4")
  done
  im -size ${big}x${big} xc:none -stroke none -fill white \
    -draw "$rnd roundrectangle 50,44 270,198 22,22" \
    \( -size ${big}x${big} xc:none -fill black "${holes[@]}" -draw 'roundrectangle 66,86 254,156 8,8' \) \
    -compose DstOut -composite -compose over \
    -fill "$orange" -stroke "$orange" -strokewidth 10 \
    -draw "$rnd polygon 140,94 140,148 186,121" \
    "$tmp/glyph.png"
  finish_tab tab6_video
}

make_tab7_plugins() {
  im -size ${big}x${big} xc:none -stroke none -fill white \
    -draw "$rnd path 'M 70,72 L 126,72 A 30,30 0 1 1 178,72 L 224,72 L 224,112 A 30,30 0 1 1 224,164 L 224,214
                 L 178,214 A 30,30 0 1 0 126,214 L 70,214 L 70,164 A 30,30 0 1 0 70,112 Z'" \
    -fill "$orange" -draw "$(sparkle 262 34 28)" \
    "$tmp/glyph.png"
  finish_tab tab7_plugins
}

make_tabs() {
  make_tab1_kill; make_tab2_gate; make_tab3_sound; make_tab4_music
  make_tab5_clean; make_tab6_video; make_tab7_plugins
}

# --- QR code -------------------------------------------------------------------
# Version 6 (41 modules) plus a 4-module quiet zone is 49 modules; at 4 px each
# that is exactly 196 px. Level H leaves room for the small emblem in the middle.
make_qrcode() {
  local dst=$out/qrcode.png
  qrencode -l H -v 6 -m 4 -s 4 --foreground=1F5222 --background=FFFFFF -o "$tmp/qr.png" "$site"
  save_rgb "$tmp/qr.png" -type TrueColor \
    -fill white -stroke none -draw 'roundrectangle 80,80 115,115 6,6' \
    -fill "$green_dark" -draw 'roundrectangle 83,83 112,112 5,5' \
    -font "$font" -pointsize 20 -fill white -gravity center -annotate +0+0 '徽'
}

# --- program icon ----------------------------------------------------------------
# Green rounded square of side n with a soft top sheen, on a transparent canvas.
icon_base() { # size file
  local n=$1 file=$2
  local r e
  r=$(awk "BEGIN{print $n * 0.22}"); e=$(awk "BEGIN{print $n - 1}")
  im \( -size "${n}x${n}" gradient:'#6ACB66-#1F6A23' -alpha set \) \
    \( -size "${n}x${n}" xc:none -fill white -draw "roundrectangle 0,0 $e,$e $r,$r" \) \
    -compose DstIn -composite -compose over \
    \( -size "${n}x${n}" xc:none -fill 'rgba(255,255,255,0.13)' \
       -draw "ellipse $(awk "BEGIN{print $n / 2}"),0 $(awk "BEGIN{print $n * 0.62}"),$(awk "BEGIN{print $n * 0.42}") 0,360" \) \
    -compose ATop -composite -compose over \
    -fill none -stroke "rgba(255,255,255,0.30)" -strokewidth "$(awk "BEGIN{print $n / 128}")" \
    -draw "roundrectangle $(awk "BEGIN{print $n / 64}"),$(awk "BEGIN{print $n / 64}") $(awk "BEGIN{print $n - 1 - $n / 64}"),$(awk "BEGIN{print $n - 1 - $n / 64}") $r,$r" \
    "$file"
}

# The emblem: 徽 inside an orange gun sight, drawn at 256 px.
make_app_icon() {
  local dst=$out/app_icon.png
  icon_base 256 "$tmp/icon_base.png"
  save_rgba "$tmp/icon_base.png" \
    -fill none -stroke "$orange" -strokewidth 9 -draw 'circle 128,128 128,40' \
    -strokewidth 10 -draw "$rnd line 128,22 128,52" -draw "$rnd line 128,204 128,234" \
    -draw "$rnd line 22,128 52,128" -draw "$rnd line 204,128 234,128" \
    \( -size 256x256 xc:none -font "$font" -pointsize 112 -fill 'rgba(0,40,0,0.65)' -stroke none -gravity center \
       -annotate +2+7 '徽' -blur 0x4 \) -compose over -composite \
    -font "$font" -pointsize 112 -fill white -stroke white -strokewidth 2 -gravity center -annotate +0+3 '徽'
}

# Icon file: 256 and 48 from the full emblem, 32 and 16 simplified.
make_app_ico() {
  local dst=$out/app.ico
  im "$out/app_icon.png" -filter Lanczos -resize 48x48 "${png_opts[@]}" "PNG32:$tmp/ico48.png"
  icon_base 32 "$tmp/ico32_base.png"
  im "$tmp/ico32_base.png" -font "$font" -pointsize 24 -fill white -stroke none -gravity center \
    -annotate +0+1 '徽' "${png_opts[@]}" "PNG32:$tmp/ico32.png"
  icon_base 16 "$tmp/ico16_base.png"
  im "$tmp/ico16_base.png" -fill none -stroke white -strokewidth 1.6 -draw 'circle 7.5,7.5 7.5,3.2' \
    -strokewidth 1.4 -draw 'line 7.5,1.5 7.5,4.5' -draw 'line 7.5,10.5 7.5,13.5' \
    -draw 'line 1.5,7.5 4.5,7.5' -draw 'line 10.5,7.5 13.5,7.5' \
    -stroke none -fill "$orange" -draw 'circle 7.5,7.5 7.5,5.9' "${png_opts[@]}" "PNG32:$tmp/ico16.png"
  im "$out/app_icon.png" "$tmp/ico48.png" "$tmp/ico32.png" "$tmp/ico16.png" "$dst"
}

# --- installer window backgrounds ---------------------------------------------
# Both are 496x368 under a 24 px title strip; the window shows y 0-363.

# Soft mask, white with black holes round the given boxes, for keeping busy
# layers away from controls.
calm_mask() { # width height file x0,y0,x1,y1 ...
  local w=$1 h=$2 file=$3 box args=()
  shift 3
  for box in "$@"; do args+=(-draw "roundrectangle ${box//,/ } 6,6"); done
  im -size "${w}x${h}" xc:white -fill black -stroke none "${args[@]}" -blur 0x5 -alpha copy "$file"
}

# Points from a fixed-seed Park-Miller generator (exact in any awk): x y r per line.
dust() { # count seed x0 y0 x1 y1 rmax
  awk -v n="$1" -v s="$2" -v x0="$3" -v y0="$4" -v x1="$5" -v y1="$6" -v rm="$7" 'BEGIN {
    for (i = 0; i < n; i++) {
      s = (s * 16807) % 2147483647; x = x0 + (x1 - x0) * s / 2147483647
      s = (s * 16807) % 2147483647; y = y0 + (y1 - y0) * s / 2147483647
      s = (s * 16807) % 2147483647; r = 0.6 + (rm - 0.6) * (s / 2147483647) ^ 3
      printf "%.1f %.1f %.2f\n", x, y, r } }'
}

# Arch: pillars from y=bot up to y=mid, a half circle of radius r on top.
# Open outlines are three pieces, since IM6 strokes a wide open path badly.
arch_path() { # cx mid bot r [Z]
  local l=$(($1 - $4)) r=$(($1 + $4))
  if [ "${5:-}" = Z ]; then
    printf "path 'M %d,%d L %d,%d A %d,%d 0 0 1 %d,%d L %d,%d Z'" $l "$3" $l "$2" "$4" "$4" $r "$2" $r "$3"
  else
    printf "path 'M %d,%d A %d,%d 0 0 1 %d,%d M %d,%d L %d,%d M %d,%d L %d,%d'" \
      $l "$2" "$4" "$4" $r "$2" $l "$2" $l "$3" $r "$2" $r "$3"
  fi
}

# Window 【魔法之门】: progress (47,120) 392x18, button (177,154) 128x56,
# check box (16,280), label (20,296), small button (316,312) 72x24.
make_gate_background() {
  local dst=$out/gate_background.png w=496 h=368 cx=241 mid=176 bot=240
  local x y r i args=() motes=() runes=()
  calm_mask $w $h "$tmp/gate_calm.png" 41,114,445,144 169,146,313,218 8,272,150,324 308,304,396,344

  # Swirl inside the gate, fading out towards the button in its eye.
  for i in 0 1 2 3 4 5; do
    args+=(-stroke "$([ $((i % 2)) = 0 ] && echo "$orange" || echo '#FFE2B8')"
      -draw "$(awk -v i=$i -v cx=$cx -v cy=182 'BEGIN {
        pi = atan2(0, -1); printf "polyline"
        for (t = 0; t <= 1.0001; t += 0.02) {
          r = 20 + 110 * t; a = i * pi / 3 + 4.2 * t
          printf " %.1f,%.1f", cx + r * cos(a), cy + r * sin(a) }
      }')")
  done
  im -size ${w}x${h} xc:none -fill none -strokewidth 4 "${args[@]}" -blur 0x2.5 \
    \( -size ${w}x${h} xc:white \( -size 220x220 radial-gradient:black-white -level 40%,85% \) \
       -geometry +$((cx - 110))+72 -compose over -composite -alpha copy \) -geometry +0+0 -compose DstIn -composite \
    \( -size ${w}x${h} xc:none -fill white -stroke none -draw "$(arch_path $cx $mid $bot 92 Z)" \) -compose DstIn -composite \
    "$tmp/gate_haze.png"

  # Faint rays out of the gate, fading with distance.
  args=()
  for i in $(seq 0 23); do
    args+=(-draw "$(awk -v i="$i" -v cx=$cx -v cy=150 'BEGIN {
      pi = atan2(0, -1); a = i * pi / 12 + 0.13; d = 0.03; R = 420
      printf "polygon %d,%d %.1f,%.1f %.1f,%.1f", cx, cy, cx + R * cos(a - d), cy + R * sin(a - d), cx + R * cos(a + d), cy + R * sin(a + d) }')")
  done
  im -size ${w}x${h} xc:none -fill 'rgba(230,255,210,0.10)' -stroke none "${args[@]}" -blur 0x4 \
    \( -size 600x600 radial-gradient:white-black -crop ${w}x${h}+$((300 - cx))+150 +repage -alpha copy \) -compose DstIn -composite \
    "$tmp/gate_calm.png" -compose DstIn -composite "$tmp/gate_rays.png"

  # Dust and sparkles, kept off the controls.
  while read -r x y r; do
    motes+=(-fill "rgba(255,236,200,$(awk "BEGIN{print 0.3 + $r / 5}"))" -draw "circle $x,$y $x,$(awk "BEGIN{print $y + $r}")")
  done < <(dust 80 20240611 10 62 486 268 2.1)
  im -size ${w}x${h} xc:none -stroke none "${motes[@]}" \
    -fill white -draw "$(sparkle 88 86 11)" -draw "$(sparkle 400 74 13)" -draw "$(sparkle 376 206 8)" \
    -draw "$(sparkle 112 218 7)" -draw "$(sparkle 446 168 6)" -draw "$(sparkle 206 100 5)" \
    -fill "$orange_light" -draw "$(sparkle 58 166 8)" -draw "$(sparkle 432 104 7)" -draw "$(sparkle 158 68 6)" \
    -draw "$(sparkle 286 92 5)" \
    \( +clone -blur 0x3 \) +swap -compose over -composite \
    "$tmp/gate_calm.png" -compose DstIn -composite "$tmp/gate_dust.png"

  # Dots round the arch, between its two bands.
  for i in $(seq 0 18); do
    runes+=(-draw "$(awk -v i="$i" -v cx=$cx -v cy=$mid 'BEGIN {
      pi = atan2(0, -1); a = pi + i * pi / 18; x = cx + 94 * cos(a); y = cy + 94 * sin(a)
      printf "circle %.1f,%.1f %.1f,%.1f", x, y, x + 1.4, y }')")
  done
  for y in 188 200 212 224; do
    runes+=(-draw "circle $((cx - 94)),$y $((cx - 94)),$y.4" -draw "circle $((cx + 94)),$y $((cx + 94)),$y.4")
  done

  save_rgb -size ${w}x${h} xc:'#0C2810' \
    \( -size 760x760 radial-gradient:'#2F7D33-#0C2810' -crop ${w}x${h}+$((380 - cx))+$((380 - 160)) +repage \) -compose over -composite \
    "$(hatch $w $h 10)" -compose over -composite \
    "$tmp/gate_rays.png" -compose over -composite \
    \( -size ${w}x${h} xc:none -fill 'rgba(255,128,0,0.30)' -stroke none -draw "ellipse $cx,248 190,28 0,360" -blur 0x14 \) \
    -compose screen -composite \
    \( -size ${w}x130 gradient:'rgba(6,22,8,0)-rgba(6,22,8,0.8)' \) -geometry +0+$((h - 130)) -compose over -composite \
    -geometry +0+0 \
    \( -size ${w}x${h} xc:none -fill none -stroke "$orange" -strokewidth 14 -draw "$(arch_path $cx $mid $bot 100)" \
       -blur 0x10 \) -compose screen -composite \
    \( -size ${w}x${h} xc:none -stroke none -fill '#0A230C' -draw "$(arch_path $cx $mid $bot 92 Z)" \
       \( +clone -fill none -stroke "$orange" -strokewidth 20 -draw "$(arch_path $cx $mid $bot 92)" -blur 0x8 \) \
       -compose ATop -composite \) -compose over -composite \
    "$tmp/gate_haze.png" -compose screen -composite \
    -compose over -stroke none \
    -fill '#1B4A1E' -draw "rectangle $((cx - 116)),$bot $((cx + 116)),$((bot + 7))" \
    -fill '#123414' -draw "rectangle $((cx - 132)),$((bot + 7)) $((cx + 132)),$((bot + 14))" \
    -fill "$orange" -draw "rectangle $((cx - 116)),$bot $((cx + 116)),$bot" \
    -fill 'rgba(255,166,70,0.55)' -draw "rectangle $((cx - 132)),$((bot + 7)) $((cx + 132)),$((bot + 7))" \
    -fill none \
    -stroke "$orange" -strokewidth 5 -draw "$(arch_path $cx $mid $bot 100)" \
    -stroke '#FFE2B8' -strokewidth 2 -draw "$(arch_path $cx $mid $bot 88)" \
    -stroke none -fill 'rgba(255,255,255,0.85)' "${runes[@]}" \
    -fill "$orange" -stroke white -strokewidth 1.5 \
    -draw "polygon $cx,$((mid - 111)) $((cx + 9)),$((mid - 100)) $cx,$((mid - 89)) $((cx - 9)),$((mid - 100))" \
    -stroke none \
    "$tmp/gate_dust.png" -compose over -composite -compose over \
    \( -size ${w}x${h} xc:none -font "$font" -pointsize 44 -fill 'rgba(0,0,0,0.6)' -gravity north \
       -annotate $((cx - w / 2 + 2))+9 '魔法之门' -blur 0x3 \) -compose over -composite \
    -font "$font" -pointsize 44 -gravity north -fill white -stroke white -strokewidth 0.6 \
    -annotate $((cx - w / 2))+6 '魔法之门' +gravity -stroke none \
    -fill 'rgba(255,255,255,0.55)' -draw "rectangle $((cx - 140)),33 $((cx - 100)),33" -draw "rectangle $((cx + 100)),33 $((cx + 140)),33" \
    -fill "$orange" -draw "$(sparkle $((cx - 146)) 33 6)" -draw "$(sparkle $((cx + 146)) 33 6)" \
    -fill 'rgba(0,18,0,0.45)' -draw 'roundrectangle 43,116 443,142 5,5' \
    -fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth 1 -draw 'roundrectangle 43.5,116.5 442.5,141.5 5,5'
}

# Window 【声纹扩展】: progress (27,262) 392x18, button (45,184) 128x56,
# label (25,328), small button (321,312) 72x24.
make_sound_plugin_background() {
  local dst=$out/sound_plugin_background.png w=496 h=368 hx=352 hy=150
  local i x y n hts=(38 62 90 116 98 134 150 122 94 126 106 76 56 34) bars=() caps=()
  calm_mask $w $h "$tmp/sound_calm.png" 37,176,181,248 21,256,425,288 17,322,137,358 313,304,401,344

  # Equaliser: segmented bars standing on y=246, an orange top segment each.
  for i in "${!hts[@]}"; do
    x=$((196 + i * 20)); n=$((hts[i] / 8))
    for y in $(seq 1 $((n - 1))); do bars+=(-draw "rectangle $x,$((246 - y * 8 + 2)) $((x + 13)),$((246 - y * 8 + 7))"); done
    caps+=(-draw "rectangle $x,$((246 - n * 8 + 2)) $((x + 13)),$((246 - n * 8 + 7))")
  done
  im -size ${w}x${h} xc:none -stroke none -fill 'rgba(255,255,255,0.14)' "${bars[@]}" \
    -fill 'rgba(255,128,0,0.85)' "${caps[@]}" \
    "$tmp/sound_calm.png" -compose DstIn -composite "$tmp/sound_eq.png"

  # Oscilloscope trace across the window, loudest under the headset.
  im -size ${w}x${h} xc:none -fill none -stroke 'rgba(255,255,255,0.85)' -strokewidth 1.6 \
    -draw "$(awk -v w=$w 'BEGIN {
      pi = atan2(0, -1); printf "polyline"
      for (x = 0; x <= w; x += 2) {
        e = exp(-((x - 250) / 120) ^ 2)
        y = 118 + 26 * e * sin(x / 7.0) * cos(x / 23.0)
        printf " %d,%.1f", x, y }
    }')" \( +clone -blur 0x3 \) +swap -compose over -composite \
    "$tmp/sound_calm.png" -compose DstIn -composite "$tmp/sound_trace.png"

  # Headset, with a soft shadow.
  im -size ${w}x${h} xc:none -fill none -stroke white -strokewidth 11 \
    -draw "$(arch_path $hx $hy $((hy + 14)) 62)" \
    -stroke "$orange" -strokewidth 3 -draw "$rnd path 'M $((hx - 44)),$((hy - 44)) A 62,62 0 0 1 $((hx + 44)),$((hy - 44))'" \
    -stroke none -fill white \
    -draw "roundrectangle $((hx - 76)),$((hy + 4)) $((hx - 48)),$((hy + 62)) 10,10" \
    -draw "roundrectangle $((hx + 48)),$((hy + 4)) $((hx + 76)),$((hy + 62)) 10,10" \
    -fill "$orange" \
    -draw "roundrectangle $((hx - 86)),$((hy + 12)) $((hx - 72)),$((hy + 54)) 6,6" \
    -draw "roundrectangle $((hx + 72)),$((hy + 12)) $((hx + 86)),$((hy + 54)) 6,6" \
    -fill none -stroke "$green_mid" -strokewidth 1.5 \
    -draw "roundrectangle $((hx - 70)),$((hy + 11)) $((hx - 54)),$((hy + 55)) 6,6" \
    -draw "roundrectangle $((hx + 54)),$((hy + 11)) $((hx + 70)),$((hy + 55)) 6,6" \
    -stroke white -strokewidth 5 \
    -draw "$rnd path 'M $((hx - 58)),$((hy + 60)) Q $((hx - 50)),$((hy + 88)) $((hx - 14)),$((hy + 88))'" \
    -stroke none -fill "$orange" -draw "roundrectangle $((hx - 18)),$((hy + 81)) $((hx + 2)),$((hy + 95)) 7,7" \
    "$tmp/sound_headset.png"

  save_rgb -size ${w}x${h} -define gradient:angle=135 gradient:'#5DB85B-#1B4D1E' \
    \( -size 600x600 radial-gradient:'rgba(170,240,150,0.35)-rgba(170,240,150,0)' \) -geometry "$(printf "%+d%+d" $((hx - 300)) $((hy - 300)))" \
    -compose over -composite -geometry +0+0 \
    "$(hatch $w $h 10)" -compose over -composite \
    \( +define gradient:angle -size ${w}x110 gradient:'rgba(6,22,8,0)-rgba(6,22,8,0.8)' \) -geometry +0+$((h - 110)) -compose over -composite \
    -geometry +0+0 -compose over -fill none -stroke 'rgba(255,255,255,0.20)' -strokewidth 1.5 \
    -draw "arc $((hx - 110)),$((hy - 80)) $((hx + 110)),$((hy + 140)) 150,210" \
    -draw "arc $((hx - 110)),$((hy - 80)) $((hx + 110)),$((hy + 140)) -30,30" \
    -stroke 'rgba(255,255,255,0.12)' \
    -draw "arc $((hx - 140)),$((hy - 110)) $((hx + 140)),$((hy + 170)) 155,205" \
    -draw "arc $((hx - 140)),$((hy - 110)) $((hx + 140)),$((hy + 170)) -25,25" \
    "$tmp/sound_eq.png" -compose over -composite \
    "$tmp/sound_trace.png" -compose over -composite \
    \( -size ${w}x${h} xc:none -fill 'rgba(255,255,255,0.22)' -draw "circle $hx,$((hy + 20)) $((hx + 70)),$((hy + 20))" -blur 0x24 \) \
    -compose over -composite \
    \( "$tmp/sound_headset.png" -fill "$green_deep" -colorize 100 -channel A -blur 0x3 -evaluate multiply 0.7 +channel -roll +2+4 \) \
    -compose over -composite \
    "$tmp/sound_headset.png" -compose over -composite \
    \( -size ${w}x${h} xc:none -font "$font" -pointsize 44 -fill 'rgba(0,0,0,0.55)' -annotate +30+57 '声纹扩展' -blur 0x3 \) \
    -compose over -composite \
    -font "$font" -pointsize 44 -fill white -stroke white -strokewidth 0.6 -annotate +28+54 '声纹扩展' \
    -stroke none -fill "$orange" -draw 'rectangle 28,68 92,71' \
    -fill 'rgba(255,255,255,0.5)' -draw 'rectangle 92,70 214,70' \
    -fill 'rgba(0,18,0,0.40)' -draw 'roundrectangle 23,258 423,284 5,5' \
    -fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth 1 -draw 'roundrectangle 23.5,258.5 422.5,283.5 5,5'
}

# --- run -----------------------------------------------------------------------
make_splash
make_skin_background
make_tabs
make_qrcode
make_app_icon
make_app_ico
make_gate_background
make_sound_plugin_background

# Every picture at its size, so a drawing mistake cannot slip through.
while read -r name size; do
  got=$("${im[@]}" "$out/$name" -format '%wx%h\n' info: | head -n 1)
  if [ "$got" != "$size" ]; then
    echo "make-artwork: $name is $got, expected $size" >&2
    exit 1
  fi
done <<'SIZES'
splash.png 400x200
skin_background.png 900x600
tab1_kill.png 80x80
tab2_gate.png 80x80
tab3_sound.png 80x80
tab4_music.png 80x80
tab5_clean.png 80x80
tab6_video.png 80x80
tab7_plugins.png 80x80
qrcode.png 196x196
app_icon.png 256x256
app.ico 256x256
gate_background.png 496x368
sound_plugin_background.png 496x368
SIZES

# The QR code must still read with the emblem on it.
if command -v zbarimg >/dev/null 2>&1; then
  decoded=$(zbarimg --quiet --raw "$out/qrcode.png" 2>/dev/null || true)
  if [ "$decoded" != "$site" ]; then
    echo "make-artwork: qrcode.png does not decode to $site (got '$decoded')" >&2
    exit 1
  fi
  echo "make-artwork: qrcode.png decodes to $decoded"
else
  echo "make-artwork: zbarimg not found, QR code not checked (apt-get install -y zbar-tools)"
fi
echo "make-artwork: pictures written to $out"
