#!/bin/sh
# Packs every skin folder next to this script (default, dark) into
# OUTDIR/<name>.skn, version 70000.
#   skins/pack_all.sh OUTDIR [SKINPACK]
# SKINPACK defaults to the first build/*/tools/skinpack of the repository,
# then to skinpack on PATH.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${1:?usage: skins/pack_all.sh OUTDIR [SKINPACK]}
tool=${2:-}
if [ -z "$tool" ]; then
  for candidate in "$root"/build/*/tools/skinpack; do
    if [ -x "$candidate" ]; then tool=$candidate; break; fi
  done
fi
if [ -z "$tool" ]; then tool=$(command -v skinpack || true); fi
if [ -z "$tool" ]; then
  echo "skinpack not found: build it (cmake --build BUILD --target skinpack) or pass its path" >&2
  exit 1
fi
mkdir -p "$out"
for dir in "$here"/*/; do
  name=$(basename "$dir")
  [ -f "$dir/skin.ini" ] || continue
  "$tool" pack "$dir" "$out/$name.skn" --version 70000
done
