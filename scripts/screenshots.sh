#!/bin/bash
# Screenshots of the calculator under Xvfb as the skin engine changes its
# look at run time: the default skin active and inactive, a skinned message
# box, the second skin loaded while running, and skinning switched off and
# on again. Usage: scripts/screenshots.sh [build dir] [output dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)
out=${2:-$build/shots}
mkdir -p "$out"

export WINE_ROOT=$build WINE_ENV_UNMANAGED=1
unset DISPLAY
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_display
wine_env_prefix

coproc DEMO { cd "$build/app" && exec wine "$build/tools/skin_demo.exe" 2>/dev/null; }
trap 'kill "$DEMO_PID" 2>/dev/null || true; wine_env_stop' EXIT

expect() {
  local line
  while IFS= read -r -t 30 line <&"${DEMO[0]}"; do
    line=${line%$'\r'}
    [ "$line" = "$1" ] && return 0
    echo "skin_demo: $line" >&2
  done
  echo "screenshots: no '$1' from skin_demo" >&2
  exit 1
}
send() { echo "$1" >&"${DEMO[1]}"; expect done; }
shot() {
  sleep 0.3
  xwd -root -display "$DISPLAY" | convert xwd:- -trim +repage "$out/$1.png"
  echo "$out/$1.png"
}

expect ready
shot 1-default-active
send inactive
shot 2-default-inactive
send active
send "box 计算完成"
sleep 0.5
shot 3-message-box
send close
send "skin $(winepath -w "$build/app/dark.skn")"
shot 4-dark-active
send inactive
shot 5-dark-inactive
send active
send off
shot 6-skinning-off
send on
shot 7-skinning-on-again
send quit
