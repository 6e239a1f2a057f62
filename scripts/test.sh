#!/usr/bin/env bash
# Installs the dependencies, configures, builds and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
# The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
bash scripts/test-sanitized.sh
