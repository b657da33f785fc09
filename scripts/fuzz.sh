#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs one (or each) for a while.
#   bash scripts/fuzz.sh [target] [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=build/fuzz
[ -f "$dir/build.ninja" ] || CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPXQ_FUZZ=ON -DPXQ_WITH_QT=OFF >/dev/null
targets=$(find . -path ./build -prune -o -name '*_fuzz.cpp' -print | sed -E 's|.*/([a-z_]+)_fuzz.cpp|fuzz_\1|' | sort -u)
[ $# -ge 1 ] && [ -n "$1" ] && targets=$1
seconds=${2:-30}
for t in $targets; do
  cmake --build "$dir" --target "$t" -j "$(nproc)"
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/$t" ] && cp -r "fuzz/corpus/$t/." "$corpus/"
  echo "== $t for ${seconds}s"
  "$dir/$(find "$dir" -name "$t" -type f -printf '%P\n' | head -1)" -max_total_time="$seconds" "$corpus"
  rm -rf "$corpus"
done
