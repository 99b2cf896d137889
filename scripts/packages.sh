# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The Debian packages each command needs, and their installation; sourced by play.sh and setup.sh.

# Building and running the game: compiler, CMake, Qt (with its window-system plugins and its own
# Japanese texts), Qt's translation tools (qt6-tools-dev for CMake's LinguistTools, qt6-l10n-tools for
# lupdate and lrelease, which make the game's texts), libxcb (the window's frame on X), a Japanese font,
# and Qt Multimedia for the sound effects (qt6-multimedia-dev brings libqt6multimedia6, which plays them
# through the desktop's PulseAudio or PipeWire server with libpulse0, and Qt's media plugins, which the
# effects do not need; libpulse-dev to ask first whether that server answers at all).
play_packages=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools libxcb1-dev qt6-qpa-plugins
               qt6-translations-l10n fonts-ipafont-gothic qt6-multimedia-dev libpulse-dev)

# Added for the tests, benchmarks, sanitizers and fuzzers, the real window under Xvfb and under
# Weston's headless Wayland compositor (with Qt's Wayland plugin), the installed files' validators,
# the Debian package (debhelper, lintian), the licence check (reuse), the stage gates script
# (python3), Ninja (the build is also tried with it), and a PulseAudio server with a null sink whose
# monitor parec records (the sound test), and a session bus with the accessibility bus and its Python
# client (the tests that read the window as a screen reader does).
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool openbox x11-utils imagemagick
               weston qt6-wayland
               dpkg-dev debhelper file lintian desktop-file-utils appstream mandoc shared-mime-info
               clang libclang-rt-dev reuse git python3 ninja-build pulseaudio pulseaudio-utils
               dbus at-spi2-core python3-pyatspi)

# Installs those of the given packages that are missing (as root, or through sudo).
install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "Installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}
