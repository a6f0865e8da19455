#!/usr/bin/env bash
# Builds both targets: build/native (g++, POSIX backend) and build/win64
# (mingw-w64, the Windows program and its test programs).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh "${SETUP:-build}"

jobs=${JOBS:-2}
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
ninja -C build/native -j"$jobs"
ninja -C build/win64 -j"$jobs"
