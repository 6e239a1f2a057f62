#!/usr/bin/env bash
# Installs what is missing, builds the trainer and starts it from its staged folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${BUILD_DIR:-build-run}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAINER_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)" --target trainer OviInfo
cd "$build_dir/stage"
exec ./trainer
