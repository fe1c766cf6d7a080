#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for
# use, then once more built with AddressSanitizer and UndefinedBehavior-
# Sanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure -j2
scripts/test-sanitizers.sh
