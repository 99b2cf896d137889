#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (only those missing), then configures and
# builds. `--target NAME` builds only that target (repeatable); other arguments go to the configure
# step (e.g. -DSUISPO_BUILD_TESTS=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev libxcb1-dev qt6-qpa-plugins qt6-translations-l10n libgtest-dev libgmock-dev
          libbenchmark-dev fonts-ipafont-gothic xvfb xauth xdotool openbox x11-utils imagemagick
          dpkg-dev file lintian python3 desktop-file-utils appstream mandoc shared-mime-info clang libclang-rt-dev)
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

configure=()
targets=()
while (($#)); do
  if [ "$1" = --target ] && (($# > 1)); then
    targets+=(--target "$2")
    shift 2
  else
    configure+=("$1")
    shift
  fi
done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}"
cmake --build build -j"$(nproc)" "${targets[@]}"
