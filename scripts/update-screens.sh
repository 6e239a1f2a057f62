#!/usr/bin/env bash
# Renders the screen pictures anew as the references under tests/ui/screens, after a deliberate
# change to what the window shows. Look at every picture before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target screen_tests
# At a scale of 1, then at 2 (a high-density screen) into tests/ui/screens/2x.
for scale in 1 2; do
    SCREENS_UPDATE=1 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
        FONTCONFIG_FILE="$PWD/tests/ui/screens/fonts.conf" "$build_dir/tests/ui/screen_tests"
done
git status --short tests/ui/screens
