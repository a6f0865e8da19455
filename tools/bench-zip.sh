#!/usr/bin/env bash
# Times ExtractZip against Info-ZIP unzip on the same archives in the same run:
# two packs of twenty 256 KiB textures and one 200 MiB file. Prints median
# times, the ratio ours/unzip and peak memory. A benchmark, not a test.
#
#   tools/bench-zip.sh [runs] [big-runs]     defaults 15 and 5
#
# Builds build/bench (Release, no tests); the archives are made once in
# build/bench-data and reused.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/bench
runs=${1:-15}
big_runs=${2:-5}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHUIGUANG_TESTS=OFF > /dev/null
if ! ninja -C "$build" -t targets all | grep -q '^extract_zip_cli:'; then
  echo "the build has no extract_zip_cli: CMakeLists.txt must add_subdirectory(bench)" >&2
  exit 1
fi
ninja -C "$build" -j2 extract_zip_cli > /dev/null

python3 "$root/bench/bench_zip.py" "$build/bench/extract_zip_cli" "$root/build/bench-data" \
  --runs "$runs" --big-runs "$big_runs"
