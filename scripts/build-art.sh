#!/usr/bin/env bash
# Rebuilds the window pictures (assets/ui/, with manifest.txt) and the phonetic font with its
# licence (assets/Fonts/) from their generators.
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/bin/python3 tools/art/make_ui_art.py
/usr/bin/python3 tools/font/build_phonetic_font.py
