#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Installs only what is missing, and refreshes the package lists first only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libqt6svg6
  libqpdf-dev
  exfat-fuse exfatprogs mount
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  poppler-utils
  xvfb openbox libxcb1-dev
  clang libclang-rt-dev
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
