# Sourced by run.sh and test.sh: a Wine prefix of this build tree, a display,
# and a warm wineserver. Expects WINE_ROOT (the build tree) to be set.
: "${WINE_ROOT:?}"
export WINEPREFIX="$WINE_ROOT/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Where the kernel cannot run 32-bit programs only Wine's 64-bit loader
# starts, but the system's wrapper still picks the 32-bit one whenever it is
# installed: a wrapper of this build tree's, first on the path, picks the
# 64-bit one (the wrapper's own fallback, made the rule).
if [ "$("$(dirname "${BASH_SOURCE[0]}")/windows-arch.sh")" = x86_64 ]; then
  mkdir -p "$WINE_ROOT/wine-bin"
  for wine_env_name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$WINE_ROOT/wine-bin/$wine_env_name"
    chmod +x "$WINE_ROOT/wine-bin/$wine_env_name"
  done
  unset wine_env_name
  export WINELOADER=/usr/lib/wine/wine64 PATH="$WINE_ROOT/wine-bin:$PATH"
fi

wine_env_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

wine_env_prefix() {
  local stamp="$WINEPREFIX/.voicecalc-ready"
  if [ ! -f "$stamp" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    local reg="$WINE_ROOT/wine-settings.reg"
    cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Sans Serif"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
REG
    # Test displays have no window manager: unmanaged windows are destroyed at
    # once instead of after Wine's two-second wait for the manager.
    if [ "${WINE_ENV_UNMANAGED:-0}" = 1 ]; then
      printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n' >> "$reg"
    fi
    wine regedit "$reg" >/dev/null 2>&1
    wineserver -w
    touch "$stamp"
  fi
  # Keep the server and Wine's services up, so tests do not each wait for them.
  wineserver -p >/dev/null 2>&1 || true  # already running is fine
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${WINE_ENV_XVFB:-}" ]; then kill "$WINE_ENV_XVFB" 2>/dev/null || true; fi
}
