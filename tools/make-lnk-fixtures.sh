#!/usr/bin/env bash
# Remakes the shortcut files under tests/data/lnk with the shell's own link
# object under Wine, from the Windows build's make_shortcut.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build/win64/tests/make_shortcut.exe
[ -f "$exe" ] || { echo "build the Windows target first (tools/build.sh)" >&2; exit 1; }
out=tests/data/lnk
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
make() { /usr/lib/wine/wine64 "$exe" "Z:$(pwd -P | tr / '\\')\\${out//\//\\}\\$1" "${@:2}"; }
make plain.lnk 'D:\Games\MAT\MatOnline.exe'
make arguments.lnk 'D:\Games\MAT\MatOnline.exe' '-console "x y"'
make chinese.lnk 'D:\游戏\反恐行动\MatOnline.exe'
make lowercase.lnk 'E:\mat\matonline.EXE'
make notepad.lnk 'C:\windows\notepad.exe'
printf 'not a shortcut\n' > "$out/text.lnk"
ls -l "$out"
