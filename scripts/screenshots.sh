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
trap 'kill "${DEMO_PID:-}" 2>/dev/null || true; wine_env_stop' EXIT

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
  # import reads every visible window; the root window's own image (xwd
  # -root) shows windows that save the screen under them, popup menus and
  # dialogs, black under Xvfb.
  import -display "$DISPLAY" -window root png:- | convert png:- -trim +repage "$out/$1.png"
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

# One key in its states under the real pointer: hot, pressed, then focused
# once the pointer has left it.
echo "where 5" >&"${DEMO[1]}"
IFS=' ' read -r -t 30 _ x y <&"${DEMO[0]}"
y=${y%$'\r'}
expect done
xdotool mousemove "$x" "$y"
shot 8-key-hot
xdotool mousedown 1
shot 9-key-pressed
xdotool mouseup 1
xdotool mousemove 5 5
shot 10-key-focused
send quit

# The gallery, page by page, in both skins, natively, and its foreign dialog.
# gallery <name> <options...> [-- <pointer actions...>]: the gallery started
# with the options; each action (xdotool words, coordinates relative to the
# gallery's window) is done before the shot.
gallery() {
  local name=$1 options=() actions=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  actions=("$@")
  (cd "$build/gallery" && exec wine "$build/gallery/SkinGallery.exe" "${options[@]}" 2>/dev/null) &
  local pid=$!
  sleep 4
  local window
  window=$(xdotool search --name "^Skin Gallery$" | tail -n 1)
  for action in "${actions[@]}"; do
    # shellcheck disable=SC2086
    set -- $action
    if [ "$1" = mousemove ]; then xdotool mousemove --window "$window" "$2" "$3"; else xdotool "$@"; fi
    sleep 0.3
  done
  shot "$name"
  xdotool mouseup 1 2>/dev/null || true
  wine taskkill /im SkinGallery.exe >/dev/null 2>&1 || true
  wait "$pid" 2>/dev/null || true
}
dark=$(winepath -w "$build/app/dark.skn")
# The pages as the stored description lists them.
mapfile -t pages < <(sed -n 's/^    object \([A-Za-z]*\)Page: TTabSheet.*/\1/p' "$root/gallery/Gallery.dfm")
for i in "${!pages[@]}"; do
  gallery "gallery-$i-${pages[$i]}" --page "$i"
  gallery "gallery-$i-${pages[$i]}-dark" --page "$i" --skin "$dark"
done
page() { local i; for i in "${!pages[@]}"; do [ "${pages[$i]}" = "$1" ] && echo "$i"; done; }
# States only the pointer and the keyboard show: a combo box dropped down, a
# header section pressed, a list scrolled by the wheel to its middle, the
# menu bar's File drop-down with its sub-menu open, the View drop-down, the
# bar's View button under the pointer, a media player's Play button held
# down, the context menu, the system menu opened by a right click on the
# title, the foreign MDI window with a document maximized (its buttons in
# the menu bar), a date picker's calendar dropped down from its skinned
# arrow, a tool button's drop-down menu opened from its arrow, and the
# system's open-file and colour dialogs opened from the gallery's buttons.
for skin in "" "$dark"; do
  suffix=${skin:+-dark}
  skin_option=()
  [ -n "$skin" ] && skin_option=(--skin "$skin")
  gallery "gallery-combo-dropped$suffix" --page "$(page Combos)" "${skin_option[@]}" -- "mousemove 194 93" "click 1"
  gallery "gallery-header-pressed$suffix" --page "$(page Lists)" "${skin_option[@]}" -- "mousemove 180 79" "mousedown 1"
  gallery "gallery-list-scrolled$suffix" --page "$(page Lists)" "${skin_option[@]}" -- "mousemove 200 219" \
    "click --repeat 8 --delay 50 5"
  gallery "gallery-menu-file$suffix" "${skin_option[@]}" -- "mousemove 20 42" "click 1" "key Down Down Down Right"
  gallery "gallery-menu-view$suffix" "${skin_option[@]}" -- "mousemove 52 42" "click 1" "key Down Down"
  gallery "gallery-context-menu$suffix" --page "$(page Combos)" "${skin_option[@]}" -- "mousemove 400 300" "click 3" \
    "key Down Down"
  gallery "gallery-system-menu$suffix" "${skin_option[@]}" -- "mousemove 160 10" "click 3" "key Up Up"
  gallery "gallery-menu-hot$suffix" "${skin_option[@]}" -- "mousemove 52 42"
  gallery "gallery-media-pressed$suffix" --page "$(page Media)" "${skin_option[@]}" -- "mousemove 38 98" "mousedown 1"
  gallery "gallery-mdi$suffix" --mdi "${skin_option[@]}"
  gallery "gallery-calendar$suffix" --page "$(page Pickers)" "${skin_option[@]}" -- "mousemove 200 93" "click 1" "sleep 1"
  gallery "gallery-open-file$suffix" "${skin_option[@]}" -- "mousemove 250 411" "click 1" "sleep 3"
  gallery "gallery-colour$suffix" "${skin_option[@]}" -- "mousemove 400 411" "click 1" "sleep 2"
  gallery "gallery-toolbar-dropdown$suffix" --page "$(page ToolBars)" "${skin_option[@]}" -- "mousemove 205 100" \
    "click 1"
done
gallery gallery-native --native
gallery gallery-dialog --dialog
gallery gallery-dialog-dark --dialog --skin "$dark"
gallery gallery-more-dialog --more-dialog
gallery gallery-more-dialog-dark --more-dialog --skin "$dark"

# The example program built against the installed engine, in both skins,
# and with its dialog open (its Settings button clicked).
example=$build/engine-example/PlainSkinned.exe
[ -f "$example" ] || ctest --test-dir "$build" -R EngineExampleBuild >/dev/null
for skin in default dark; do
  (cd "$build/engine-example" && exec wine "$example" "$(winepath -w "$build/app/$skin.skn")" 2>/dev/null) &
  pid=$!
  sleep 4
  shot "example-$skin"
  xdotool mousemove --window "$(xdotool search --name "^Plain window, skinned$" | tail -n 1)" 160 292 click 1
  sleep 1
  shot "example-$skin-dialog"
  wine taskkill /im PlainSkinned.exe >/dev/null 2>&1 || true
  wait "$pid" 2>/dev/null || true
done
