#!/usr/bin/env bash
# Generates the packs the tool ships beside itself (kill-icon and sound archives
# under disguised names, the loose textures, the folder readme, the World Cup
# advert) into OUT_DIR, and the set previews into ui/art/previews/.
# Same tools and fonts give byte-identical files on every run.
#   tools/make-packs.sh [--no-previews] [OUT_DIR]
# OUT_DIR defaults to out/dist/徽光坊. --no-previews leaves the committed
# previews alone (the distribution build uses it).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
root=$(dirname "$here")
previews=$root/ui/art/previews
out=
while [ $# -gt 0 ]; do
  case "$1" in
    --no-previews) previews=; shift ;;
    -*) echo "usage: $0 [--no-previews] [OUT_DIR]" >&2; exit 2 ;;
    *) out=$1; shift ;;
  esac
done
out=${out:-$root/out/dist/徽光坊}
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
glyphs=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
digits=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
# Fixed time and order for everything that goes into an archive.
export TZ=UTC LC_ALL=C
stamp='2020-01-01 00:00:00'
umask 022

# --- tools -----------------------------------------------------------------
missing=()
if command -v magick >/dev/null 2>&1; then im=(magick)
elif command -v convert >/dev/null 2>&1; then im=(convert)
else missing+=(imagemagick); fi
for tool in zip:zip sox:sox iconv:libc-bin; do
  command -v "${tool%%:*}" >/dev/null 2>&1 || missing+=("${tool#*:}")
