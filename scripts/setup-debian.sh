#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian machine, once.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 xvfb x11-apps x11-utils xdotool imagemagick
  fonts-wqy-microhei pulseaudio pulseaudio-utils sox nsis python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages: ${missing[*]}; run as root or install them" >&2
  exit 1
fi
echo "setup: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
