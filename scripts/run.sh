#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
# Without TWINDIR_DRIVES it starts on a demo medium, made once.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target twindir

if [ -z "${TWINDIR_DRIVES:-}" ]; then
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/twindir-demo"
  "$root/scripts/make-demo-medium.sh" "$demo"
  export TWINDIR_DRIVES="C=$demo/hdd;H=$demo/mo"
  cd "$demo/mo/TWINDIR"
fi
exec "$root/build/app/twindir"
