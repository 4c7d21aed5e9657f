#!/bin/sh
# Builds Orvane and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target orvane
exec build/release/app/orvane
