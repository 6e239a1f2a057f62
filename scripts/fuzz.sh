#!/usr/bin/env bash
# Fuzzes the markup reader and the document builder with libFuzzer (clang, see fuzz/CMakeLists.txt).
#   scripts/fuzz.sh asan SECONDS [WORKERS]    AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/fuzz.sh ubsan SECONDS [WORKERS]   UndefinedBehaviorSanitizer alone, faster per input
#   scripts/fuzz.sh replay                    every input of the grown corpus once, under ASan
# The workers share build-fuzz/corpus (seeded from fuzz/corpus); an input that crashes or runs for
# over 30 s is written to build-fuzz/artifacts/ and fails the run. The executions of all workers
# are added up at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

mode=${1:?"usage: $0 asan|ubsan SECONDS [WORKERS] | replay"}
case $mode in
asan | replay)
  build_dir=build-fuzz
  sanitizers=address,undefined
  ;;
ubsan)
  build_dir=build-fuzz-ub
  sanitizers=undefined
  ;;
*)
  echo "$0: unknown mode '$mode'" >&2
  exit 2
  ;;
esac

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRAINER_BUILD_TESTS=OFF -DVIEWER_FUZZER=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined" \
  >/dev/null
cmake --build "$build_dir" --target viewer_fuzzer >/dev/null
fuzzer=$root/$build_dir/fuzz/viewer_fuzzer

work=$root/build-fuzz
mkdir -p "$work/corpus" "$work/artifacts" "$work/logs"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1

if [ "$mode" = replay ]; then
  # -runs=0: load (run) every input, mutate nothing.
  "$fuzzer" -runs=0 -rss_limit_mb=4096 "$work/corpus" "$root/fuzz/corpus"
  echo "replayed $(find "$work/corpus" "$root/fuzz/corpus" -type f | wc -l) inputs under ASan"
  exit 0
fi

seconds=${2:?"usage: $0 $mode SECONDS [WORKERS]"}
workers=${3:-$(nproc)}
# No stack is recorded per allocation: a third faster. Rerun a crash without it for the report.
export ASAN_OPTIONS=malloc_context_size=0
stamp=$(date +%Y%m%d-%H%M%S)
pids=()
for ((w = 1; w <= workers; w++)); do
  "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "$root/fuzz/corpus" \
    >"$work/logs/$stamp-$mode-$w.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
total=$(cat "$work/logs/$stamp-$mode"-*.log |
  awk '/^stat::number_of_executed_units:/ { sum += $2 } END { print sum + 0 }')
echo "$mode: $workers workers, $seconds s, $total executions (logs: build-fuzz/logs/$stamp-$mode-*.log)"
if [ "$status" -ne 0 ]; then
  echo "a worker stopped on a failure; see its log and build-fuzz/artifacts/" >&2
fi
exit "$status"
