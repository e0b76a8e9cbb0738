#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need (as root), unless
# they are all there already.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsqlite3-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
