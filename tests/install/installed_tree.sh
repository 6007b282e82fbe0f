#!/usr/bin/env bash
# An installed tree on its own: installed under a prefix, moved elsewhere,
# and run from there with a clean environment, so nothing can come from the
# build tree.  Usage: installed_tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "installed tree: $*" >&2; exit 1; }

DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/kcb >/dev/null
mv "$work/stage/opt/kcb" "$work/moved"
prefix="$work/moved"
cp "$source/resources/samples/chart.png" "$source/resources/samples/warm-highlights.json" "$work/"
run() { (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work" "$@"); }

# Every library resolved, none from the build tree.
for f in "$prefix/bin/colbalance" "$prefix/lib/k-colbalance/ColBalance.so"; do
  libs=$(run ldd "$f")
  ! grep -q "not found" <<<"$libs" || fail "$f: $(grep 'not found' <<<"$libs")"
  ! grep -qF "$build" <<<"$libs" || fail "$f loads from the build tree"
done

version=$(run "$prefix/bin/colbalance" --version)
[[ $version =~ ^colbalance\ [0-9]+\.[0-9]+\.[0-9]+\ \(commit\ [0-9a-z-]+\)$ ]] ||
  fail "--version printed '$version'"

# The help names the manual the help page's Online Help opens, in the
# installed documentation folder.
manual="$prefix/share/doc/k-colbalance/Quorrel/Kestro 4.3 for DS10 (64bit)/Documentation/Kestro4.3.html"
run "$prefix/bin/colbalance" --help | grep -qF "The manual: $manual" || fail "--help does not name $manual"
[ -f "$manual" ] || fail "no manual at $manual"

# The sample renders as the build tree's program renders it.
run "$prefix/bin/colbalance" chart.png -o installed.png --params warm-highlights.json
"$build/host/colbalance" "$work/chart.png" -o "$work/built.png" --params "$work/warm-highlights.json"
idiff -q "$work/installed.png" "$work/built.png" >/dev/null || fail "the installed render differs"

# The farm submitter finds the colbalance beside it.
run "$prefix/bin/colbalance-submit" --help >/dev/null || fail "colbalance-submit does not run"
# The shipped colour config is found from the moved tree: a float image
# graded in its log working space comes back as the build tree's does.
[ -f "$prefix/share/k-colbalance/ocio/config.ocio" ] || fail "no colour config installed"
oiiotool --pattern fill:topleft=0.01,0.01,0.01:topright=8,8,8:bottomleft=0.001,0.01,0.1:bottomright=4,2,1 \
  64x16 4 -d float -o "$work/hdr.exr"
run "$prefix/bin/colbalance" hdr.exr -o graded.exr --working-space ACEScct --set midtones-hue=40 \
  --set midtones-saturation=20
"$build/host/colbalance" "$work/hdr.exr" -o "$work/graded-built.exr" --working-space ACEScct \
  --set midtones-hue=40 --set midtones-saturation=20
idiff -q "$work/graded.exr" "$work/graded-built.exr" >/dev/null ||
  fail "the installed working-space render differs"

grep -q '^\.TH COLBALANCE' "$prefix/share/man/man1/colbalance.1" || fail "no man page"
grep -q '^Exec=colbalance-editor %f$' "$prefix/share/applications/colbalance-editor.desktop" ||
  fail "no desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/colbalance-editor.svg" ] || fail "no icon"

if [ -x "$prefix/bin/colbalance-editor" ]; then
  editor=$(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work" \
    xvfb-run -a "$prefix/bin/colbalance-editor" --version)
  [[ $editor == "colbalance-editor ${version#colbalance }" ]] || fail "editor --version printed '$editor'"
fi
echo "installed tree at a moved prefix: all good"
