#!/usr/bin/env bash
# Runs every test: the native suites, the Windows suites under Wine (with a
# virtual display when there is none) and a bounded fuzzing run of the ZIP
# reader. Installs what it needs first. Reports land in out/test-results.
set -uo pipefail
cd "$(dirname "$0")/.."
SETUP=test tools/build.sh || { echo "0 passed, 1 failed"; exit 1; }

results=$PWD/out/test-results
rm -rf "$results"
mkdir -p "$results/native" "$results/win64"

source tools/wine-session.sh
start_wine_session
trap stop_wine_session EXIT

# Test cases report through their XML files; a suite that fails without one
# (a crash) is counted here.
record() { echo "$1 $2" >>"$results/steps.results"; }

GTEST_OUTPUT="xml:$results/native/" ctest --test-dir build/native --output-on-failure -j2 ||
  record "native suites exited with failure" FAIL

win_results="Z:$(echo "$results/win64/" | tr / '\\')"
GTEST_OUTPUT="xml:$win_results" ctest --test-dir build/win64 --output-on-failure ||
  record "Windows suites under Wine exited with failure" FAIL

# The real program driven through its windows under Wine, on the demo game.
HUIGUANG_WINE_SESSION=1 E2E_RESULTS="$results/e2e" tests/e2e/run-e2e.sh ||
  record "end-to-end run under Wine exited with failure" FAIL

if [ -x tools/fuzz-zip.sh ]; then
  tools/fuzz-zip.sh "${FUZZ_SECONDS:-60}" && record "ZIP reader fuzzing" PASS || record "ZIP reader fuzzing" FAIL
fi

python3 tools/count-results.py "$results"
