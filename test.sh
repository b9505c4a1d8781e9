#!/usr/bin/env bash
# Builds everything and runs every test headless: the native tests (plain and
# with sanitizers), the 64-bit Windows build, and the 32-bit Windows tests
# under Wine in a virtual display.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc)

scripts/setup-debian.sh

build() {  # build <dir> [cmake options…]
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

echo "== native"
build build/native
ctest --test-dir build/native --output-on-failure -j"$jobs"

echo "== native with AddressSanitizer and UndefinedBehaviorSanitizer"
build build/native-asan -DVC_SANITIZE=ON
ctest --test-dir build/native-asan --output-on-failure -j"$jobs"

# The Windows tests run under Wine as 32-bit programs, the architecture that
# ships; on a machine whose kernel runs no 32-bit programs, as 64-bit ones.
winarch=$(scripts/windows-arch.sh)
skinpack="$root/build/native/tools/skinpack"  # packs the shipped skin on this machine
if [ "$winarch" = i686 ]; then
  echo "== Windows x86_64 (build only)"
  build build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DVC_TESTS=OFF -DVC_HOST_SKINPACK="$skinpack"
  wintests=build/win32
  package=build/package
else
  echo "== this machine runs no 32-bit programs: the Windows tests run as 64-bit programs"
  wintests=build/win64
  package=build/package-x86_64
fi

echo "== Windows i686 release program (stripped, its debug information beside it), its installer and zip"
scripts/package.sh
release=build/release/app/VoiceCalc.exe
i686-w64-mingw32-objdump -h "$release" | grep -q '\.gnu_debuglink' || { echo "$release: no debug link" >&2; exit 1; }
i686-w64-mingw32-objdump -h "$release.debug" | grep -q '\.debug_info' || { echo "$release.debug: no debug information" >&2; exit 1; }
if i686-w64-mingw32-objdump -h "$release" | grep -q '\.debug_info'; then echo "$release: not stripped" >&2; exit 1; fi
echo "$release: $(stat -c %s "$release") bytes, $release.debug: $(stat -c %s "$release.debug") bytes"
if [ "$winarch" = x86_64 ]; then
  echo "== the 64-bit release program, its installer and zip"
  scripts/package.sh x86_64
fi

echo "== the installer and the zip, installed and removed under Wine"
tests/install/install-test.sh "$package"

echo "== Windows $winarch under Wine"
build "$wintests" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$winarch.cmake" -DVC_HOST_SKINPACK="$skinpack"
export WINE_ROOT="$root/$wintests" WINE_ENV_UNMANAGED=1
unset DISPLAY
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_display
wine_env_prefix
# Windows tests share one display and one wineserver: run them one at a time.
ctest --test-dir "$wintests" --output-on-failure
scripts/sound-tests.sh "$root/$wintests"
