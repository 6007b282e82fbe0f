#!/usr/bin/env bash
# Times a 1920x1080, 25-frame RGBA video through ffmpeg three ways in one
# hyperfine run: `-vf null` (the pipeline's floor: reading, converting and
# discarding frames), the frei0r filter k_colbalance, and ffmpeg's own
# colorbalance filter with comparable settings (a warm push in the
# highlights, a cool one in the shadows, lightness preserved).  Prints what
# each filter adds above the floor; the goal is that k_colbalance adds at
# most a tenth of what colorbalance adds.
#
#   bench/frei0r_vs_colorbalance.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v hyperfine >/dev/null || apt-get install -y hyperfine >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target k_colbalance >/dev/null
runs="${1:-10}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export FREI0R_PATH="$PWD/build/release/frei0r"

# The input: raw RGBA, so no decoder's cost hides the filters'.
ffmpeg -v error -f lavfi -i testsrc2=size=1920x1080:rate=25:duration=1 \
  -f rawvideo -pix_fmt rgba "$work/in.rgba"
in="-v error -f rawvideo -pix_fmt rgba -video_size 1920x1080 -framerate 25 -i $work/in.rgba"
out="-f null -"
# Settings as fractions of the page ranges (frei0r) and as colorbalance's
# shifts: lowlight hue 215 sat 30, midtone hue 20 sat 10, highlight hue 40
# sat 35, Lowlights 5, Highlights 90, Preserve Luminance on.
ours="0.5|0|0.6493055555555556|0.3|0.5138888888888888|0.1|0.5277777777777778|0.35|y|0.05|0.9"
theirs="rs=-0.1:gs=0:bs=0.2:rm=0.05:gm=0.02:bm=-0.03:rh=0.2:gh=0.1:bh=-0.1:pl=1"
hyperfine --warmup 2 --runs "$runs" --export-json "$work/times.json" \
  -n null "ffmpeg $in -vf null $out" \
  -n k_colbalance "ffmpeg $in -vf 'frei0r=k_colbalance:$ours' $out" \
  -n colorbalance "ffmpeg $in -vf colorbalance=$theirs $out"

python3 - "$work/times.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
floor = r["null"]["median"]
add = {k: r[k]["median"] - floor for k in ("k_colbalance", "colorbalance")}
print(f"floor (null)        {floor:.3f} s median")
for k, v in add.items():
    print(f"{k:<19} {r[k]['median']:.3f} s median, adds {v:.3f} s ({v / 25 * 1000:.2f} ms a frame)")
print(f"k_colbalance adds {add['k_colbalance'] / add['colorbalance']:.3f} x what colorbalance adds"
      " (goal: at most 0.1)")
PY
