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
cmake -S "$root" -B build/run -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DVC_TESTS=OFF \
  -DVC_HOST_SKINPACK="$root/build/run-tools/tools/skinpack" >/dev/null
cmake --build build/run --target VoiceCalc -j"$(nproc)"

export WINE_ROOT="$root/build/run"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# The voices play through the user's own sound server when there is one; with
# none the keys are silent and work as ever. The voice files have Chinese
# names, which only a Chinese locale lets the program open.
# shellcheck source=scripts/zh-locale.sh
source scripts/zh-locale.sh
zh_locale "$root/build/run/locale" || echo "run: no zh_CN.UTF-8 locale: keys with Chinese voice file names stay silent" >&2
wine_env_display
wine_env_prefix
echo "VoiceCalc on display $DISPLAY"
env "${ZH_LOCALE_ENV[@]}" wine build/run/app/VoiceCalc.exe
wine_env_stop
