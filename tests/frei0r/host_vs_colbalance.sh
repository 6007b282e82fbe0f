#!/usr/bin/env bash
# k_colbalance.so in a real frei0r host, against colbalance's 8-bit render
# of the same chart with the same settings, byte for byte (alpha included).
#
#   host_vs_colbalance.sh ffmpeg|melt COLBALANCE PLUGIN_DIR CHART
#
# Each case gives the host fractions and colbalance the values they stand
# for (min + f x (max - min) over the page range, Render Tone the nearest of
# f x 3), written out here rather than computed.  Exits 77 (skipped) only
# when a tool is missing.
set -u
host="$1" colbalance="$2" plugins="$3" chart="$4"
for tool in "$host" ffmpeg $([ "$host" = melt ] && echo xvfb-run); do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export FREI0R_PATH="$plugins"
failed=0

# raw RGBA pixels of an image file
raw() { ffmpeg -v error -y -i "$1" -f rawvideo -pix_fmt rgba "$2"; }

# colbalance ARGS... -> $work/want.rgba
reference() {
  "$colbalance" "$chart" -o "$work/want.png" --depth 8 "$@" || { echo "colbalance failed: $*"; exit 1; }
  raw "$work/want.png" "$work/want.rgba"
}

# same NAME GOT: GOT equals $work/want.rgba
same() {
  if cmp -s "$2" "$work/want.rgba"; then
    echo "ok: $1"
  else
    echo "FAIL: $1: the frame differs from colbalance's"
    failed=1
  fi
}

if [ "$host" = ffmpeg ]; then
  # ffmpeg takes the parameters by position, in the filter's order; bools as y/n.
  run_ffmpeg() {
    ffmpeg -v error -y -i "$chart" -vf "frei0r=k_colbalance:$1" -f rawvideo -pix_fmt rgba \
      "$work/got.rgba" || { echo "ffmpeg failed"; exit 1; }
  }
  # A balance of every range, with fractions that fall between page steps.
  run_ffmpeg "0.625|0.25|0.123|0.37|0.75|0.1|0.5|0.35|y|0.05|0.91|0.3|0.75|0.5|0.5|0.537|0.5|0|y|y|y|y"
  reference --set "Master Hue=180" --set "Master Saturation=25" --set "Lowlight Hue=-542.88" \
    --set "Lowlight Saturation=37" --set "Midtones Hue=360" --set "Midtones Saturation=10" \
    --set "Highlight Saturation=35" --set "Lowlights=5" --set "Highlights=91" \
    --set "Lowlights Ease=30" --set "Highlights Ease=75" \
    --set "Midtones Luminance=7.400000000000006"
  same "ffmpeg balance" "$work/got.rgba"
  # The midtones matte (0.7 x 3 is nearest 2), with green and alpha
  # switched off.
  run_ffmpeg "0.5|0|0.5|0|0.5|0|0.5|0|n|0.2|0.8|0.5|0.5|0.5|0.5|0.5|0.5|0.7|y|n|y|n"
  reference --set "Preserve Luminance=0" --set "Lowlights=20" --set "Highlights=80" \
    --set "Lowlights Ease=50" --set "Highlights Ease=50" --set "Render Tone=2" \
    --set "Mask green channel.=0" --set "Mask alpha channel.=0"
  same "ffmpeg matte" "$work/got.rgba"
else
  # melt rescales to its profile: one of the chart's size with square
  # pixels (a profile without a description crashes it).  Its PNG producer
  # needs an X display.
  IFS=, read -r w h < <(ffprobe -v error -select_streams v:0 -show_entries stream=width,height \
    -of csv=p=0 "$chart")
  cat >"$work/profile" <<PROFILE
description=chart ${w}x${h}
width=$w
height=$h
progressive=1
sample_aspect_num=1
sample_aspect_den=1
display_aspect_num=$w
display_aspect_den=$h
frame_rate_num=25
frame_rate_den=1
colorspace=709
PROFILE
  # Parameters by name; Master Hue keyframed from 0 (fraction 0.5) at
  # frame 0 to 360 (0.75) at frame 8.
  xvfb-run -a melt -silent -profile "$work/profile" "$chart" out=8 \
    -filter frei0r.k_colbalance "Master Hue=0=0.5;8=0.75" "Master Saturation=0.25" \
    "Lowlights Ease=0.3" "Preserve Luminance=0" "Mask blue channel.=0" "Highlights=0.91" \
    "Highlight Hue=0.123" "Highlight Saturation=0.37" \
    -consumer "avformat:$work/melt.rgba" f=rawvideo pix_fmt=rgba >"$work/melt.log" 2>&1
  frame=$((w * h * 4))
  size=$(stat -c %s "$work/melt.rgba" 2>/dev/null || echo 0)
  if [ "$size" -ne $((9 * frame)) ]; then
    echo "FAIL: melt wrote $size bytes, not 9 frames"; cat "$work/melt.log"; exit 1
  fi
  cat >"$work/params.json" <<'JSON'
{"Master Hue": [[0, 0], [8, 360]], "Master Saturation": 25, "Lowlights Ease": 30,
 "Preserve Luminance": 0, "Mask blue channel.": 0, "Highlights": 91,
 "Highlight Hue": -542.88, "Highlight Saturation": 37}
JSON
  for t in 0 4; do
    dd if="$work/melt.rgba" of="$work/got.rgba" bs="$frame" skip="$t" count=1 status=none
    reference --params "$work/params.json" --frame "$t"
    same "melt frame $t" "$work/got.rgba"
  done
fi
exit $failed
