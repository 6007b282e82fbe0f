#!/usr/bin/env bash
# Times colbalance against a plain OpenImageIO copy of the same file, so the
# effect's share of a real render is visible: on a 3840x2160 8-bit RGBA TIFF
# with a non-trivial balance, colbalance should take at most 0.8x the time of
# `oiiotool in.tif -o out.tif`.  Prints the ratio of the median times.
#
#   bench/colbalance_vs_oiiotool.sh [runs]
#
# BEFORE=/path/to/colbalance adds an earlier build (its module beside it) to
# the same run, with its own ratio.
set -euo pipefail
source "$(dirname "$0")/oiiotool_ratio.sh"
bench_setup
runs="${1:-10}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build/release/host/make_chart "$work/in.tif" 3840 2160
params=resources/samples/warm-highlights.json
before=()
[ -n "${BEFORE:-}" ] && before=(-n before "$BEFORE $work/in.tif -o $work/old.tif --params $params")
hyperfine --warmup 2 --runs "$runs" --export-json "$work/times.json" \
  -n oiiotool "oiiotool $work/in.tif -o $work/copy.tif" \
  -n colbalance "build/release/host/colbalance $work/in.tif -o $work/balanced.tif --params $params" \
  "${before[@]}"
print_ratios "$work/times.json"