done
[ -f "$font" ] || missing+=(fonts-wqy-microhei)
[ -f "$glyphs" ] || missing+=(fonts-dejavu-core)
if [ ${#missing[@]} -gt 0 ]; then
  echo "make-packs: missing tools; install them with: apt-get install -y ${missing[*]}" >&2
  exit 1
fi

mkdir -p "$out"
out=$(cd "$out" && pwd -P)
tmp=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

im() { "${im[@]}" "$@"; }
png_opts=(-strip -define "png:exclude-chunks=date,time,tEXt,zTXt,iTXt" -depth 8)

# Runs "$@" in the background, at most $jobs at a time; a failure stops the script.
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
spawn() {
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  "$@" &
  pids+=($!)
}
wait_all() {
  local pid
  for pid in "${pids[@]}"; do wait "$pid"; done
  pids=()
}

# --- the twenty textures the game reads ----------------------------------------
# Name, label, symbol. This order is also the loose set's b1..b20 order.
kinds=(
  'HUD_Cheer_animal_kill|杀猪|pig'
  'HUD_Cheer_bomb_kill|炸死|bomb'
  'HUD_Cheer_corpse_killhum|木乃伊杀人|glyph:☥'
  'HUD_Cheer_first_damage|第一滴血|drop'
  'HUD_Cheer_fist_kill|率先杀人|glyph:⚑'
  'HUD_Cheer_gun_Driveicon_revenge|复仇|glyph:⚡'
  'HUD_Cheer_gun_fivekill|5连杀|streak:5'
  'HUD_Cheer_gun_fourkill|4连杀|streak:4'
  'HUD_Cheer_gun_headshot|爆头|sight'
  'HUD_Cheer_gun_killcorpse|人杀木乃伊|glyph:☠'
  'HUD_Cheer_gun_nkill|多次连杀|glyph:∞'
  'HUD_Cheer_gun_onekill|1连杀|streak:1'
  'HUD_Cheer_gun_threekill|3连杀|streak:3'
  'HUD_Cheer_gun_twokill|2连杀|streak:2'
  'HUD_Cheer_gun_WallHeadShot|穿墙爆头|wallsight'
  'HUD_Cheer_gun_WallNormalShot|穿墙杀人|wallhole'
  'HUD_Cheer_knife_kill|刀杀|glyph:⚔'
  'HUD_Cheer_tank_kill|击毁坦克|tank'
  'HUD_encourage_GhostMelee_KillGhost|人杀幽灵|glyph:✝'
  'HUD_encourage_GhostMelee_KillHuman|幽灵杀人|ghost'
)
# Also in the second archive of a two-archive set, drawn with a mark, so that
# the second archive visibly replaces an entry of the first.
again=HUD_Cheer_gun_headshot

# Textures are 255x255, the size the game asks of custom kill icons. The symbol sits
# around (127,94), the label on a ribbon across y 166..214.
S=255

# Draws the closed polygon of an n-pointed star: cx cy outer inner points [turn°].
star() {
  awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" -v t="${6:-0}" 'BEGIN {
    pi = atan2(0, -1); s = "polygon"
    for (i = 0; i < 2 * n; i++) {
      r = i % 2 ? ri : ro; a = (t - 90) * pi / 180 + i * pi / n
      s = s sprintf(" %.1f,%.1f", cx + r * cos(a), cy + r * sin(a))
    }
    print s }'
}

# Mirrors the x coordinates of a "polygon x,y ..." primitive about the centre.
mirror() {
  awk -v w=$S '{ s = $1; for (i = 2; i <= NF; i++) { split($i, p, ","); s = s sprintf(" %g,%s", w - p[1], p[2]) } print s }' <<<"$1"
}

# A set's look. Every style function sets:
#   shape    draw primitives of the emblem's outline (filled together)
#   top bot  the body's gradient; rim, rim_w: the outline band
#   back     ImageMagick arguments drawn behind the emblem
#   front    arguments drawn over the body (may composite files)
#   over     arguments drawn over the ribbon
#   ribbon   banner | plate | tag, in rib (face) and rib_dark (ends, edge)
#   ink ink_edge  label fill and outline; sym sym_edge: symbol fill and outline
#   hot      accent for sparks and marks; glow: halo behind the emblem, if any
style_common() {
  back=(); front=(); over=(); rim_w=5; ribbon=banner; hot='#FFC83A'; glow=
}

style_t2() { # 猎鹰团: navy shield with golden wings
  style_common
  shape=("path 'M 127,16 L 200,40 L 196,118 Q 188,166 127,196 Q 66,166 58,118 L 54,40 Z'")
  top='#2C5AA0'; bot='#0C1F3F'; rim='#E8B923'
  local f l=()
  for f in 'polygon 60,48 4,34 14,56 58,70' 'polygon 58,76 8,74 20,94 58,100' 'polygon 60,106 20,114 34,130 64,128'; do
    l+=(-draw "$f" -draw "$(mirror "$f")")
  done
  back=(-fill '#7A5A08' -stroke '#7A5A08' -strokewidth 6 "${l[@]}" -stroke none -fill '#F2CE4A' "${l[@]}")
  front=(-fill none -stroke 'rgba(232,185,35,0.55)' -strokewidth 2
    -draw "path 'M 127,28 L 188,48 L 185,116 Q 178,156 127,182 Q 76,156 69,116 L 66,48 Z'")
  rib='#D9A21B'; rib_dark='#8A6208'; ink='#FFFFFF'; ink_edge='#0C1F3F'
  sym='#FFFFFF'; sym_edge='#0C1F3F'
}

style_t3() { # 血色刀锋: crimson diamond on two crossed blades
  style_common
  shape=('polygon 127,14 228,112 127,206 26,112')
  top='#D4202C'; bot='#4A0008'; rim='#140000'
  local blade='polygon 18,30 34,16 242,218 230,234'
  back=(-fill '#2A2A2E' -stroke '#2A2A2E' -strokewidth 5 -draw "$blade" -draw "$(mirror "$blade")"
    -stroke none -fill '#D8DCE4' -draw "$blade" -draw "$(mirror "$blade")"
    -fill '#8E949E' -draw 'polygon 26,23 34,16 242,218 236,226' -draw "$(mirror 'polygon 26,23 34,16 242,218 236,226')")
  front=(-fill '#140000' -stroke none
    -draw "path 'M 96,150 Q 100,164 100,172 A 4,4 0 0 1 92,172 Q 92,164 96,150 Z'"
    -draw "path 'M 160,156 Q 164,170 164,180 A 4.5,4.5 0 0 1 155,180 Q 155,170 160,156 Z'"
    -fill none -stroke 'rgba(255,120,120,0.45)' -strokewidth 2 -draw 'polygon 127,30 212,112 127,190 42,112')
  ribbon=tag; rib='#1C1C1E'; rib_dark='#7A0010'; ink='#FF4A4A'; ink_edge='#140000'
  sym='#FFFFFF'; sym_edge='#5A0008'; hot='#FF4A4A'
}

style_t4() { # 阿狸图标: round fox face with pointed ears
  style_common
  shape=('circle 127,112 127,24' 'polygon 50,72 42,6 112,36' "$(mirror 'polygon 50,72 42,6 112,36')")
  top='#FFB152'; bot='#E2561A'; rim='#5A2408'
  front=(-fill '#FFE6F0' -stroke none -draw 'polygon 58,58 54,22 96,40' -draw "$(mirror 'polygon 58,58 54,22 96,40')"
    -fill '#FFFFFF' -draw 'ellipse 62,140 30,22 0,360' -draw 'ellipse 192,140 30,22 0,360'
    -fill 'rgba(255,100,150,0.55)' -draw 'ellipse 62,142 16,9 0,360' -draw 'ellipse 192,142 16,9 0,360')
  ribbon=plate; rib='#FF6FA5'; rib_dark='#8A2050'; ink='#FFFFFF'; ink_edge='#8A2050'
  sym='#FFFFFF'; sym_edge='#5A2408'; hot='#FF6FA5'
}

style_t5() { # 怪兽大学: purple monster blob with horns and fangs
  style_common
  shape=('roundrectangle 32,36 223,198 70,70')
  top='#8E55F0'; bot='#3A168A'; rim='#1E0A4A'
  local horn='polygon 54,62 30,6 88,40'
  back=(-fill '#1E0A4A' -stroke '#1E0A4A' -strokewidth 8 -draw "$horn" -draw "$(mirror "$horn")"
    -stroke none -fill '#A8F060' -draw "$horn" -draw "$(mirror "$horn")")
  front=(-stroke none -fill 'rgba(190,150,255,0.35)' -draw 'circle 62,110 62,98' -draw 'circle 196,78 196,70'
    -draw 'circle 200,136 200,128' -draw 'circle 52,70 52,64')
  # Fangs hang from the name plate.
  over=(-fill '#FFFFFF' -stroke '#1E0A4A' -strokewidth 3
    -draw 'polygon 70,212 90,212 80,232' -draw 'polygon 165,212 185,212 175,232')
  ribbon=plate; rib='#5CC43C'; rib_dark='#1E5A10'; ink='#FFFFFF'; ink_edge='#1E0A4A'
  sym='#C8FF7A'; sym_edge='#1E0A4A'; hot='#A8F060'
}

style_t6() { # 联盟战士: steel-blue medal on a silver star burst
  style_common
  shape=('circle 127,106 127,22')
  top='#4A8AE0'; bot='#123068'; rim='#E4E9F2'
  back=(-fill '#5A6474' -stroke '#5A6474' -strokewidth 4 -draw "$(star 127 106 124 70 8 22.5)"
    -stroke none -fill '#C9D1DE' -draw "$(star 127 106 120 68 8 22.5)"
    -fill '#A2ACBC' -draw "$(star 127 106 104 60 8 0)")
  front=(-fill none -stroke 'rgba(228,233,242,0.6)' -strokewidth 2 -draw 'circle 127,106 127,34'
    -stroke none -fill 'rgba(255,255,255,0.75)' -draw "$(star 127 40 10 4 5)"
    -draw "$(star 97 46 6 2.4 5)" -draw "$(star 157 46 6 2.4 5)")
  rib='#C8202E'; rib_dark='#6A0A14'; ink='#FFFFFF'; ink_edge='#3A0A10'
  sym='#FFFFFF'; sym_edge='#0E2450'; hot='#FF5A5A'
}

style_t7() { # 魂儿喵喵: pink cat face with ears and whiskers
  style_common
  local ear="path 'M 44,96 Q 30,30 46,14 Q 76,22 112,46 Z'"
  shape=('ellipse 127,114 96,86 0,360' "$ear" "path 'M 211,96 Q 225,30 209,14 Q 179,22 143,46 Z'")
  top='#FBC0E4'; bot='#B25FD0'; rim='#5B2370'
  front=(-fill '#FF8CC6' -stroke none -draw "path 'M 54,74 Q 46,36 54,28 Q 74,34 94,48 Z'"
    -draw "path 'M 201,74 Q 209,36 201,28 Q 181,34 161,48 Z'"
    -fill none -stroke 'rgba(255,255,255,0.9)' -strokewidth 3
    -draw 'stroke-linecap round line 20,104 60,112' -draw 'stroke-linecap round line 18,124 58,124'
    -draw 'stroke-linecap round line 235,104 195,112' -draw 'stroke-linecap round line 237,124 197,124')
  ribbon=plate; rib='#8E44AD'; rib_dark='#3E1650'; ink='#FFFFFF'; ink_edge='#3E1650'
  sym='#FFFFFF'; sym_edge='#5B2370'; hot='#FF8CC6'
}

style_t8() { # 雷蛇之怒: dark hexagon in thunderbolts, snake scales
  style_common
  shape=('polygon 127,14 216,62 216,160 127,208 38,160 38,62')
  top='#3A2E66'; bot='#0E0A1E'; rim='#FFE23A'
  local bolt='polygon 34,20 62,20 46,56 66,56 20,120 34,70 16,70'
  back=(-fill '#3A2A00' -stroke '#3A2A00' -strokewidth 5 -draw "$bolt" -draw "$(mirror "$bolt")"
    -stroke none -fill '#FFE23A' -draw "$bolt" -draw "$(mirror "$bolt")")
  local y x scales=()
  for y in 40 64 88 112 136 160; do
    for x in 60 84 108 132 156 180 204; do
      scales+=(-draw "arc $((x - 12 + (y / 24 % 2) * 12)),$((y - 12)) $((x + 12 + (y / 24 % 2) * 12)),$((y + 12)) 0,180")
    done
  done
  front=(\( -size "${S}x$S" xc:none -fill none -stroke 'rgba(160,120,255,0.22)' -strokewidth 2 "${scales[@]}"
    \( -size "${S}x$S" xc:none -fill white -draw 'polygon 127,22 208,66 208,156 127,200 46,156 46,66' \)
    -compose DstIn -composite \) -compose over -composite)
  ribbon=tag; rib='#6B2FD6'; rib_dark='#24085A'; ink='#FFE23A'; ink_edge='#0E0A1E'
  sym='#FFE23A'; sym_edge='#1A1030'; hot='#FFE23A'
}

style_t9() { # 幽灵军团: glowing teal ghost
  style_common
  shape=("path 'M 38,204 L 38,106 A 89,89 0 0 1 216,106 L 216,204 L 186,180 L 157,204 L 127,180 L 97,204 L 68,180 Z'")
  top='#58E0D6'; bot='#0C4E5C'; rim='#D4FFFA'; glow='#6FFFF2'
  front=(-fill 'rgba(255,255,255,0.28)' -stroke none -draw 'ellipse 84,78 12,20 0,360' -draw 'ellipse 170,78 12,20 0,360')
  rib='#17303C'; rib_dark='#061A22'; ink='#A8FFF6'; ink_edge='#04161C'
  sym='#FFFFFF'; sym_edge='#083640'; hot='#6FFFF2'
}

style_t10() { # 圣诞狂欢: red bauble with a golden cap, holly and snow
  style_common
  shape=('circle 127,114 127,28' 'roundrectangle 106,10 148,34 5,5')
  top='#F04A4A'; bot='#8A0C14'; rim='#F2C14E'
  local leaf="path 'M 40,170 Q 10,150 8,120 Q 34,128 50,150 Z'"
  back=(-fill '#0E5A22' -stroke '#0E5A22' -strokewidth 4 -draw "$leaf" -draw "$(mirror "$leaf")"
    -stroke none -fill '#2FA84A' -draw "$leaf" -draw "$(mirror "$leaf")")
  front=(-fill '#F2C14E' -stroke '#7A5A08' -strokewidth 2 -draw 'roundrectangle 106,10 148,34 5,5'
    -fill none -stroke '#7A5A08' -strokewidth 3 -draw 'line 116,14 116,30' -draw 'line 127,14 127,30' -draw 'line 138,14 138,30'
    -stroke none -fill '#FFFFFF' -draw "path 'M 50,70 Q 127,20 204,70 Q 190,86 176,74 Q 160,90 146,74 Q 127,92 108,74 Q 94,90 78,74 Q 64,86 50,70 Z'"
    -font "$glyphs" -pointsize 20 -fill 'rgba(255,255,255,0.8)' -annotate +48+140 '❄' -annotate +188+150 '❄'
    -pointsize 14 -annotate +70+164 '❄' -annotate +172+120 '❄'
    -fill '#C8102E' -draw 'circle 30,148 30,140' -draw 'circle 225,148 225,140')
  rib='#1F8A3A'; rib_dark='#0B3A18'; ink='#FFFFFF'; ink_edge='#0B3A18'
  sym='#FFFFFF'; sym_edge='#6A0A10'; hot='#F2C14E'
}

style_t12() { # 卡通骷髅: bone-white skull plate on crossed bones
  style_common
  shape=('circle 127,96 127,18' 'roundrectangle 78,120 176,194 26,26')
  top='#FFFFFF'; bot='#D6CEB8'; rim='#111111'
  local bone1="line 30,40 225,206" bone2="line 225,40 30,206"
  back=(-stroke '#111111' -strokewidth 26 -draw "stroke-linecap round $bone1" -draw "stroke-linecap round $bone2"
    -stroke none -fill '#111111' -draw 'circle 22,42 22,26' -draw 'circle 40,26 40,10' -draw 'circle 233,42 233,26' -draw 'circle 215,26 215,10'
    -draw 'circle 233,204 233,188' -draw 'circle 215,220 215,204' -draw 'circle 22,204 22,188' -draw 'circle 40,220 40,204'
    -stroke '#F4EFE0' -strokewidth 16 -draw "stroke-linecap round $bone1" -draw "stroke-linecap round $bone2"
    -stroke none -fill '#F4EFE0' -draw 'circle 22,42 22,32' -draw 'circle 40,26 40,16' -draw 'circle 233,42 233,32' -draw 'circle 215,26 215,16'
    -draw 'circle 233,204 233,194' -draw 'circle 215,220 215,210' -draw 'circle 22,204 22,194' -draw 'circle 40,220 40,210')
  front=(-fill none -stroke '#111111' -strokewidth 3 -draw 'line 104,150 104,166' -draw 'line 127,150 127,166' -draw 'line 150,150 150,166')
  ribbon=tag; rib='#FFD21F'; rib_dark='#111111'; ink='#111111'; ink_edge='#FFFFFF'
  sym='#1A1A1A'; sym_edge='#FFFFFF'; hot='#FFD21F'
}

style_t13() { # 终极火力: blazing starburst
  style_common
  shape=("$(star 127 104 100 70 16)")
  top='#FFE05A'; bot='#E2380E'; rim='#5A0A00'
  back=(-fill 'rgba(255,120,20,0.9)' -stroke none -draw "$(star 127 104 124 60 8 11.25)"
    -fill '#FFB02E' -draw "$(star 127 104 110 60 8 33.75)")
  front=(-fill none -stroke 'rgba(255,255,255,0.55)' -strokewidth 2 -draw 'circle 127,104 127,44')
  rib='#3A3F47'; rib_dark='#15181C'; ink='#FFB02E'; ink_edge='#15181C'
  sym='#FFFFFF'; sym_edge='#6A1200'; hot='#FFE05A'
}

style_wordball() { # 世界杯: green pitch medal in a golden laurel
  style_common
  shape=('circle 127,104 127,22')
  top='#39B65A'; bot='#0B4A20'; rim='#F5C542'
  local i a x y leaves=()
  for i in 0 1 2 3 4 5; do
    a=$((200 - i * 22))
    read -r x y < <(awk -v a=$a 'BEGIN { pi = atan2(0, -1); printf "%.0f %.0f\n", 127 + 104 * cos(a * pi / 180), 104 + 104 * sin(a * pi / 180) }')
    leaves+=(-draw "translate $x,$y rotate $((a - 90 - 28)) ellipse 0,0 9,20 0,360")
    leaves+=(-draw "translate $((S - x)),$y rotate $((90 - a + 28)) ellipse 0,0 9,20 0,360")
  done
  back=(-fill '#7A5A08' -stroke '#7A5A08' -strokewidth 4 "${leaves[@]}" -stroke none -fill '#F5C542' "${leaves[@]}")
  local stripes=() s
  for s in 0 1 2 3 4 5 6 7; do stripes+=(-draw "rectangle 0,$((22 + s * 22)) $S,$((32 + s * 22))"); done
  front=(\( -size "${S}x$S" xc:none -fill 'rgba(255,255,255,0.10)' "${stripes[@]}"
    -fill none -stroke 'rgba(255,255,255,0.45)' -strokewidth 2 -draw 'circle 127,104 127,140' -draw 'line 22,104 232,104'
    \( -size "${S}x$S" xc:none -fill white -draw 'circle 127,104 127,26' \) -compose DstIn -composite \) -compose over -composite)
  rib='#E6B325'; rib_dark='#7A5A08'; ink='#FFFFFF'; ink_edge='#0E4A20'
  sym='#FFFFFF'; sym_edge='#0B3A18'; hot='#F5C542'
}

style_gate1() { # 魔法之门: violet magic circle with star signs and a glow
  style_common
  shape=('circle 127,106 127,16')
  top='#7A3ED0'; bot='#1A0838'; rim='#E6C8FF'; rim_w=3; glow='#C07BFF'
  local i signs=() r='♈♉♊♋♌♍♎♏♐♑♒♓'
  # Twelve sign marks around the ring, between the outer rim and the inner
  # circle, drawn apart: a rotated annotation skews the draws that follow it.
  for i in 0 1 2 3 4 5 6 7 8 9 10 11; do
    signs+=(-annotate "$(awk -v i=$i 'BEGIN { pi = atan2(0, -1); a = (i * 30 - 75) * pi / 180
      printf "%.0fx%.0f+%.0f+%.0f", i * 30 + 15, i * 30 + 15, 81 * cos(a), 81 * sin(a) - 21 }')" "${r:i*3:3}")
  done
  mkdir -p "$tmp/gate1"
  im -size "${S}x$S" xc:none -font "$glyphs" -pointsize 15 -fill 'rgba(240,220,255,0.95)' -gravity center \
    "${signs[@]}" "$tmp/gate1/signs.png"
  front=(-fill none -stroke 'rgba(230,200,255,0.85)' -strokewidth 2 -draw 'circle 127,106 127,34'
    -stroke 'rgba(230,200,255,0.35)' -strokewidth 1.5 -draw "$(star 127 106 72 36 6)"
    "$tmp/gate1/signs.png" -compose over -composite
    \( -size 150x150 radial-gradient:'rgba(255,210,255,0.55)-rgba(255,210,255,0)' \) -geometry +52+22 -composite -geometry +0+0)
  over=(-stroke none -fill '#FFE6FF' -draw "$(star 26 40 14 3 4)" -draw "$(star 232 58 10 2.2 4)"
    -draw "$(star 36 150 8 1.8 4)" -fill "$hot" -draw "$(star 222 150 12 2.6 4)")
  ribbon=plate; rib='rgba(70,20,130,0.92)'; rib_dark='#E6C8FF'; ink='#F6E8FF'; ink_edge='#3A0A6A'
  sym='#FFF0FF'; sym_edge='#5A1A9A'; hot='#FFD6FF'
}

ribbon_args() {
  case "$ribbon" in
    banner)
      rib_args=(-stroke none -fill "$rib_dark"
        -draw 'polygon 6,178 40,178 40,224 6,224 20,201' -draw 'polygon 249,178 215,178 215,224 249,224 235,201'
        -fill 'rgba(0,0,0,0.45)' -draw 'polygon 28,212 40,224 40,212' -draw 'polygon 227,212 215,224 215,212'
        -fill "$rib" -stroke "$rib_dark" -strokewidth 2 -draw 'rectangle 28,166 227,212'
        -stroke none -fill 'rgba(255,255,255,0.28)' -draw 'rectangle 29,167 226,172') ;;
    plate)
      rib_args=(-fill "$rib" -stroke "$rib_dark" -strokewidth 3 -draw 'roundrectangle 22,166 233,214 20,20'
        -stroke none -fill 'rgba(255,255,255,0.25)' -draw 'roundrectangle 30,169 225,180 8,8') ;;
    tag)
      rib_args=(-fill "$rib_dark" -stroke none -draw 'polygon 30,170 242,170 230,218 18,218'
        -fill "$rib" -draw 'polygon 26,164 236,164 224,212 14,212'
        -fill 'rgba(255,255,255,0.22)' -draw 'polygon 25,167 235,167 234,172 24,172') ;;
  esac
}

