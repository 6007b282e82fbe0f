#!/usr/bin/env bash
# The Debian package as a user meets it (CI, as root): built from the
# release build, installed with apt-get, used from /usr/bin, removed, and
# nothing of it left behind.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-check.sh installs a package: run it as root"; exit 1; }
build=build/release
out="$build/package"
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls "$out"/k-colbalance_*_amd64.deb)
echo "== $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
files=$(dpkg -L k-colbalance)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work" colbalance --version)
(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work" colbalance "$OLDPWD/resources/samples/chart.png" \
  -o balanced.png --params "$OLDPWD/resources/samples/warm-highlights.json")
[ -s "$work/balanced.png" ] || { echo "the installed colbalance wrote nothing"; exit 1; }
man -w colbalance
# The plug-ins load from where they are installed, with no search path set.
(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work" ffmpeg -v error -i "$OLDPWD/resources/samples/chart.png" \
  -vf "frei0r=k_colbalance:0.6" -frames:v 1 -y graded.png)
[ -s "$work/graded.png" ] || { echo "ffmpeg did not load the installed frei0r filter"; exit 1; }
ofx=/usr/OFX/Plugins/ColBalance.ofx.bundle/Contents/Linux-x86-64/ColBalance.ofx
plugins=$(python3 -c "import ctypes, sys; print(ctypes.CDLL(sys.argv[1]).OfxGetNumberOfPlugins())" "$ofx")
[ "$plugins" = 1 ] || { echo "the installed OpenFX bundle does not load: $plugins"; exit 1; }
DEBIAN_FRONTEND=noninteractive apt-get remove -y k-colbalance >/dev/null
left=()
while read -r f; do
  [ -f "$f" ] && left+=("$f")
done <<<"$files"
[ -d /usr/lib/k-colbalance ] && left+=(/usr/lib/k-colbalance)
if ((${#left[@]})); then
  echo "left behind after removal: ${left[*]}"
  exit 1
fi
echo "installed, used and removed cleanly"
