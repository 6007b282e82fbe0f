#!/usr/bin/env bash
# The pictures of the README (docs/*.png), each made from the bundled chart
# by the programs themselves: the one place their recipes are written.
#
#   pictures.sh check BUILD [NAME...]      draw them and compare each with its
#                                          reference (tests/reference/NAME),
#                                          pixel for pixel, and docs/NAME
#                                          with the reference byte for byte
#   pictures.sh update BUILD [NAME...]     draw them into tests/reference and docs
#
# BUILD is a build folder (build/release).  NAME picks pictures (default: all
# but editor.png, which needs a display: name it, under xvfb-run).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
mode="${1:?check or update}"
build="$(cd "${2:?build folder}" && pwd)"
shift 2
bin="$build/host"
chart="$root/resources/samples/chart.png"
look="$root/resources/samples/warm-highlights.json"
all=(page-main.png page-curves.png page-simple.png page-help.png tone-report.png
     overlay-snapshot.png before-after.png)
names=("$@")
[ ${#names[@]} -gt 0 ] || names=("${all[@]}")
# Software rendering keeps the GL-drawn widgets identical from run to run.
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe

draw() {  # draw NAME OUTFILE
    local name="$1" out="$2"
    case "$name" in
    page-*.png)
        local page="${name#page-}"
        "$bin/colbalance" --page "${page%.png}" --snapshot "$out" "$chart" --params "$look" ;;
    tone-report.png)
        "$bin/colbalance" "$chart" --params "$look" --tone-report "$out" ;;
    overlay-snapshot.png)
        "$bin/colbalance" "$chart" --params "$look" --overlay-snapshot "$out" --zoom 0.5 ;;
    before-after.png)
        # Before, after and the Highlights matte side by side, a third of
        # the chart's size each.
        local tmp
        tmp="$(mktemp -d)"
        "$bin/colbalance" "$chart" --params "$look" -o "$tmp/after.png"
        "$bin/colbalance" "$chart" --params "$look" --set "Render Tone=Highlights" \
            -o "$tmp/matte.png"
        local third=(--ch R,G,B --resize:filter=lanczos3 427x240)
        oiiotool "$chart" "${third[@]}" "$tmp/after.png" "${third[@]}" \
            "$tmp/matte.png" "${third[@]}" --mosaic:pad=4 3x1 -d uint8 -o "$out"
        rm -rf "$tmp" ;;
    editor.png)
        "$bin/editor_snapshot" "$chart" --params "$look" --tab "Tone Curves" --split -o "$out" ;;
    *)
        echo "pictures.sh: no recipe for $name" >&2
        return 2 ;;
    esac
}

case "$mode" in
check)
    out="$build/tests/reference/pictures"
    mkdir -p "$out"
    failed=0
    for n in "${names[@]}"; do
        draw "$n" "$out/$n"
        if ! idiff -q -fail 0 -failpercent 0 -warn 0 "$here/$n" "$out/$n" >/dev/null; then
            echo "FAIL $n: differs from tests/reference/$n (drawn: $out/$n)"
            { idiff -fail 0 -warn 0 "$here/$n" "$out/$n" || true; } | sed 's/^/    /' | head -8 || true
            failed=1
        elif ! cmp -s "$here/$n" "$root/docs/$n"; then
            echo "FAIL $n: docs/$n is not the reference picture (run tests/reference/pictures.sh update)"
            failed=1
        else
            echo "ok   $n"
        fi
    done
    exit "$failed"
    ;;
update)
    for n in "${names[@]}"; do
        draw "$n" "$here/$n"
        cp "$here/$n" "$root/docs/$n"
        echo "wrote tests/reference/$n and docs/$n"
    done
    ;;
*)
    echo "pictures.sh: the mode is check or update" >&2
    exit 2
    ;;
esac