# Emblem, ribbon and shadow of a set: everything but the symbol and the label.
make_base() { # id
  local d=$tmp/$1
  mkdir -p "$d"
  local p draws=()
  for p in "${shape[@]}"; do draws+=(-draw "$p"); done
  im -size "${S}x$S" xc:none -fill white -stroke none "${draws[@]}" "$d/shape.png"
  ribbon_args
  local glow_args=()
  if [ -n "$glow" ]; then
    glow_args=(\( "$d/shape.png" -fill "$glow" -colorize 100 -channel A -morphology Dilate Disk:4 -blur 0x6 +channel \)
      -compose over -composite)
  fi
  im -size "${S}x$S" xc:none -compose over "${glow_args[@]}" "${back[@]}" \
    \( "$d/shape.png" -channel A -morphology Dilate "Disk:$rim_w" +channel -fill "$rim" -colorize 100 \) -compose over -composite \
    \( -size "${S}x$S" gradient:"$top-$bot" -alpha set "$d/shape.png" -compose DstIn -composite \) -compose over -composite \
    \( -size "${S}x$S" xc:none -fill 'rgba(255,255,255,0.20)' -draw 'ellipse 127,36 120,60 0,360' \
       "$d/shape.png" -compose DstIn -composite \) -compose over -composite \
    -compose over "${front[@]}" -compose over "${rib_args[@]}" "${over[@]}" \
    \( +clone -fill black -colorize 100 -channel A -blur 0x3 -evaluate multiply 0.6 +channel -roll +0+4 \) \
    +swap -compose over -composite "$d/base.png"
}

