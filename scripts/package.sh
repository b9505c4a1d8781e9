#!/usr/bin/env bash
# Builds the release program and packs it for users, in build/package/:
#   VoiceCalc-<version>-setup.exe     Windows installer (NSIS; Chinese and English)
#   VoiceCalc-<version>-portable.zip  the same files in a folder VoiceCalc-<version>/
# Both hold VoiceCalc.exe (the stripped release program), Sound\ (the voices)
# and dark.skn (the second skin, loadable at run time). The release build
# uses the options test.sh uses; the native skinpack packs the skins.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

scripts/setup-debian.sh

skinpack="$root/build/native/tools/skinpack"
cmake -S "$root" -B build/native >/dev/null
cmake --build build/native --target skinpack -j"$jobs"
cmake -S "$root" -B build/release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVC_TESTS=OFF -DVC_HOST_SKINPACK="$skinpack" >/dev/null
cmake --build build/release --target VoiceCalc -j"$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
[ -n "$version" ] || { echo "package: no project version in build/release/CMakeCache.txt" >&2; exit 1; }
out="$root/build/package"
name="VoiceCalc-$version"
stage="$out/$name"
setup="$out/$name-setup.exe"
archive="$out/$name-portable.zip"

# Names on disk and in the zip are UTF-8 (the voices have Chinese names).
export LC_ALL=C.UTF-8

# One folder of what ships; the installer and the zip are both made from it.
rm -rf "$stage" "$setup" "$archive"
mkdir -p "$stage/Sound"
cp build/release/app/VoiceCalc.exe build/release/app/dark.skn "$stage/"
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

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DSOUND_LIST="$sounds" \
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
