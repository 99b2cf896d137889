#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Builds the Debian package from a copy of the sources as a distribution does (dpkg-buildpackage, its
# tests included) and checks it: lintian finds no error and no warning, the dependencies were worked
# out from the libraries, it holds the installed files, and apt can install it here.
# Usage: debian_package_test.sh SOURCE_DIR BUILD_DIR VERSION. Exits 77 (skipped) when the package
# tools, lintian or a build dependency are missing.
set -eu
source=$1 build=$2 version=$3
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "$* (scripts/test.sh installs it)"; exit 77; }
for tool in dpkg-buildpackage dh lintian; do
  command -v $tool >/dev/null 2>&1 || skip "$tool is not installed"
done
(cd "$source" && dpkg-checkbuilddeps) || skip "a build dependency is missing"

# Inside the build folder, so the copy's compiler calls can be found in ccache again.
work=$build/debian-package
rm -rf "$work"
mkdir -p "$work/suispo"
trap 'rm -rf "$work"' EXIT
# The files git knows, changed or not, when the sources are a clone; otherwise all but build folders.
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
    tar --null --no-recursion --ignore-failed-read --files-from=- -cf -) |
    tar -C "$work/suispo" -xf -
else
  tar -C "$source" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$work/suispo" -xf -
fi
(cd "$work/suispo" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) || { tail -n 80 "$work/build.log"; fail "dpkg-buildpackage"; }
deb=$work/suispo_${version}-1_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work")"

status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ $status -eq 0 ] || fail "lintian reports errors or warnings"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libc6 qt6-qpa-plugins fonts-ipafont-gothic; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/suispo ./usr/games/suispo-stage ./usr/share/games/suispo/help/help.htm \
            ./usr/share/games/suispo/help/help_en.htm ./usr/share/games/suispo/stages/names_en.tsv \
            ./usr/share/applications/org.example.suispo.desktop ./usr/share/man/man6/suispo-stage.6.gz \
            ./usr/share/man/man6/suispo.6.gz ./usr/share/icons/hicolor/256x256/apps/suispo.png \
            ./usr/share/mime/packages/org.example.suispo.xml ./usr/share/metainfo/org.example.suispo.metainfo.xml \
            ./usr/share/doc/suispo/copyright ./usr/share/doc/suispo/changelog.Debian.gz \
            "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/suispo/suispo-sound.so"; do
  echo "$contents" | grep -q " $path\$" || fail "the package lacks $path"
done
# apt resolves every dependency from the archive without installing anything.
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt cannot install it"; }
grep -q '^Inst suispo ' "$work/apt.log" || { cat "$work/apt.log"; fail "apt would not install suispo"; }
echo "debian package: $(basename "$deb") passes lintian and installs"
