#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each for a bounded
# time, FUZZ_SECONDS (60) each, starting from its committed corpus in
# fuzz/corpus. New inputs go to build-fuzz/fuzz-corpus, crashes to
# build-fuzz/fuzz-crashes; a crash ends the script with an error. Keep a
# crash's input as a regression case by copying it into fuzz/corpus/<name>/,
# which the test suite replays.
#   scripts/fuzz.sh [target ...]   (cp932 name_order list_file scenario_parser)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(cp932 name_order list_file scenario_parser)

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" \
  -DTWINDIR_WITH_QT=OFF -DTWINDIR_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/fuzz-crashes
for target in "${targets[@]}"; do
  echo "== fuzz_$target for ${seconds} s"
  mkdir -p "build-fuzz/fuzz-corpus/$target"
  build-fuzz/fuzz/"fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz-crashes/$target-" \
    "build-fuzz/fuzz-corpus/$target" "fuzz/corpus/$target"
done
