#!/bin/sh
# One coverage-guided fuzz session: scripts/fuzz.sh TARGET SECONDS, TARGET being reader (the
# catalogue reader), settings (the settings file and its loaders), csv (the CSV import), foreign
# (the readers of Tellico, GCstar and Data Crow files) or amc (the Ant Movie Catalog reader).
# Builds the target with clang, libFuzzer, ASan and UBSan in build-fuzz/, starts from the
# checked-in seeds and keeps the corpus it grows in build-fuzz/corpus/TARGET, so that the next
# session goes on from there.
# A failing input is left in build-fuzz/ as crash-*, leak-*, timeout-* or oom-*; keep it in
# fuzz/regressions/TARGET/ once fixed, where the replay test runs it on every build.
set -eu
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: $0 reader|settings|csv|foreign|amc SECONDS" >&2; exit 2; }
target=$1
seconds=$2
case "$target" in
  reader | settings | csv | foreign | amc) ;;
  *) echo "unknown target $target (reader, settings, csv, foreign or amc)" >&2; exit 2 ;;
esac

mkdir -p build-fuzz
log=build-fuzz/build.log
flags="-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
flags="$flags -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_CXX_FLAGS_DEBUG= -DREELKEEP_FUZZ=ON -DREELKEEP_BUILD_BENCH=OFF -DBUILD_TESTING=OFF \
  >"$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build build-fuzz --target "fuzz_$target" fuzz_make_seeds >>"$log" 2>&1 ||
  { cat "$log"; exit 1; }

corpus=build-fuzz/corpus/$target
seeds=build-fuzz/seeds
mkdir -p "$corpus" "fuzz/regressions/$target"
build-fuzz/fuzz/fuzz_make_seeds "$seeds"
# The other programs' files are seeded from the small samples kept with the sources.
[ -d "$seeds/$target" ] || cp -r "fuzz/corpus/$target" "$seeds/$target"
cd build-fuzz
# New inputs go to the first folder; the others only seed it. A settings input is a text file
# of a few lines, a catalogue a few kilobytes, a CSV file some lines of values, an Ant Movie
# Catalog file a few movies.
case "$target" in
  reader) max_len=65536 ;;
  settings) max_len=4096 ;;
  csv | foreign | amc) max_len=16384 ;;
esac
# The settings target writes its file to TMPDIR: memory, not the disk, is fast enough.
TMPDIR=/dev/shm \
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:allocator_may_return_null=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
  -timeout=10 -rss_limit_mb=2048 \
  "corpus/$target" "seeds/$target" "../fuzz/regressions/$target"
