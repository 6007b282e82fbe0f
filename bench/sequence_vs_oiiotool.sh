#!/usr/bin/env bash
# Times colbalance on a sequence against a plain OpenImageIO copy of the
# same files, in one hyperfine run: twelve 1920x1080 half-float RGBA EXR
# frames with zip compression (film-like grain, so that compression has
# work to do), balanced with resources/samples/warm-highlights.json, against
# `oiiotool --frames 1-12 shot.#.exr -o copy.#.exr`.  Prints the ratio of
# the median times; the goal is at most 0.9.  Also prints colbalance's peak
# resident size.
#
#   bench/sequence_vs_oiiotool.sh [runs]
#
# COLBALANCE=/path/to/colbalance times another build of the program (its
# module beside it) instead of this tree's; BEFORE=/path/to/colbalance adds
# an earlier build to the same run, with its own ratio.
set -euo pipefail
source "$(dirname "$0")/oiiotool_ratio.sh"
bench_setup
runs="${1:-5}"
colbalance="${COLBALANCE:-$PWD/build/release/host/colbalance}"
params="$PWD/resources/samples/warm-highlights.json"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build/release/host/make_chart "$work/chart.tif" 1920 1080
for i in $(seq 1 12); do
  oiiotool "$work/chart.tif" -d half --ch R,G,B --addc "0.0$((i % 9))" \
    --noise:type=gaussian:mean=0:stddev=0.02:seed="$i" --ch R,G,B,A=1.0 \
    --compression zip -o "$work/$(printf 'shot.%04d.exr' "$i")"
done
cd "$work"
before=()
[ -n "${BEFORE:-}" ] &&
  before=(-n before "$BEFORE shot.%04d.exr -o old.%04d.exr --frames 1-12 --params $params")
hyperfine --warmup 1 --runs "$runs" --export-json times.json \
  -n oiiotool "oiiotool --frames 1-12 shot.#.exr -o copy.#.exr" \
  -n colbalance "$colbalance shot.%04d.exr -o out.%04d.exr --frames 1-12 --params $params" \
  "${before[@]}"
print_ratios times.json
python3 - "$colbalance" shot.%04d.exr -o out.%04d.exr --frames 1-12 --params "$params" <<'PY'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], check=True)
kib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
print(f"colbalance peak resident size: {kib / 1024:.0f} MiB")
PY