# Arguments that draw one kind's symbol: outlines first, then the faces.
sym_args=()
parts=()
# Each part is KIND|DRAW: F a filled shape and L<width> a stroked line, both
# outlined in the edge colour; D a detail in the edge colour; H one in the accent.
part() { parts+=("$@"); }
draw_parts() {
  local p w
  for p in "${parts[@]}"; do
    case "${p%%|*}" in
      F) sym_args+=(-fill "$sym_edge" -stroke "$sym_edge" -strokewidth 9 -draw "${p#*|}") ;;
      L*) w=${p%%|*}; w=${w#L}; sym_args+=(-fill none -stroke "$sym_edge" -strokewidth $((w + 8)) -draw "stroke-linecap round ${p#*|}") ;;
    esac
  done
  for p in "${parts[@]}"; do
    case "${p%%|*}" in
      F) sym_args+=(-fill "$sym" -stroke none -draw "${p#*|}") ;;
      L*) w=${p%%|*}; w=${w#L}; sym_args+=(-fill none -stroke "$sym" -strokewidth "$w" -draw "stroke-linecap round ${p#*|}") ;;
      D) sym_args+=(-fill "$sym_edge" -stroke none -draw "${p#*|}") ;;
      H) sym_args+=(-fill "$hot" -stroke "$sym_edge" -strokewidth 2 -draw "${p#*|}") ;;
    esac
  done
  parts=()
}

