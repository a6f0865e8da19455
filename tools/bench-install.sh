#!/usr/bin/env bash
# Times pack installs beyond their fixed pauses: the demo packs, and a pack of
# twenty 256 KiB textures in each of two archives. A benchmark, not a test.
# Target: the work beyond the pauses stays under 10 % of the pauses.
#   tools/bench-install.sh [runs]     default 7
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/bench
runs=${1:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHUIGUANG_TESTS=OFF >/dev/null
ninja -C "$build" -j2 install_bench >/dev/null

# The demo packs, as the distribution ships them.
"$root/tools/make-packs.sh" "$work/demo" >/dev/null
# Twenty 256 KiB textures in each of two archives, under the names of one set:
# the demo's loose textures in one, the one-archive set's textures in the other.
python3 - "$work/demo" "$work/big" <<'PY'
import os, sys, zipfile
demo, root = sys.argv[1], sys.argv[2]
loose = [open(os.path.join(demo, "tagvox.com", f"b{n}.ini"), "rb").read() for n in range(1, 21)]
with zipfile.ZipFile(os.path.join(demo, "tagvox.com", "b.dat")) as one:
    other = [one.read(name) for name in one.namelist()]
for folder, name, textures in (("imgdata", "tagvox_04.dat", loose), ("sound", "down_core.dat", other)):
    os.makedirs(os.path.join(root, folder), exist_ok=True)
    with zipfile.ZipFile(os.path.join(root, folder, name), "w", zipfile.ZIP_DEFLATED) as archive:
        for n, data in enumerate(textures):
            assert len(data) >= 256 * 1024 - 4096, len(data)
            archive.writestr(f"texture_{n:02}.tga", data)
PY

echo "demo packs:"
"$build/bench/install_bench" "$work/demo" "$runs" t2:ok2 t6:ok6 t5:ok5 y6:sound6 y3:sound3
echo "twenty 256 KiB textures in each of two archives:"
"$build/bench/install_bench" "$work/big" "$runs" t9:ok9
