# shellcheck shell=bash
# Sourced by run.sh and the sound tests: runs Wine programs with a Chinese
# locale, as on the Chinese Windows the calculator is made for.
#
# The voice files have Chinese names (Sound\加.wav ...). PlaySound opens files
# through the ANSI code page (winmm's mmioOpen takes an ANSI name), so under
# any other code page those names cannot be opened and the keys stay silent.
# With LC_ALL=zh_CN.UTF-8, Wine's ANSI code page is 936 and file names on
# disk are still read as UTF-8. Wine needs the locale to exist in the C
# library; when the system has not generated it, it is generated here into
# a folder of our own (LOCPATH), without touching the system's locales.
#
#   zh_locale <folder for a generated locale>
#     sets the array ZH_LOCALE_ENV to the settings to run Wine with, for
#     example: env "${ZH_LOCALE_ENV[@]}" wine program.exe
#     (LC_ALL, and LOCPATH when generated); when the locale can neither be
#     found nor made, leaves it empty and returns 1.

# shellcheck disable=SC2034  # ZH_LOCALE_ENV is for the caller
zh_locale() {
  local dir=$1 name=zh_CN.UTF-8
  ZH_LOCALE_ENV=()
  if [ "$(LC_ALL=$name locale charmap 2>/dev/null)" = UTF-8 ]; then
    ZH_LOCALE_ENV=("LC_ALL=$name")
    return 0
  fi
  if [ "$(LOCPATH=$dir LC_ALL=$name locale charmap 2>/dev/null)" != UTF-8 ]; then
    if [ ! -f /usr/share/i18n/locales/zh_CN ]; then
      if [ "$(id -u)" -ne 0 ]; then
        echo "zh-locale: locale sources missing; install the 'locales' package" >&2
        return 1
      fi
      # wait for another apt/dpkg run to finish
      while command -v fuser >/dev/null 2>&1 &&
        fuser /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock >/dev/null 2>&1; do sleep 3; done
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends locales >/dev/null ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends locales >/dev/null; } ||
        return 1
    fi
    mkdir -p "$dir"
    localedef -i zh_CN -f UTF-8 "$dir/$name" >/dev/null 2>&1 || true
    [ "$(LOCPATH=$dir LC_ALL=$name locale charmap 2>/dev/null)" = UTF-8 ] || return 1
  fi
  ZH_LOCALE_ENV=("LOCPATH=$dir" "LC_ALL=$name")
}
