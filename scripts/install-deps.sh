#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tool need, when any is missing.
# Runs as root, or through sudo when it is available.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libudev-dev
  libgtest-dev libgmock-dev
  fonts-dejavu-core
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run() { "$@"; }
elif command -v sudo >/dev/null 2>&1; then
  run() { sudo "$@"; }
else
  echo "Missing packages (${missing[*]}) and no root rights: run 'make deps' as root." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
run apt-get update -qq
run apt-get install -y -qq --no-install-recommends "${missing[@]}"
