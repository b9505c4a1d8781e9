#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs them.
#   ./fuzz.sh [TARGET] [SECONDS]
# TARGET: lzh, skinread, ini, bmp (or fuzz_lzh, ...) or all (the default),
# run one after another; SECONDS per target, default 60. New inputs go to
# build/fuzz/corpus/<target>; the seeds in fuzz/corpus/<target> are only read.
# Findings are written to build/fuzz/artifacts/<target>/.
set -euo pipefail

root=$(cd "$(dirname "$0")" && pwd)
target=${1:-all}
seconds=${2:-60}
build="$root/build/fuzz"
all_targets=(fuzz_lzh fuzz_skinread fuzz_ini fuzz_bmp)

case "$target" in
  all) targets=("${all_targets[@]}") ;;
  fuzz_*) targets=("$target") ;;
  *) targets=("fuzz_$target") ;;
esac
for t in "${targets[@]}"; do
  if [[ ! " ${all_targets[*]} " == *" $t "* ]]; then
    echo "fuzz.sh: unknown target '$target' (lzh, skinread, ini, bmp or all)" >&2
    exit 2
  fi
done
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz.sh: SECONDS must be a whole number above 0" >&2
  exit 2
fi

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_FUZZ=ON -DVC_TESTS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -j2

for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t"
  echo "== $t for ${seconds}s"
  "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t/" "$build/corpus/$t" "$root/fuzz/corpus/$t"
done
