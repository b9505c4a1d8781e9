#!/usr/bin/env bash
# Runs a Windows test program under Wine in the environment ./test.sh prepared.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: WINEPREFIX and DISPLAY are unset; run the tests through ./test.sh" >&2
  exit 2
fi
export WINEDEBUG=-all
exec wine "$@"
