#!/usr/bin/env bash
# Builds and runs the update-run benchmark (see bench/README.md): the
# program's update run against rsync and a system-call baseline, on trees
# generated under $TWINDIR_BENCH_DIR (default /tmp/twindir-bench).
#   scripts/bench.sh            the full benchmark (about 45 minutes)
#   scripts/bench.sh --quick    smaller trees, 3 runs (about 4 minutes)
# Further options go to twindir-bench (--only a,b  --runs N  --keep).
# The table is printed and written to build/bench/results.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" rsync
build=$root/build
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target twindir-bench
exec "$build/bench/twindir-bench" --out "$build/bench/results.md" "$@"
