#!/usr/bin/env bash
# Installs the Debian packages a step needs, only if some are missing.
#   tools/setup-debian.sh build|test
set -euo pipefail

build_packages=(cmake ninja-build g++ zlib1g-dev googletest
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev)
run_packages=(wine64 xvfb x11-utils locales fonts-wqy-microhei sox libsox-fmt-base
  imagemagick fonts-dejavu-core zip)
test_packages=(unzip libarchive-tools p7zip-full python3 time clang libclang-rt-14-dev)

step=${1:-}
case "$step" in
  build) wanted=("${build_packages[@]}") ;;
  run) wanted=("${build_packages[@]}" "${run_packages[@]}") ;;
  test) wanted=("${build_packages[@]}" "${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 build|run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine shows Chinese only with a Chinese locale, whose ANSI code page is 936.
if [ "$step" != build ] && ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
