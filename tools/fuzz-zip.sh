#!/usr/bin/env bash
# Fuzzes the ZIP reader (central directory, name check, entry data) under
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   tools/fuzz-zip.sh [seconds]      default 60
#
# Builds build/fuzz/zip_fuzz with clang, seeds it with small archives from
# zip, python3, bsdtar and 7z, and runs it; exits non-zero when it finds a crash
# (the input is saved as build/fuzz/crash-*). The corpus in build/fuzz/corpus
# grows from run to run.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
mkdir -p "$out/corpus"

echo "building $out/zip_fuzz"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/host/zip_archive.cpp" "$root/host/path.cpp" "$root/host/text.cpp" \
  "$root/tests/fuzz/zip_fuzz.cpp" -lz -o "$out/zip_fuzz"

make_seeds() {
  local seeds=$1 work
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  mkdir -p "$work/src/deep/er" "$work/src/中文" "$work/src/emptyfolder" "$seeds"
  printf 'hello\r\n' > "$work/src/a.txt"
  : > "$work/src/empty.dat"
  head -c 3000 /dev/urandom > "$work/src/deep/er/noise.bin"
  printf 'line %s\n' $(seq 1 200) > "$work/src/deep/lines.txt"
  printf 'texture' > "$work/src/中文/贴图.tga"
  ln -s ../a.txt "$work/src/deep/link"
  (
    export LC_ALL=C.UTF-8
    cd "$work/src"
    zip -q -r -y "$seeds/infozip.zip" .
    zip -q -r -D "$seeds/infozip-nofolders.zip" .
    zip -q -r -0 "$seeds/infozip-stored.zip" .
    python3 "$root/tests/zip/stream_zip.py" . "$seeds/python-stream.zip"
    python3 "$root/tests/zip/stream_zip.py" . "$seeds/python-zip64.zip" zip64
    bsdtar --format zip -cf "$seeds/bsdtar.zip" .
    7z a -tzip "$seeds/7z.zip" . > /dev/null
    echo "a comment" | zip -q -z "$seeds/infozip.zip"
  )
}

seeds=$out/seeds
if [ ! -d "$seeds" ]; then
  echo "making seed archives in $seeds"
  make_seeds "$seeds"
fi

# The record signatures, so mutations find the structures sooner.
cat > "$out/zip.dict" <<'DICT'
"PK\x03\x04"
"PK\x01\x02"
"PK\x05\x06"
"PK\x06\x06"
"PK\x06\x07"
"PK\x07\x08"
"\x01\x00"
"UT"
"\x0a\x00"
"\xff\xff\xff\xff"
DICT

echo "fuzzing for ${seconds} s"
log=$out/last-run.log
status=0
"$out/zip_fuzz" -max_total_time="$seconds" -timeout=10 -dict="$out/zip.dict" \
  -artifact_prefix="$out/" -print_final_stats=1 "$out/corpus" "$seeds" > "$log" 2>&1 || status=$?
grep -E '^#[0-9]+[[:space:]]+DONE|ERROR|SUMMARY|Test unit written|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
  "$log" || true
if [ "$status" -ne 0 ]; then
  echo "zip_fuzz found a problem (exit $status); see $log" >&2
  exit "$status"
fi
echo "no crash in ${seconds} s; corpus: $(ls "$out/corpus" | wc -l) inputs"
