#!/usr/bin/env bash
# The end-to-end run: lays out the tool and the demo game in a scratch folder
# (tools/make-dist.sh --out), then e2e_driver.exe starts the real huiguang.exe
# there under Wine and works it through its windows.
#
#   tests/e2e/run-e2e.sh [GoogleTest options, e.g. --gtest_filter=GameLamp.*]
#
# GoogleTest XML goes to $E2E_RESULTS (default out/test-results/e2e), the
# screenshots to out/test-results/screenshots. Joins the caller's Wine session
# when HUIGUANG_WINE_SESSION is set, else runs its own (with Xvfb when there is
# no display). WIN64_BUILD names another Windows build folder, E2E_SCRATCH
# another scratch folder (so that two runs on one machine do not collide).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd -P)
cd "$root"
win64=$(realpath -m "${WIN64_BUILD:-build/win64}")
results=$(realpath -m "${E2E_RESULTS:-out/test-results/e2e}")
shots=$root/out/test-results/screenshots
scratch=$(realpath -m "${E2E_SCRATCH:-build/e2e-run}")

source tools/wine-session.sh
if [ -z "${HUIGUANG_WINE_SESSION:-}" ]; then
  tools/setup-debian.sh run
  start_wine_session || true  # it ends with a pipeline that set -e would take for a failure
  trap stop_wine_session EXIT
  export HUIGUANG_WINE_SESSION=1
fi

rm -rf "$scratch"
tools/make-dist.sh --out "$scratch"
mkdir -p "$results" "$shots"

# What the shipped packs hold, as another archiver reads them: each ZIP beside
# the tool unpacked by unzip into a folder of the same relative name, for the
# driver to compare the game's files with.
command -v unzip >/dev/null || { echo "run-e2e: needs unzip (apt-get install unzip)" >&2; exit 1; }
tool=$scratch/dist/徽光坊
packs=$scratch/packs
(cd "$tool" && find . -type f -printf '%P\n') | while read -r file; do
  [ "$(head -c 4 "$tool/$file" | od -An -tx1 | tr -d ' \n')" = 504b0304 ] || continue
  mkdir -p "$packs/$file"
  unzip -q "$tool/$file" -d "$packs/$file"
done

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
export E2E_TOOL E2E_GAME E2E_SHORTCUT E2E_SHOTS E2E_PACKS
E2E_TOOL=$(winpath "$tool")
E2E_GAME=$(winpath "$scratch/demo-game/反恐行动")
E2E_SHORTCUT=$(winpath "$scratch/demo-game/反恐行动.lnk")
E2E_SHOTS=$(winpath "$shots")
E2E_PACKS=$(winpath "$packs")
GTEST_OUTPUT="xml:$(winpath "$results/")" "$WINE" "$win64/tests/e2e/e2e_driver.exe" "$@"