sight_parts() { # cx cy r
  local x=$1 y=$2 r=$3
  part "L7|circle $x,$y $x,$((y - r))" \
    "L7|line $x,$((y - r - 14)) $x,$((y - r + 14))" "L7|line $x,$((y + r - 14)) $x,$((y + r + 14))" \
    "L7|line $((x - r - 14)),$y $((x - r + 14)),$y" "L7|line $((x + r - 14)),$y $((x + r + 14)),$y"
  parts+=("H|circle $x,$y $x,$((y - 6))")
}

wall_parts() {
  part 'F|rectangle 68,56 186,134'
  parts+=('D|rectangle 68,80 186,83' 'D|rectangle 68,106 186,109'
    'D|rectangle 106,56 109,80' 'D|rectangle 146,56 149,80' 'D|rectangle 86,83 89,106'
    'D|rectangle 126,83 129,106' 'D|rectangle 166,83 169,106' 'D|rectangle 106,109 109,134' 'D|rectangle 146,109 149,134')
}

symbol_args() { # symbol
  sym_args=()
  case "$1" in
    glyph:*)
      sym_args=(-font "$glyphs" -pointsize 112 -gravity center
        -fill "$sym_edge" -stroke "$sym_edge" -strokewidth 13 -annotate +0-32 "${1#glyph:}"
        -stroke "$sym" -strokewidth 3 -fill "$sym" -annotate +0-32 "${1#glyph:}" -gravity northwest) ;;
    streak:*)
      local n=${1#streak:} i x
      sym_args=(-font "$digits" -pointsize 92 -gravity center
        -fill "$sym_edge" -stroke "$sym_edge" -strokewidth 10 -annotate +0-24 "$n"
        -stroke none -fill "$sym" -annotate +0-24 "$n" -gravity northwest)
      # One small star per kill in a row above the digit.
      for ((i = 0; i < n; i++)); do
        x=$((127 - (n - 1) * 13 + i * 26))
        sym_args+=(-fill "$sym_edge" -stroke "$sym_edge" -strokewidth 5 -draw "$(star $x 44 11 4.6 5)"
          -fill "$hot" -stroke none -draw "$(star $x 44 11 4.6 5)")
      done ;;
    sight) sight_parts 127 96 38; draw_parts ;;
    wallsight) wall_parts; sight_parts 127 95 30; draw_parts ;;
    wallhole)
      wall_parts
      parts+=("H|$(star 127 95 30 10 9)" 'D|circle 127,95 127,85')
      part 'L6|line 40,140 104,110' 'L6|line 150,80 214,50'
      draw_parts ;;
    pig)
      part 'F|polygon 86,70 80,30 116,52' "F|$(mirror 'polygon 86,70 80,30 116,52')" 'F|circle 127,98 127,52'
      parts+=('D|ellipse 127,110 24,16 0,360' 'H|ellipse 127,110 20,12 0,360'
        'D|ellipse 118,110 4,6 0,360' 'D|ellipse 136,110 4,6 0,360' 'D|circle 106,86 106,79' 'D|circle 148,86 148,79')
      draw_parts ;;
    bomb)
      part 'F|circle 120,104 120,64' 'F|roundrectangle 130,56 154,74 3,3' "L5|path 'M 144,58 Q 150,36 170,40'"
      parts+=('D|ellipse 106,90 8,13 30,390' "H|$(star 174 38 17 6 8)")
      draw_parts ;;
    drop)
      part "F|path 'M 127,40 C 127,40 90,92 90,112 A 37,37 0 0 0 164,112 C 164,92 127,40 127,40 Z'"
      parts+=('D|ellipse 111,112 6,14 0,360')
      draw_parts ;;
    tank)
      part 'F|roundrectangle 64,114 190,144 14,14' 'F|polygon 74,114 84,94 172,94 180,114' \
        'F|roundrectangle 100,68 152,96 10,10' 'F|rectangle 150,76 212,86'
      parts+=('D|circle 84,129 84,122' 'D|circle 106,129 106,122' 'D|circle 127,129 127,122'
        'D|circle 148,129 148,122' 'D|circle 170,129 170,122' 'D|rectangle 84,103 172,106')
      draw_parts ;;
    ghost)
      part "F|path 'M 88,140 L 88,86 A 39,39 0 0 1 166,86 L 166,140 L 153,128 L 140,140 L 127,128 L 114,140 L 101,128 Z'"
      parts+=('D|ellipse 112,90 8,12 0,360' 'D|ellipse 142,90 8,12 0,360' 'D|ellipse 127,114 9,6 0,360')
      draw_parts ;;
    *) echo "make-packs: unknown symbol $1" >&2; exit 1 ;;
  esac
}

# Label pointsize by its length in characters, so five characters still fit.
label_size() {
  local n
  n=$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-32LE | wc -c)
  case $((n / 4)) in 2) echo 50 ;; 3) echo 46 ;; 4) echo 44 ;; *) echo 39 ;; esac
}

