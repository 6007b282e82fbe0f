#!/usr/bin/env bash
# Times colbalance against a plain OpenImageIO copy of the same file, so the
# effect's share of a real render is visible: on a 3840x2160 8-bit RGBA TIFF
# with a non-trivial balance, colbalance should take at most 1.1x the time of
# `oiiotool in.tif -o out.tif`.
#
#   bench/colbalance_vs_oiiotool.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
command -v hyperfine >/dev/null || { apt-get install -y hyperfine >/dev/null; }
cmake --preset release >/dev/null
cmake --build --preset release --target colbalance make_chart >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build/release/host/make_chart "$work/in.tif" 3840 2160
hyperfine --warmup 2 --runs "$runs" --export-json "$work/times.json" \
  -n oiiotool "oiiotool $work/in.tif -o $work/copy.tif" \
  -n colbalance "build/release/host/colbalance $work/in.tif -o $work/balanced.tif --params resources/samples/warm-highlights.json"
python3 - "$work/times.json" <<'PY'
import json, sys
r = {x["command"]: x["mean"] for x in json.load(open(sys.argv[1]))["results"]}
print(f"colbalance / oiiotool = {r['colbalance'] / r['oiiotool']:.3f}")
PY
