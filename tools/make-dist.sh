#!/usr/bin/env bash
# Builds the Windows program and lays out, under out/ (or the folder given):
#   dist/徽光坊/            the tool's folder, as a user unpacks it
#   demo-game/反恐行动/     a demo install of the game's client to try the tool on
#   demo-game/反恐行动.lnk  the client's desktop shortcut, as Wine sees the client
# Both folders are made afresh on every run.
#
#   tools/make-dist.sh [--out DIR] [--no-build]
#
# WIN64_BUILD names another Windows build folder (default build/win64).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd -P)
cd "$root"

out=$root/out
build=yes
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$2; shift 2 ;;
    --no-build) build=no; shift ;;
    *) echo "usage: $0 [--out DIR] [--no-build]" >&2; exit 2 ;;
  esac
done
mkdir -p "$out"
out=$(cd "$out" && pwd -P)
win64=$(realpath -m "${WIN64_BUILD:-build/win64}")

if [ "$build" = yes ]; then
  tools/setup-debian.sh run
  if [ ! -f "$win64/build.ninja" ]; then
    cmake -S . -B "$win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
  fi
  ninja -C "$win64" -j"${JOBS:-2}"
fi

# ship SOURCE DEST: copies one file, or a folder with its content, into the
# folder being laid out; a missing source stops the script.
ship() {
  local source=$1 dest=$target/$2
  [ -e "$source" ] || { echo "make-dist: missing $source" >&2; exit 1; }
  mkdir -p "$(dirname "$dest")"
  cp -R "$source" "$dest"
}

# put DEST LINE...: writes a small text file with Windows line ends.
put() {
  mkdir -p "$(dirname "$target/$1")"
  printf '%s\r\n' "${@:2}" >"$target/$1"
}

# --- The tool's folder: what ships beside huiguang.exe. One line per file or
# folder; sources are in the Windows build or the repository.
dist=$out/dist/徽光坊
rm -rf "$dist"
mkdir -p "$dist"
target=$dist
ship "$win64/huiguang.exe" huiguang.exe
# The packs the program installs from beside itself: archives under imgdata\,
# sound\ and tagvox.com\, the loose textures, the texture folder's readme and
# the World Cup advert, generated afresh (the committed previews stay as they are).
tools/make-packs.sh --no-previews "$dist"

# --- The demo game: the client's programs, the folders the tool writes into,
# the music it replaces and the junk it cleans.
game_root=$out/demo-game
game=$game_root/反恐行动
rm -rf "$game_root"
mkdir -p "$game"
target=$game
ship "$win64/demo/MatOnline.exe" MatOnline.exe
ship "$win64/demo/mat.exe" mat.exe
# The mod folders are absent: the game has none until the tool makes them.
put System/thirdparty/ThirdParty.ini '[ThirdParty]' 'Enable=1' 'Sniper=1'
put userinfo.conf '[UserInfo]' 'MouseMacro=0' 'Sensitivity=10'
put mat.ini '[Keys]' 'Fire=Mouse1' 'Jump=Space' 'Crouch='
put user.ini '[User]' 'Name=DemoPlayer' 'Crosshair=1'

# Six tracks the music page replaces: name, then what sox synthesises for it.
music_tracks=(
  "server_music1.ogg|synth 4 sine 440 tremolo 4 60"
  "hall_music1.ogg|synth 4 triangle 330-660"
  "room_music1.ogg|synth 4 square 220 vol 0.3"
  "shop_music1.ogg|synth 4 pluck 523 pluck 659"
  "BD_music1.ogg|synth 4 sine 880-220 tremolo 8 40"
  "BD_music2.ogg|synth 4 sawtooth 147 vol 0.3 tremolo 2 80"
)
mkdir -p "$game/Music"
for track in "${music_tracks[@]}"; do
  # shellcheck disable=SC2086  # the effects are words for sox
  sox -n -r 44100 -c 2 "$game/Music/${track%%|*}" ${track#*|} fade 0.2 0 0.5
done

# The folders the cleaner empties, each with two small files.
junk_files=(
  update/patch_3.3.0.1.dat update/update.log
  MATScreen/MATScreen_0001.dat MATScreen/MATScreen_0002.dat
  Replay/replay_0001.rep Replay/replay_0002.rep
  log/client.log log/launcher.log
  KSafe/ksafe.dat KSafe/ksafe.log
  System/_clientnetwork2/network.log System/_clientnetwork2/session.dat
  System/_logs2/KFXClient/KFXClient.log System/_logs2/KFXClient/settings.dat
)
for file in "${junk_files[@]}"; do
  put "$file" "demo game placeholder: $file"
done

# The desktop shortcut, made by the shell's own link object under Wine.
shortcut=$game_root/反恐行动.lnk
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
source tools/wine-session.sh
if [ -z "${HUIGUANG_WINE_SESSION:-}" ]; then
  start_wine_session || true  # it ends with a pipeline that set -e would take for a failure
  trap stop_wine_session EXIT
fi
"$WINE" "$win64/tests/make_shortcut.exe" "$(winpath "$shortcut")" "$(winpath "$game/MatOnline.exe")"
[ -s "$shortcut" ] || { echo "make-dist: no shortcut made" >&2; exit 1; }

echo "tool:      $dist"
echo "demo game: $game"
echo "shortcut:  $shortcut"
