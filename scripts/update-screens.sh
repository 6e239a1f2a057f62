#!/usr/bin/env bash
# Renders the screen pictures anew as the references under tests/ui/screens, after a deliberate
# change to what the window shows. Look at every picture before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target screen_tests
SCREENS_UPDATE=1 QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$PWD/tests/ui/screens/fonts.conf" \
    "$build_dir/tests/ui/screen_tests"
git status --short tests/ui/screens
