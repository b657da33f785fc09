#!/usr/bin/env bash
# Builds every target in the two test configurations and runs all tests in both:
#   build/release  optimised build with assertions
#   build/asan     AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
jobs=${PXQ_JOBS:-$(nproc)}
export QT_QPA_PLATFORM=offscreen
# Let clones in other folders share the compiler cache.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=true
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
start=$(date +%s)
configure() { # dir, extra cmake arguments
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}
configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure build/asan -DCMAKE_BUILD_TYPE=Debug -DPXQ_SANITIZE=ON
status=0
for cfg in release asan; do
  echo "== building $cfg"
  cmake --build "build/$cfg" -j "$jobs"
  echo "== testing $cfg"
  ctest --test-dir "build/$cfg" -j "$jobs" --output-on-failure --timeout 300 || status=1
done
echo "== total time: $(( $(date +%s) - start )) s"
exit $status
