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
# no display). WIN64_BUILD names another Windows build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd -P)
cd "$root"
win64=$(realpath -m "${WIN64_BUILD:-build/win64}")
results=$(realpath -m "${E2E_RESULTS:-out/test-results/e2e}")
shots=$root/out/test-results/screenshots
scratch=$root/build/e2e-run

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

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
export E2E_TOOL E2E_GAME E2E_SHORTCUT E2E_SHOTS
E2E_TOOL=$(winpath "$scratch/dist/徽光坊")
E2E_GAME=$(winpath "$scratch/demo-game/反恐行动")
E2E_SHORTCUT=$(winpath "$scratch/demo-game/反恐行动.lnk")
E2E_SHOTS=$(winpath "$shots")
GTEST_OUTPUT="xml:$(winpath "$results/")" "$WINE" "$win64/tests/e2e/e2e_driver.exe" "$@"
