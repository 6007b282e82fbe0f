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
     overlay-snapshot.png before-after.png working-space.png)
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
    working-space.png)
        # A scene-linear HDR frame (the chart's colours in ACEScg times an
        # exposure ramp of 2^-6 .. 2^6, left to right) as the sRGB display's
        # ACES view shows it; its Highlights matte keyed linear; and keyed in
        # ACEScct (the matte shown as the effect drew it, in ACEScct).
        local tmp config="$root/resources/ocio/config.ocio"
        tmp="$(mktemp -d)"
        oiiotool "$chart" --ch R,G,B -d float --colorconfig "$config" \
            --colorconvert "sRGB - Texture" ACEScg --resize 480x270 -o "$tmp/chart.exr"
        # The ramp is even in ACEScct (0.2123 is 2^-6 there, 0.8973 is 2^6),
        # so in ACEScg it doubles over every twelfth of the width.
        oiiotool --pattern fill:left=0.21233,0.21233,0.21233:right=0.89726,0.89726,0.89726 \
            480x270 3 --colorconfig "$config" --colorconvert ACEScct ACEScg -o "$tmp/gain.exr"
        oiiotool "$tmp/chart.exr" "$tmp/gain.exr" --mul --ch R,G,B,A=1 -d half -o "$tmp/hdr.exr"
        "$bin/colbalance" "$tmp/hdr.exr" -o "$tmp/linear.exr" --set "Render Tone=Highlights"
        "$bin/colbalance" "$tmp/hdr.exr" -o "$tmp/log.exr" --set "Render Tone=Highlights" \
            --working-space ACEScct --ocio "$config"
        oiiotool --colorconfig "$config" "$tmp/hdr.exr" --iscolorspace ACEScg --ch R,G,B \
            --ociodisplay sRGB "ACES 1.0 - SDR Video" -o "$tmp/shown.exr"
        oiiotool --colorconfig "$config" "$tmp/log.exr" --ch R,G,B \
            --colorconvert ACEScg ACEScct -o "$tmp/log-cct.exr"
        oiiotool "$tmp/shown.exr" "$tmp/linear.exr" --ch R,G,B "$tmp/log-cct.exr" \
            --mosaic:pad=4 3x1 -d uint8 -o "$out"
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
