#!/usr/bin/env bash
# Installs what it needs, builds the tool's folder and the demo game
# (tools/make-dist.sh), and starts 徽光坊 under Wine from out/dist/徽光坊,
# ready to be pointed at the demo game. Without a display it runs on a
# virtual one (Xvfb) and says how to look at it. Ends when the program ends
# (or on Ctrl+C). Every run lays both folders out afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
tools/setup-debian.sh run

source tools/wine-session.sh
had_display=${DISPLAY:-}
start_wine_session || true  # it ends with a pipeline that set -e would take for a failure
trap stop_wine_session EXIT
export HUIGUANG_WINE_SESSION=1

tools/make-dist.sh

tool=$root/out/dist/徽光坊
game=$root/out/demo-game/反恐行动
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
cat <<NOTE

徽光坊:     $tool/huiguang.exe
Demo game: $game
           (its MatOnline.exe starts the game mat.exe, which the lamp watches)
Shortcut:  $root/out/demo-game/反恐行动.lnk
Point 徽光坊 at the game by dropping the shortcut on its window, or with
"选择 MatOnline.exe" choose $(winpath "$game/MatOnline.exe")
Start the demo game from another shell:
  WINEPREFIX=$WINEPREFIX LC_ALL=zh_CN.UTF-8 DISPLAY=$DISPLAY $WINE '$(winpath "$game/MatOnline.exe")'
NOTE
if [ -z "$had_display" ]; then
  cat <<NOTE

There is no display: the window is on the virtual display $DISPLAY (Xvfb).
Take a screenshot from another shell with ImageMagick (Debian package imagemagick):
  DISPLAY=$DISPLAY import -window root screenshot.png
NOTE
fi
echo
cd "$tool"
"$WINE" huiguang.exe