# All twenty textures of a set (and the marked one), in one ImageMagick run.
# TGA, 32 bits with 8 alpha bits, uncompressed; fully transparent pixels black.
make_textures() { # id
  local id=$1 d=$tmp/$1 entry name label symbol size args=() variant
  "style_$id"
  make_base "$id"
  mkdir -p "$d/tex"
  for entry in "${kinds[@]}" "$again|again"; do
    IFS='|' read -r name label symbol <<<"$entry"
    variant=()
    if [ "$label" = again ]; then
      IFS='|' read -r _ label symbol < <(printf '%s\n' "${kinds[@]}" | grep "^$name|")
      # The marked copy: a star in the top right corner.
      variant=(-fill "$sym_edge" -stroke "$sym_edge" -strokewidth 5 -draw "$(star 214 30 20 9 5)"
        -fill "$hot" -stroke none -draw "$(star 214 30 20 9 5)")
      name=$name.again
    fi
    symbol_args "$symbol"
    size=$(label_size "$label")
    args+=(\( mpr:base "${sym_args[@]}" "${variant[@]}"
      -font "$font" -pointsize "$size" -gravity center
      -fill "$ink_edge" -stroke "$ink_edge" -strokewidth 8 -annotate +0+63 "$label"
      -stroke none -fill "$ink" -annotate +0+63 "$label" -gravity northwest
      -background black -alpha background -type TrueColorAlpha -depth 8 -compress None
      -write "tga:$d/tex/$name.tga" +delete \))
  done
  im "$d/base.png" -write mpr:base +delete "${args[@]}" xc:none null:
}

# --- sounds for System\thirdparty\mod_sounds -----------------------------------
# 16-bit PCM mono 22050 Hz. -R seeds sox's noise the same on every run; -D
# leaves out dither, which is random too.
sox_out=(-r 22050 -c 1 -b 16 -e signed-integer)
snd() { sox -R -D -n "${sox_out[@]}" "$@"; } # file synth-and-effects...
join_snd() { # out fx -- in...
  local o=$1 fx=$2
  shift 3
  # shellcheck disable=SC2086  # the effects are words for sox
  sox -R -D "$@" "${sox_out[@]}" "$o" $fx norm -3
}

