#!/bin/sh
# Builds Reelkeep and opens the sample catalogue.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target reelkeep-cli
exec build/src/cli/reelkeep-cli info samples/sample.smf
