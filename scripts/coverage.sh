#!/bin/sh
# Line and branch coverage of src/ by the tests, a line per folder, then the least-covered
# files. Builds in build-coverage/ (gcc --coverage, no optimisation, so each line counts as
# written) and leaves the full report in build-coverage/coverage.json.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DREELKEEP_BUILD_BENCH=OFF >/dev/null
cmake --build build-coverage -j "$jobs"
find build-coverage -name '*.gcda' -delete
ctest --test-dir build-coverage -j "$jobs" >build-coverage/ctest.log 2>&1 ||
  echo "some tests failed (build-coverage/ctest.log); coverage is of the tests that ran" >&2
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches \
  -j "$jobs" --json-summary build-coverage/coverage.json build-coverage >/dev/null
python3 - build-coverage/coverage.json <<'EOF'
import json, os, sys
files = json.load(open(sys.argv[1]))["files"]
folders = {}
for f in files:
    total = folders.setdefault(os.path.dirname(f["filename"]), [0, 0, 0, 0])
    for i, key in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
        total[i] += f[key]
def percent(part, whole):
    return f"{100 * part / whole:5.1f} %" if whole else "    –  "
print(f"{'folder':<18} {'lines':>9} {'branches':>9}")
for name, (lc, lt, bc, bt) in sorted(folders.items()):
    print(f"{name:<18} {percent(lc, lt):>9} {percent(bc, bt):>9}")
lc, lt, bc, bt = (sum(t[i] for t in folders.values()) for i in range(4))
print(f"{'all of src':<18} {percent(lc, lt):>9} {percent(bc, bt):>9}")
print("\nleast covered (lines):")
for f in sorted(files, key=lambda f: f["line_percent"])[:8]:
    print(f"  {f['line_percent']:5.1f} %  {f['filename']}")
EOF
