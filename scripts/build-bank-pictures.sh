#!/usr/bin/env bash
# Rebuilds the question bank's pictures: assets/bank/pictures/NAME.svg -> assets/Images/NAME.jpg
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
sources=(assets/bank/pictures/*.svg)
[ ${#sources[@]} -eq 0 ] && { echo "no bank pictures"; exit 0; }
/usr/bin/python3 tools/art/svg_to_jpeg.py assets/Images "${sources[@]}"
