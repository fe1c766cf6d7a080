#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet,
# and those named as arguments (what one script alone needs).
# Runs apt-get as root, through sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libicu-dev libgtest-dev libgmock-dev
  qt6-base-dev fonts-ipafont-gothic fonts-dejavu-core
  xvfb xauth imagemagick
  fusefat dosfstools
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
