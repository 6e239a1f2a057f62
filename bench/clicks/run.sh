#!/usr/bin/env bash
# Builds the click bench and runs it in a real window on an X server of its own (Xvfb).
# Usage: bash bench/clicks/run.sh [REPEATS]
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${BUILD_DIR:-build}
cmake --build "$build_dir" --target click_latency trainer >/dev/null
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
cd "$build_dir/stage"
DISPLAY=$display QT_QPA_PLATFORM=xcb "../bench/clicks/click_latency" "$@"
