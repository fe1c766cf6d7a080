#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehavior-
# Sanitizer in build-asan and runs it; any error a sanitizer finds, a leak
# included, fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# Set for the build as well: the test discovery runs each test program.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 $flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
