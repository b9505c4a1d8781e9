#!/usr/bin/env bash
# Builds the calculator and starts it under Wine on this display (or on a
# virtual one when there is none), in the folder that holds Sound\.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

scripts/setup-debian.sh
cmake -S "$root" -B build/run -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DVC_TESTS=OFF >/dev/null
cmake --build build/run --target VoiceCalc -j"$(nproc)"

export WINE_ROOT="$root/build/run"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
wine_env_display
wine_env_prefix
echo "VoiceCalc on display $DISPLAY"
wine build/run/app/VoiceCalc.exe
wine_env_stop
