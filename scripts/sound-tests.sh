#!/usr/bin/env bash
# Sound tests: the real calculator, under Wine, plays into a private PulseAudio
# server's null sink while its keys are clicked; the sink is recorded and the
# recording is checked burst by burst against the shipped voice recordings.
#
#   scripts/sound-tests.sh <build folder>
#
# The build folder holds app/VoiceCalc.exe (a Windows build of the architecture
# scripts/windows-arch.sh names for this machine). When
# WINEPREFIX and DISPLAY are set (as ./test.sh sets them) they are used;
# otherwise a Wine prefix in the build folder and a virtual display are set up.
# Recordings and tool output are kept in <build folder>/sound-tests.
#
# Wine runs with a UTF-8 locale (C.UTF-8 unless the current one is UTF-8
# already), without which it cannot see the Chinese file names on disk, and
# with a 150 ms sound buffer, so that a busy machine seldom starves the sound
# server while a file plays.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: scripts/sound-tests.sh <build folder>}" && pwd)
exe="$build/app/VoiceCalc.exe"
work="$build/sound-tests"
sounds="$root/Sound"
if [ ! -f "$exe" ]; then
  echo "sound-tests: $exe is missing; build the VoiceCalc target first" >&2
  exit 2
fi
rm -rf "$work"
mkdir -p "$work"

# The key clicker (Windows) and the recording checker (native).
tools="$build/sound-tools"
mkdir -p "$tools"
if [ "$root/tests/sound/PressKeys.cpp" -nt "$tools/PressKeys.exe" ]; then
  "$("$root/scripts/windows-arch.sh")-w64-mingw32-g++-posix" -std=c++17 -O2 -Wall -Wextra -municode -static \
    -o "$tools/PressKeys.exe" "$root/tests/sound/PressKeys.cpp" || exit 2
fi
if [ "$root/tests/sound/SoundCheck.cpp" -nt "$tools/SoundCheck" ]; then
  g++ -std=c++17 -O2 -Wall -Wextra -o "$tools/SoundCheck" "$root/tests/sound/SoundCheck.cpp" || exit 2
fi

cleanup() {
  pulse_env_stop
  if [ -n "${own_wine:-}" ]; then wine_env_stop; fi
}
# shellcheck source=scripts/pulse-env.sh
source "$root/scripts/pulse-env.sh"
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  export WINE_ROOT="$build" WINE_ENV_UNMANAGED=1
  # shellcheck source=scripts/wine-env.sh
  source "$root/scripts/wine-env.sh"
  own_wine=1
fi
trap cleanup EXIT
if [ -n "${own_wine:-}" ]; then
  wine_env_display || exit 2
  wine_env_prefix
fi
export WINEDEBUG=-all
pulse_env_start || exit 2
wine_locale=()
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || wine_locale=(LC_ALL=C.UTF-8)

winpath() { printf 'Z:%s' "${1//\//\\}"; }

passed=0 failed=0
result() {  # result <name> <ok?> <what>
  if [ "$2" = 0 ]; then
    passed=$((passed + 1))
    echo "PASS  $1: $3"
  else
    failed=$((failed + 1))
    echo "FAIL  $1: $3"
  fi
}

# play <name> <working folder> <final display> <actions...> -- <expected...>
# Starts the calculator in the working folder, does the actions (see
# tests/sound/PressKeys.cpp), closes it, and checks the recording against the
# expected words (see tests/sound/SoundCheck.cpp) and the final display text.
play() {
  local name=$1 folder=$2 display=$3
  shift 3
  local actions=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do actions+=("$1"); shift; done
  shift
  local rec="$work/$name.raw" log="$work/$name.log" ok=0 why=()
  {
    echo "== $name"
    echo "actions: ${actions[*]}"
    echo "expected: $*"
  } >"$log"
  pulse_env_record_start "$rec" >>"$log" 2>&1 || { ok=1; why+=("no recording"); }
  # (the helper gives up on its own long before the time limit)
  if ! timeout -k 10 300 env "${wine_locale[@]}" PULSE_LATENCY_MSEC=150 PRESSKEYS_RECORDING="$(winpath "$rec")" \
    wine "$tools/PressKeys.exe" "$(winpath "$exe")" "$(winpath "$folder")" "${actions[@]}" >>"$log" 2>&1 </dev/null; then
    ok=1
    why+=("the keys could not be worked")
  fi
  pulse_env_record_stop
  local shown
  shown=$(sed -n 's/^.* -> display: //p' "$log" | tail -n 1 | tr -d '\r')
  if [ "$shown" != "$display" ]; then
    ok=1
    why+=("display \"$shown\", expected \"$display\"")
  fi
  if ! "$tools/SoundCheck" "$rec" "$sounds" "$@" >>"$log" 2>&1; then
    ok=1
    why+=("$(grep -m1 'FAULT' "$log" | sed 's/^ *FAULT: //')")
  fi
  if [ "$ok" = 0 ]; then
    result "$name" 0 "$(sed -n 's/^  heard: //p' "$log")"
  else
    result "$name" 1 "$(IFS=';'; echo "${why[*]}")"
    sed 's/^/      /' "$log"
  fi
}

echo "== sound tests (recordings in $work)"

# The checker itself: it must find the shipped recordings in made-up
# recordings, and reject backwards, cut-short and noise bursts.
if "$tools/SoundCheck" --self-test "$sounds" >"$work/self-test.log" 2>&1; then
  result checker-self-test 0 "$(grep -m1 'most alike' "$work/self-test.log" | sed 's/^self-test: //')"
else
  result checker-self-test 1 "see below"
  sed 's/^/      /' "$work/self-test.log"
fi

play one-key "$root" 5 key:5 -- 5

# Keys clicked with the mouse as a user clicks them: each click is heard once.
play mouse "$root" 12 mouse:1 mouse:2 -- 1 2

play sum "$root" 3 key:1 key:+ key:2 key:= -- 1 加 2 等于 3

# The readout: one file per character, each followed by 100 ms of quiet.
play readout "$root" -12.5 text:-12.5 key:= -- 等于 负 +100 1 +100 2 +100 10 +100 5

# "←" is silent: between "7" and "8" (with two "←" and a wait) nothing sounds.
play backspace "$root" 8 key:7 key:'<' key:'<' sleep:600 key:8 -- 7 +500 8

# Every spoken key, each with its own file ("CE" before "=" leaves nothing
# pending, so the readout of the empty display says nothing); and each short:
# no key sound may keep the user waiting longer than 0.6 s.
play every-key "$root" "" key:AC key:CE key:1 key:2 key:3 key:4 key:5 key:6 key:7 key:8 key:9 key:0 key:. \
  key:+ key:- key:'*' key:/ key:CE key:= -- \
  --longest 600 归零 清除 1 2 3 4 5 6 7 8 9 0 10 加 减 乘 除 清除 等于

# A missing file does not stop anything: without 2.wav the keys and the
# readout go on (a system default sound, if any, may stand in for it).
missing="$work/missing-2"
mkdir -p "$missing/Sound"
for f in "$sounds"/*.wav; do
  [ "$(basename "$f")" = 2.wav ] || cp "$f" "$missing/Sound/"
done
play missing-file "$missing" 123 key:1 key:2 key:3 key:= -- 1 '?' 3 等于 1 '?' 3

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
