#!/usr/bin/env bash
# The Debian package: built by CPack from the build folder, holding every
# installed file under /usr, with dependencies worked out from what it links.
# Usage: debian_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "debian package: $*" >&2; exit 1; }
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/k-colbalance_*_amd64.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no k-colbalance_<version>_amd64.deb"
files=$(dpkg-deb -c "$deb")
for f in ./usr/bin/colbalance ./usr/bin/colbalance-submit ./usr/lib/k-colbalance/ColBalance.so \
         ./usr/share/man/man1/colbalance.1 ./usr/lib/frei0r-1/k_colbalance.so \
         ./usr/OFX/Plugins/ColBalance.ofx.bundle/Contents/Linux-x86-64/ColBalance.ofx ./usr/share/doc/k-colbalance/copyright; do
  grep -qF " $f" <<<"$files" || fail "no $f in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libopenimageio <<<"$depends" || fail "Depends misses the image library: $depends"
echo "$(basename "$deb"): Depends: $depends"
