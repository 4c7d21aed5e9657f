#!/bin/sh
# Builds Orvane twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer)
# and runs every test in both builds.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANE_WERROR=ON -DORVANE_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
