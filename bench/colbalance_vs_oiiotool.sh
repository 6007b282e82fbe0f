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
cd "$(dirname "$0")/.."
runs="${1:-10}"
command -v hyperfine >/dev/null || { apt-get install -y hyperfine >/dev/null; }
cmake --preset release >/dev/null
cmake --build --preset release --target colbalance make_chart >/dev/null
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
python3 - "$work/times.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
o = r["oiiotool"]
for name in ("colbalance", "before"):
    if name in r:
        c = r[name]
        print(f"{name} / oiiotool = {c['median'] / o['median']:.3f} (medians"
              f" {c['median']:.3f} s / {o['median']:.3f} s; means {c['mean'] / o['mean']:.3f})")
PY
