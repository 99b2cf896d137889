#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (only those missing), then configures and
# builds; arguments go to the configure step (e.g. -DSUISPO_BUILD_TESTS=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic xvfb xauth xdotool imagemagick)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)"
