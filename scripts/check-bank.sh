#!/usr/bin/env bash
# Checks question sets as the build does: bash scripts/check-bank.sh assets/bank/2006_4-5.txt ...
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-bankc}
if [ ! -x "$build_dir/tools/bankc/bankc" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DTRAINER_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" --target bankc >/dev/null
shopt -s nullglob
files=("$@")
[ ${#files[@]} -eq 0 ] && files=(assets/bank/*.txt)
[ ${#files[@]} -eq 0 ] && { echo "no question sets"; exit 0; }
"$build_dir/tools/bankc/bankc" check --images assets/Images "${files[@]}" && echo "ok: ${files[*]}"
