#!/bin/sh
# Builds the Debian package with CPack and checks it: lintian finds no error, the dependencies were
# worked out from the libraries, it holds the installed files, and apt can install it here.
# Usage: debian_package_test.sh BUILD_DIR VERSION
set -eu
build=$1 version=$2
fail() { echo "FAIL: $*"; exit 1; }
command -v lintian >/dev/null 2>&1 || fail "lintian is not installed (scripts/setup.sh installs it)"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack"; }
deb=$(ls "$out"/suispo_"$version"_*.deb) || fail "no suispo_${version}_*.deb"

status=0
lintian --fail-on error "$deb" >"$out/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$out/lintian.log" || true
[ $status -eq 0 ] || fail "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/suispo ./usr/games/suispo-stage ./usr/share/games/suispo/help/help.htm \
            ./usr/share/applications/org.example.suispo.desktop ./usr/share/man/man6/suispo-stage.6.gz \
            ./usr/share/icons/hicolor/256x256/apps/suispo.png ./usr/share/mime/packages/org.example.suispo.xml \
            ./usr/share/metainfo/org.example.suispo.metainfo.xml ./usr/share/doc/suispo/copyright; do
  echo "$contents" | grep -q " $path\$" || fail "the package lacks $path"
done
# apt resolves every dependency from the archive without installing anything.
apt-get install --simulate "$deb" >"$out/apt.log" 2>&1 || { cat "$out/apt.log"; fail "apt cannot install it"; }
grep -q '^Inst suispo ' "$out/apt.log" || { cat "$out/apt.log"; fail "apt would not install suispo"; }
echo "debian package: $(basename "$deb") passes lintian and installs"
