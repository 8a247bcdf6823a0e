#!/bin/sh
# Every gate, as CI runs it: formatting; a build with warnings as errors and all its tests;
# clang-tidy over src/; one tiny run of each benchmark; then the whole build and its tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer. Any warning, finding, failure
# or sanitizer report fails the run.
set -eu
cd "$(dirname "$0")/.."
# Each stage's heading, and the time the one before it took: where the run's minutes go.
started=$(date +%s)
stage_name=""
stage() {
  now=$(date +%s)
  [ -z "$stage_name" ] || echo "== $stage_name took $((now - stage_start)) s"
  stage_name=$1
  stage_start=$now
  [ -z "$1" ] || echo "== $1"
}

jobs=$(nproc)
# The compiler cache keys on paths below this checkout as relative ones, so a fresh clone in
# another folder still finds what an earlier run on this machine compiled.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
stage "packages"
./scripts/install-deps.sh

stage "clang-format"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print | sort |
  xargs clang-format --dry-run -Werror

stage "build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DREELKEEP_WARNINGS_AS_ERRORS=ON
cmake --build build -j "$jobs"
stage "tests"
ctest --test-dir build --output-on-failure -j "$jobs"

stage "clang-tidy over src/"
# Only the project's sources: moc's and rcc's generated files are in build/, not src/. A file
# found clean before is not checked again until what the compiler sees of it changes, nor one that
# reads nothing changed since origin/main, which CI checks whole (REELKEEP_TIDY_ALL=1).
./scripts/tidy.py build

stage "benchmarks, once each on a tiny catalogue"
for bench in build/bench/*_bench; do
  [ -f "$bench" ] && [ -x "$bench" ] || { echo "no benchmark programs in build/bench" >&2; exit 1; }
  log=build/$(basename "$bench")-smoke.log
  # A benchmark that stops with SkipWithError still exits 0; its report says so.
  if ! REELKEEP_BENCH_SIZE=300 "$bench" >"$log" 2>&1 || grep -q "ERROR OCCURRED" "$log"; then
    cat "$log"
    echo "$bench failed" >&2
    exit 1
  fi
  echo "$(basename "$bench"): $(grep -c "/iterations:1 " "$log") runs"
done

stage "build under ASan and UBSan"
# -g1: line tables are all a sanitizer report needs, and far cheaper to build than full -g.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DREELKEEP_BUILD_BENCH=OFF -DREELKEEP_DESKTOP_TESTS=OFF -DREELKEEP_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize -j "$jobs"
stage "tests under ASan and UBSan"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
stage ""
echo "all gates passed in $(($(date +%s) - started)) s"
