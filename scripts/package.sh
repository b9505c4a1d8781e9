#!/usr/bin/env bash
# Builds the release program and packs it for users, in build/package/:
#   scripts/package.sh [i686|x86_64]
# i686 (the default) is the program that ships; x86_64 packs the 64-bit
# program instead, in build/package-x86_64/, for machines that run no
# 32-bit programs.
#   VoiceCalc-<version>-setup.exe     Windows installer (NSIS; Chinese and English)
#   VoiceCalc-<version>-portable.zip  the same files in a folder VoiceCalc-<version>/
# Both hold VoiceCalc.exe (the stripped release program), Sound\ (the voices)
# and dark.skn (the second skin, loadable at run time). The release build
# uses the options test.sh uses; the native skinpack packs the skins.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
arch=${1:-i686}
case "$arch" in
  i686) suffix= nsis_arch=() ;;
  x86_64) suffix=-x86_64 nsis_arch=(-DWIN64) ;;
  *) echo "package: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac
release="build/release$suffix"

scripts/setup-debian.sh

skinpack="$root/build/native/tools/skinpack"
cmake -S "$root" -B build/native >/dev/null
cmake --build build/native --target skinpack -j"$jobs"
cmake -S "$root" -B "$release" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVC_TESTS=OFF -DVC_HOST_SKINPACK="$skinpack" >/dev/null
cmake --build "$release" --target VoiceCalc -j"$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no project version in $release/CMakeCache.txt" >&2; exit 1; }
out="$root/build/package$suffix"
name="VoiceCalc-$version"
stage="$out/$name"
setup="$out/$name-setup.exe"
archive="$out/$name-portable.zip"

# Names on disk and in the zip are UTF-8 (the voices have Chinese names).
export LC_ALL=C.UTF-8

# One folder of what ships; the installer and the zip are both made from it.
rm -rf "$stage" "$setup" "$archive"
mkdir -p "$stage/Sound"
cp "$release/app/VoiceCalc.exe" "$release/app/dark.skn" "$stage/"
cp Sound/*.wav "$stage/Sound/"

# The voices by name, for the installer to install and its uninstaller to
# remove (and nothing else in Sound\).
sounds="$out/sound-files.nsh"
{
  echo '!macro VC_INSTALL_SOUNDS'
  for f in "$stage"/Sound/*.wav; do echo "  File \"$f\""; done
  echo '!macroend'
  echo '!macro VC_REMOVE_SOUNDS'
  for f in "$stage"/Sound/*.wav; do echo "  Delete \"\$INSTDIR\\Sound\\$(basename "$f")\""; done
  echo '!macroend'
} >"$sounds"

makensis -V2 -INPUTCHARSET UTF8 "${nsis_arch[@]}" -DVERSION="$version" -DSTAGE="$stage" -DSOUND_LIST="$sounds" \
  -DICON="$root/app/res/VoiceCalc.ico" -DOUTFILE="$setup" installer/VoiceCalc.nsi

# Python's zipfile marks non-ASCII names as UTF-8 (flag bit 11), which
# Windows reads; Info-ZIP's zip leaves them unmarked, shown garbled there.
python3 - "$stage" "$archive" <<'PY'
import os, sys, zipfile
stage, archive = sys.argv[1], sys.argv[2]
top = os.path.dirname(stage)
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for folder, dirs, files in os.walk(stage):
        dirs.sort()
        z.write(folder, os.path.relpath(folder, top))
        for f in sorted(files):
            path = os.path.join(folder, f)
            z.write(path, os.path.relpath(path, top))
PY

for f in "$setup" "$archive"; do echo "$f: $(stat -c %s "$f") bytes"; done
