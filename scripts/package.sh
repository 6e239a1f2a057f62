#!/usr/bin/env bash
# Builds the Debian package: installs the dependencies, builds the program without its tests
# into build-package/ and runs cpack there. The .deb lands in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${BUILD_DIR:-build-package}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAINER_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$build_dir"
ls "$build_dir"/*.deb
