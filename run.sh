#!/usr/bin/env bash
# Builds the calculator and starts it under Wine on this display (or on a
# virtual one when there is none), in the folder that holds Sound\.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

scripts/setup-debian.sh
# A native skinpack packs the shipped skin into the program at build time.
cmake -S "$root" -B build/run-tools -DVC_TESTS=OFF >/dev/null
cmake --build build/run-tools --target skinpack -j"$(nproc)"
# The 32-bit program, or the 64-bit one where this machine runs no 32-bit programs.
cmake -S "$root" -B build/run -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$(scripts/windows-arch.sh).cmake" -DVC_TESTS=OFF \
  -DVC_HOST_SKINPACK="$root/build/run-tools/tools/skinpack" >/dev/null
cmake --build build/run --target VoiceCalc -j"$(nproc)"

export WINE_ROOT="$root/build/run"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# The voices play through the user's own sound server when there is one; with
# none the keys are silent and work as ever. Wine sees the Chinese voice file
# names only under a UTF-8 locale.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
wine_env_display
wine_env_prefix
echo "VoiceCalc on display $DISPLAY"
wine build/run/app/VoiceCalc.exe
wine_env_stop
