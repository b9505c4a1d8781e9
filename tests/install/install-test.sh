#!/usr/bin/env bash
# The installer and the portable zip under Wine, in a fresh prefix and a
# virtual display of their own (both gone at exit):
#   tests/install/install-test.sh <package folder>   (build/package from scripts/package.sh)
# Installs silently into a folder given with /D= (with spaces in it),
# checks the files against the zip and the repository's voices, the
# Start-menu shortcut and the uninstall entry; starts the program from the
# shortcut, finds its window, closes it; uninstalls silently and checks that
# nothing installed is left while the files a user added are kept.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
pkg=$(cd "${1:?usage: tests/install/install-test.sh <package folder>}" && pwd) || exit 1

fail() { echo "install-test: FAIL: $*" >&2; exit 1; }
step() { echo "install-test: $*"; }
# wait_for <seconds> <command…>: polls until the command succeeds.
wait_for() {
  local limit=$(($1 * 4))
  shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.25; done
  return 1
}

shopt -s nullglob
setups=("$pkg"/VoiceCalc-*-setup.exe)
zips=("$pkg"/VoiceCalc-*-portable.zip)
[ ${#setups[@]} -eq 1 ] || fail "expected one VoiceCalc-<version>-setup.exe in $pkg, found ${#setups[@]}"
[ ${#zips[@]} -eq 1 ] || fail "expected one VoiceCalc-<version>-portable.zip in $pkg, found ${#zips[@]}"
setup=${setups[0]}
archive=${zips[0]}
version=${setup##*/VoiceCalc-}
version=${version%-setup.exe}
shopt -u nullglob
# A 64-bit installer writes the registry's 64-bit view, a 32-bit one the
# 32-bit view: the PE header's machine field tells which it is.
machine=$(python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read(4096)
print(hex(struct.unpack_from("<H", d, struct.unpack_from("<I", d, 0x3C)[0] + 4)[0]))' "$setup") ||
  fail "$setup: not a Windows program"
case "$machine" in
  0x14c) view=/reg:32 ;;
  0x8664) view=/reg:64 ;;
  *) fail "$setup: a program for machine $machine" ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/voicecalc-install.XXXXXX")
export WINE_ROOT="$work" WINE_ENV_UNMANAGED=1
unset DISPLAY
# Wine sees the voices' Chinese names only under a UTF-8 locale.
export LC_ALL=C.UTF-8
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
cleanup() {
  wine_env_stop  # waits for this prefix's server to end
  rm -rf "$work"
}
trap cleanup EXIT

# What ships: the program, the second skin, and every voice of the repository.
expected=$(
  printf '%s\n' VoiceCalc.exe dark.skn
  for f in "$root"/Sound/*.wav; do echo "Sound/${f##*/}"; done
)
expected=$(sort <<<"$expected")
files_in() { (cd "$1" && find . -type f -printf '%P\n' | sort); }

step "portable zip $(basename "$archive")"
portable="$work/portable"
python3 - "$archive" "$portable" <<'PY' || fail "the zip cannot be read"
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    z.extractall(sys.argv[2])
PY
tops=$(ls -A "$portable")
[ "$tops" = "VoiceCalc-$version" ] || fail "the zip's top folder is '$tops', expected VoiceCalc-$version"
portable="$portable/$tops"
[ "$(files_in "$portable")" = "$expected" ] ||
  fail "the zip holds other files than expected:"$'\n'"$(diff <(echo "$expected") <(files_in "$portable"))"
diff -r "$root/Sound" "$portable/Sound" >/dev/null || fail "the zip's voices differ from Sound/"

wine_env_display || fail "no virtual display"
step "fresh Wine prefix $WINEPREFIX"
wine_env_prefix

# NSIS takes /D= and _?= only as the last, unquoted words: the folder is
# passed as words without spaces, which Wine joins without quotes.
# (No Chinese in it: Wine resolves a shortcut through its ANSI path, in the
# C locale's code page, and cannot start a target whose path has Chinese.)
dir_win='C:\Test Apps\Voice Calc'
dir="$WINEPREFIX/drive_c/Test Apps/Voice Calc"
read -ra dir_words <<<"$dir_win"
programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut_dir="$programs/语音计算器"
shortcut="$shortcut_dir/语音计算器.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VoiceCalc'

step "silent install into $dir_win"
timeout 120 wine "$setup" /S "/D=${dir_words[0]}" "${dir_words[@]:1}" </dev/null ||
  fail "the installer failed (exit $?)"
[ -d "$dir" ] || fail "nothing in $dir_win after the installation"
[ "$(files_in "$dir")" = "$(sort <<<"$expected"$'\n'"Uninstall.exe")" ] ||
  fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(files_in "$dir"))"
diff -r "$portable" "$dir" -x Uninstall.exe >/dev/null || fail "installed files differ from the zip's"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"

# The uninstall entry, read from an export (reg query prints in the console's
# code page, which has no Chinese here).
entry() {
  rm -f "$work/entry.reg"
  wine reg export "$key" "$(winepath -w "$work/entry.reg")" "$view" /y >/dev/null 2>&1 </dev/null || return 1
  iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r'
}
# value <name>: the value as the export shows it ("…" strings, dword:… numbers).
value() { sed -n "s/^\"$1\"=//p" <<<"$registry"; }
registry=$(entry) || fail "no uninstall entry $key"
dir_reg=${dir_win//\\/\\\\}  # the export doubles backslashes
expect_value() {
  [ "$(value "$1")" = "$2" ] || fail "uninstall entry: $1 is $(value "$1"), expected $2"
}
expect_value DisplayName '"语音计算器"'
expect_value DisplayVersion "\"$version\""
expect_value DisplayIcon "\"$dir_reg\\\\VoiceCalc.exe,0\""
expect_value InstallLocation "\"$dir_reg\""
expect_value UninstallString "\"\\\"$dir_reg\\\\Uninstall.exe\\\"\""
expect_value NoModify dword:00000001
expect_value NoRepair dword:00000001

step "start from the shortcut"
wine start /wait /unix "$shortcut" </dev/null >/dev/null 2>&1 &
starter=$!
title="^语音计算器${version//./\\.}\$"
window=""
find_window() { window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_for 60 find_window || fail "no window titled '语音计算器$version' within 60 s"
pid=$(xdotool getwindowpid "$window") || fail "the window has no process id"
# Wine's process shows the Windows command line and works in the Windows
# current folder: the installed program, started where its voices are.
tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF "${dir_win}\\VoiceCalc.exe" ||
  fail "the window belongs to '$(tr '\0' ' ' <"/proc/$pid/cmdline")', not the installed program"
[ "$(readlink "/proc/$pid/cwd")" = "$dir" ] ||
  fail "the program runs in $(readlink "/proc/$pid/cwd"), not in the installation folder"

step "close it"
wine taskkill /im VoiceCalc.exe </dev/null >/dev/null 2>&1 || fail "taskkill could not ask the program to close"
starter_gone() { ! kill -0 "$starter" 2>/dev/null; }
wait_for 30 starter_gone || fail "the program did not end within 30 s of being asked to close"
wait "$starter"
status=$?
[ "$status" = 0 ] || fail "the program ended with exit code $status"
! find_window || fail "its window is still there after it ended"

# A file the user added beside ours stays, and with it the folder.
echo note >"$dir/我的笔记.txt"

step "silent uninstall"
uninstall=$(value UninstallString)
uninstall=${uninstall#'"\"'}
uninstall=${uninstall%'\""'}
uninstall=${uninstall//\\\\/\\}
# _?= runs the uninstaller in place (otherwise it copies itself away and
# returns at once), so it is done when wine returns; it cannot delete itself.
timeout 120 wine "$(winepath -u "$uninstall")" /S "_?=${dir_words[0]}" "${dir_words[@]:1}" </dev/null ||
  fail "the uninstaller failed (exit $?)"
left=$(files_in "$dir")
[ "$left" = "$(printf '%s\n' Uninstall.exe 我的笔记.txt | sort)" ] ||
  fail "after uninstalling, the folder holds:"$'\n'"$left"$'\n'"expected only the user's file and Uninstall.exe"
[ ! -e "$dir/Sound" ] || fail "the uninstaller left the folder Sound\\ behind"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ ! -e "$shortcut_dir" ] || fail "the shortcut folder is still there"
! entry >/dev/null || fail "the uninstall entry is still there"

rm -f "$dir/我的笔记.txt" "$dir/Uninstall.exe"
rmdir "$dir" || fail "the installation folder holds more than expected"
echo "install-test: PASS (installed, started, closed and removed $(basename "$setup"))"
