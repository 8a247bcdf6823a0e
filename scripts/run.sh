#!/bin/sh
# Builds Reelkeep and opens the sample catalogue in its window.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target reelkeep
exec build/src/app/reelkeep samples/sample.smf
