#!/usr/bin/env bash
# Installs every package the project needs, and any named as arguments (the
# tools of one command alone). Safe to run again: it only calls apt-get when
# something is missing.
set -euo pipefail

packages=(
  cmake make g++ git
  googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64
  xvfb xauth
  # The condensed face the skinned captions fall back to under Wine.
  fonts-dejavu-extra
  # JPEG output of the host tool that renders the skin's pictures.
  libjpeg-dev
  # The release: the installer and the portable zip.
  nsis zip
  # The fuzz targets: clang, and libFuzzer with the sanitizer runtimes.
  clang libclang-rt-14-dev
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