# One sound set: wave form, base pitch in Hz, effects that colour every sound.
make_sounds() { # id wave base fx
  local id=$1 wave=$2 f=$3 fx=$4 d=$tmp/snd/$1 n i k
  mkdir -p "$d"
  # kill_N: N notes climbing a major arpeggio.
  local steps=(1 1.25 1.5 2 2.5)
  for n in 1 2 3 4 5; do
    local notes=()
    for ((i = 0; i < n; i++)); do
      k=$(awk -v f="$f" -v s="${steps[i]}" 'BEGIN { printf "%.0f", f * s }')
      snd "$d/n$n.$i.wav" synth 0.11 "$wave" "$k" fade q 0.005 0.11 0.05 pad 0 0.02
      notes+=("$d/n$n.$i.wav")
    done
    snd "$d/tail.wav" synth 0.3 "$wave" "$(awk -v f="$f" 'BEGIN { printf "%.0f", f * 3 }')" fade q 0.005 0.3 0.28 vol 0.6
    join_snd "$d/kill_$n.wav" "$fx" -- "${notes[@]}" "$d/tail.wav"
  done
  # headshot: a crack of noise, then a high ping; the marked copy rings higher.
  local h
  for h in headshot:4 headshot.again:4.76; do
    snd "$d/crack.wav" synth 0.05 whitenoise fade q 0 0.05 0.04
    snd "$d/ping.wav" synth 0.4 sine "$(awk -v f="$f" -v m="${h#*:}" 'BEGIN { printf "%.0f", f * m }')" fade q 0.002 0.4 0.38
    join_snd "$d/${h%%:*}.wav" "$fx" -- "$d/crack.wav" "$d/ping.wav"
  done
  # knife: a swish of band-passed noise sliding upwards, then a short ring.
  snd "$d/swish.wav" synth 0.28 whitenoise synth 0.28 sine amod 8 fade q 0.06 0.28 0.12 gain -4 sinc 2500-7000
  snd "$d/ring.wav" synth 0.2 sine "$(awk -v f="$f" 'BEGIN { printf "%.0f", f * 5.3 }')" fade q 0 0.2 0.19 vol 0.5
  join_snd "$d/knife.wav" "$fx" -- "$d/swish.wav" "$d/ring.wav"
  # first_blood: two heart beats, then a rising sweep.
  snd "$d/beat.wav" synth 0.12 sine 55 fade q 0.005 0.12 0.1 pad 0 0.06
  snd "$d/rise.wav" synth 0.45 "$wave" "$(awk -v f="$f" 'BEGIN { printf "%.0f-%.0f", f / 2, f * 2 }')" fade q 0.02 0.45 0.15
  join_snd "$d/first_blood.wav" "$fx" -- "$d/beat.wav" "$d/beat.wav" "$d/rise.wav"
  rm -f "$d"/n*.wav "$d"/tail.wav "$d"/crack.wav "$d"/ping.wav "$d"/swish.wav "$d"/ring.wav "$d"/beat.wav "$d"/rise.wav
}

# Radio calls: a squelch click, syllables of a band-limited buzzing voice whose
# pitch follows the call, and a squelch tail.
make_radio() {
  local d=$tmp/snd/radio call p i parts
  mkdir -p "$d"
  snd "$d/click.wav" synth 0.04 whitenoise gain -4 sinc 400-3200 fade q 0 0.04 0.03 vol 0.7
  snd "$d/hiss.wav" synth 0.12 whitenoise gain -4 sinc 600-3000 fade q 0.01 0.12 0.1 vol 0.35
  for call in 'go_go_go:150 150 170' 'cover_me:140 175' 'enemy_spotted:160 150 140 175' \
    'fire_in_the_hole:170 170 150 140 130' 'need_backup:145 160 135' 'roger:150 120' \
    'enemy_spotted.again:190 180 170 205'; do
    parts=("$d/click.wav"); i=0
    for p in ${call#*:}; do
      snd "$d/s$i.wav" synth 0.12 sawtooth "$p-$((p + 25))" synth 0.12 sine amod 28 \
        gain -4 sinc 300-3000 fade q 0.015 0.12 0.04 pad 0 0.03
      parts+=("$d/s$i.wav"); i=$((i + 1))
    done
    join_snd "$d/radio_${call%%:*}.wav" 'overdrive 8' -- "${parts[@]}" "$d/hiss.wav"
    rm -f "$d"/s*.wav
  done
  rm -f "$d/click.wav" "$d/hiss.wav"
}

# --- the World Cup advert the tool copies into the game as System\ad.bmp -------
make_advert() {
  local stripes=() i ball=() a x y
  for i in 0 2 4 6 8 10 12 14; do stripes+=(-draw "rectangle $((i * 18)),0 $((i * 18 + 17)),128"); done
  # The ball: a black pentagon in the middle, seams to five patches cut by the rim.
  ball=(-fill '#111111' -draw "$(star 206 64 12 9.7 5)")
  for i in 0 1 2 3 4; do
    read -r x y < <(awk -v i=$i 'BEGIN { pi = atan2(0, -1); a = (i * 72 - 90) * pi / 180
      printf "%.1f %.1f\n", 206 + 36 * cos(a), 64 + 36 * sin(a) }')
    ball+=(-draw "$(star "$x" "$y" 11 8.9 5 $((i * 72 + 36)))")
    ball+=(-stroke '#111111' -strokewidth 1.5 -draw "$(awk -v i=$i 'BEGIN { pi = atan2(0, -1); a = (i * 72 - 90) * pi / 180
      printf "line %.1f,%.1f %.1f,%.1f", 206 + 12 * cos(a), 64 + 12 * sin(a), 206 + 25 * cos(a), 64 + 25 * sin(a) }')" -stroke none)
  done
  mkdir -p "$tmp/advert"
  im -size 256x128 gradient:'#3FB85A-#13602A' -fill 'rgba(255,255,255,0.08)' "${stripes[@]}" \
    -fill none -stroke 'rgba(255,255,255,0.5)' -strokewidth 2 -draw 'circle 206,64 206,104' -draw 'line 206,0 206,128' \
    -stroke none -fill 'rgba(0,0,0,0.35)' -draw 'ellipse 209,99 30,6 0,360' \
    \( -size 256x128 xc:none -fill white -draw 'circle 206,64 206,30' "${ball[@]}" \
       \( -size 256x128 xc:none -fill white -draw 'circle 206,64 206,30' \) -compose DstIn -composite \) \
    -compose over -composite \
    -fill none -stroke '#0B3A18' -strokewidth 2 -draw 'circle 206,64 206,30' \
    -stroke none -fill 'rgba(255,255,255,0.35)' -draw 'ellipse 196,50 10,6 -30,330' \
    -font "$font" -pointsize 38 -fill '#0B3A18' -annotate +16+56 '世界杯' \
    -fill '#FFD84A' -stroke '#7A5A08' -strokewidth 1 -annotate +14+53 '世界杯' \
    -stroke none -fill white -pointsize 17 -annotate +16+82 '绿茵狂欢 击杀有礼' \
    -fill '#FFD84A' -draw 'roundrectangle 14,94 164,116 6,6' \
    -fill '#0B3A18' -pointsize 13 -annotate +22+110 '徽光坊 世界杯专版图标' \
    -fill none -stroke '#F5C542' -strokewidth 2 -draw 'rectangle 1,1 254,126' \
    -alpha off -type TrueColor -depth 8 -compress None "BMP3:$tmp/advert/yinshanad.bmp"
}

# --- previews of the sets, 203x176, shown by the program ------------------------
# id, file, name, backdrop top and bottom, accent. The side textures sit lower
# than the middle one so that every label stays readable.
preview_list=(
  't2|t2|猎鹰团|#24467E|#0A1428|#E8B923'
  't3|t3|血色刀锋|#5A0A10|#12040A|#FF4A4A'
  't4|t4|阿狸图标|#FFC98A|#E0702C|#FF6FA5'
  't5|t5|怪兽大学|#4A2A9A|#160A3A|#A8F060'
  't6|t6|联盟战士|#2A5AA0|#0A1A3A|#E4E9F2'
  't7|t7|魂儿喵喵|#E8A8E0|#7A3A9A|#FFFFFF'
  't8|t8|雷蛇之怒|#2A2050|#08060F|#FFE23A'
  't9|t9|幽灵军团|#22305A|#05070F|#6FFFF2'
  't10|t10|圣诞狂欢|#1F6A34|#0A2A14|#F2C14E'
  't12|t12|卡通骷髅|#4A4A50|#121214|#FFD21F'
  't13|t13|终极火力|#7A2A08|#1A0804|#FFB02E'
  'wordball|wordball|世界杯|#1E3E74|#061028|#F5C542'
  'gate1|gate|魔法之门|#3A1A6A|#0A0418|#E6C8FF'
)
preview_shown=(HUD_Cheer_gun_twokill HUD_Cheer_gun_headshot HUD_Cheer_knife_kill)

make_preview() { # entry
  local id file name bg1 bg2 accent t=() w=203 h=176
  IFS='|' read -r id file name bg1 bg2 accent <<<"$1"
  local k
  for k in "${preview_shown[@]}"; do t+=("$tmp/$id/tex/$k.tga"); done
  local dst=$previews/$file.png
  im -size ${w}x$h gradient:"$bg1-$bg2" \
    \( -size 320x320 radial-gradient:'rgba(255,255,255,0.30)-rgba(255,255,255,0)' -crop ${w}x$h+58+92 +repage \) -compose over -composite \
    \( -size ${w}x$h xc:none -fill none -stroke 'rgba(255,255,255,0.07)' -strokewidth 1 \
       -draw "$(awk -v w=$w -v h=$h 'BEGIN { for (x = -h; x < w; x += 9) printf "line %d,%d %d,%d ", x, h, x + h, 0 }')" \) -compose over -composite \
    \( "${t[0]}" -resize 76x76 \) -geometry +1+60 -composite \
    \( "${t[2]}" -resize 76x76 \) -geometry +126+60 -composite \
    \( "${t[1]}" -resize 104x104 \) -geometry +49+3 -composite -geometry +0+0 \
    -fill 'rgba(0,0,0,0.55)' -draw "rectangle 0,142 $w,$h" \
    -fill "$accent" -draw "rectangle 0,141 $w,142" \
    -font "$font" -pointsize 21 -gravity south -fill 'rgba(0,0,0,0.7)' -annotate +1+5 "$name" \
    -fill white -annotate +0+6 "$name" -gravity northwest \
    -fill none -stroke 'rgba(0,0,0,0.6)' -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
    -stroke 'rgba(255,255,255,0.18)' -draw "rectangle 1,1 $((w - 2)),$((h - 2))" \
    -alpha off "${png_opts[@]}" "PNG24:$dst"
}

# --- run ------------------------------------------------------------------------
styles=(t2 t3 t4 t5 t6 t7 t8 t9 t10 t12 t13 wordball gate1)
spawn make_sounds feihu square 392 'overdrive 6 gain -4'
spawn make_sounds cso sine 660 'echo 0.8 0.7 40 0.3'
spawn make_sounds xingyu triangle 880 'tremolo 14 40 echo 0.8 0.8 90 0.35'
spawn make_sounds dalian sawtooth 220 'flanger 0 3 0 70 1.5 sine 50 lin'
spawn make_radio
spawn make_advert
for id in "${styles[@]}"; do spawn make_textures "$id"; done
wait_all

# pack DEST SOURCE[:ENTRY]...: a ZIP at OUT_DIR/DEST with the sources as
# top-level entries in the given order, dated $stamp, without extra fields.
pack() {
  local dest=$out/$1 stage=$tmp/stage src entry names=()
  shift
  rm -rf "$stage" "$dest"
  mkdir -p "$stage" "$(dirname "$dest")"
  for src; do
    entry=${src##*:}; [ "$entry" != "$src" ] || entry=$(basename "$src")
    src=${src%%:*}
    cp "$src" "$stage/$entry"
    chmod 644 "$stage/$entry"
    touch -d "$stamp" "$stage/$entry"
    names+=("$entry")
  done
  (cd "$stage" && zip -X -D -q "$dest" "${names[@]}")
  touch -d "$stamp" "$dest"
}

# place DEST SOURCE: a file copied as is.
place() {
  mkdir -p "$(dirname "$out/$1")"
  cp "$2" "$out/$1"
  chmod 644 "$out/$1"
  touch -d "$stamp" "$out/$1"
}

# Kill-icon sets. Two archives: names 1-10, then 11-20 and the marked copy
# of $again, which thus replaces the first archive's one.
textures_of() { # id from to
  local i name
  for ((i = $2; i <= $3; i++)); do
    name=${kinds[i - 1]%%|*}
    printf '%s\n' "$tmp/$1/tex/$name.tga"
  done
}
kill_two() { # id first second
  local a b
  mapfile -t a < <(textures_of "$1" 1 10)
  mapfile -t b < <(textures_of "$1" 11 20)
  pack "$2" "${a[@]}"
  pack "$3" "${b[@]}" "$tmp/$1/tex/$again.again.tga:$again.tga"
}
kill_one() { # id archive
  local a
  mapfile -t a < <(textures_of "$1" 1 20)
  pack "$2" "${a[@]}"
}
kill_two t2 tagvox.com/b0.dat sound/down2_core.ui
kill_two t3 tagvox.com/c91.dat tagvox.com/c92.dat
kill_two t4 tagvox.com/c93.dat tagvox.com/c94.dat
for i in "${!kinds[@]}"; do
  place "tagvox.com/b$((i + 1)).ini" "$tmp/t5/tex/${kinds[i]%%|*}.tga"
done
kill_one t6 tagvox.com/b.dat
kill_one t7 imgdata/tagvox_07.dat
kill_one t8 imgdata/tagvox_08.dat
kill_two t9 imgdata/tagvox_04.dat sound/down_core.dat
kill_two t10 imgdata/tagvox_01.dat sound/down2_core.dat
kill_two t12 imgdata/tagvox_09.dat sound/down31_core.dat
kill_two t13 imgdata/yinshan_1.dat sound/down32_core.dat
kill_two wordball imgdata/tagvox_ball.dat sound/down_ball.dat
kill_two gate1 imgdata/gdi_color1.ui tagvox.com/c1.ui

# Sound sets. Two archives: four sounds each, headshot in both (the marked
# copy in the second).
sounds_first=(kill_1 kill_2 kill_3 headshot)
sounds_second=(kill_4 kill_5 knife first_blood)
sound_two() { # id first second
  local d=$tmp/snd/$1 a=() b=() s
  for s in "${sounds_first[@]}"; do a+=("$d/$s.wav"); done
  for s in "${sounds_second[@]}"; do b+=("$d/$s.wav"); done
  pack "$2" "${a[@]}"
  pack "$3" "${b[@]}" "$d/headshot.again.wav:headshot.wav"
}
sound_one() { # id archive
  local d=$tmp/snd/$1 a=() s
  for s in "${sounds_first[@]}" "${sounds_second[@]}"; do a+=("$d/$s.wav"); done
  pack "$2" "${a[@]}"
}
sound_two feihu sound/Core3.dat sound/bx3.wav
sound_one cso sound/bx1.wav
sound_two xingyu sound/Core1.dat sound/bx.wav
sound_two dalian sound/Core2.dat sound/bx2.wav
r=$tmp/snd/radio
pack imgdata/dat_wav1.ui "$r/radio_go_go_go.wav" "$r/radio_cover_me.wav" "$r/radio_enemy_spotted.wav"
pack sound/y1.ui "$r/radio_fire_in_the_hole.wav" "$r/radio_need_backup.wav" "$r/radio_roger.wav" \
  "$r/radio_enemy_spotted.again.wav:radio_enemy_spotted.wav"

# The readme of the texture folder: GBK with Windows line ends, as the game's
# players read it in Notepad.
sed 's/$/\r/' "$here/packs/sm.txt" | iconv -f UTF-8 -t GBK >"$tmp/sm.inf"
place tagvox.com/sm.inf "$tmp/sm.inf"
place imgdata/yinshanad.ini "$tmp/advert/yinshanad.bmp"

if [ -n "$previews" ]; then
  mkdir -p "$previews"
  for entry in "${preview_list[@]}"; do spawn make_preview "$entry"; done
  wait_all
fi

# --- checks -----------------------------------------------------------------------
fail() { echo "make-packs: $*" >&2; exit 1; }
# Every texture: 255x255, 32 bits per pixel with 8 alpha bits (TGA header bytes 16, 17).
for f in "$tmp"/*/tex/*.tga; do
  [ "$(od -An -tu1 -j12 -N6 "$f" | tr -s ' ')" = ' 255 0 255 0 32 8' ] || fail "$f is not a 255x255 32-bit TGA with alpha"
done
# Every sound: PCM, mono, 22050 Hz, 16 bits (the fmt chunk of a plain WAV header).
for f in "$tmp"/snd/*/*.wav; do
  [ "$(od -An -tu2 -j20 -N4 "$f" | tr -s ' ')$(od -An -tu4 -j24 -N4 "$f" | tr -s ' ')$(od -An -tu2 -j34 -N2 "$f" | tr -s ' ')" = ' 1 1 22050 16' ] ||
    fail "$f is not 16-bit PCM mono 22050 Hz"
done
# The advert: a Windows bitmap, 256x128, 24 bits per pixel.
[ "$(head -c 2 "$out/imgdata/yinshanad.ini")$(od -An -tu4 -j18 -N8 "$out/imgdata/yinshanad.ini" | tr -s ' ')$(od -An -tu2 -j28 -N2 "$out/imgdata/yinshanad.ini" | tr -s ' ')" = 'BM 256 128 24' ] ||
  fail "yinshanad.ini is not a 256x128 24-bit BMP"
if [ -n "$previews" ]; then
  for entry in "${preview_list[@]}"; do
    IFS='|' read -r _ file _ <<<"$entry"
    [ "$(im "$previews/$file.png" -format '%wx%h' info:)" = 203x176 ] || fail "preview $file.png is not 203x176"
  done
fi
echo "make-packs: packs written to $out${previews:+, previews to $previews}"
