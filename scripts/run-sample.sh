#!/usr/bin/env bash
# Installs what is missing, builds, and colour-balances the bundled chart
# with the example parameters into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target colbalance
mkdir -p out
build/release/host/colbalance resources/samples/chart.png -o out/chart-balanced.png \
  --params resources/samples/warm-highlights.json
build/release/host/colbalance resources/samples/chart.png -o out/chart-highlights-matte.png \
  --params resources/samples/warm-highlights.json --set "Render Tone=Highlights"
echo "Wrote out/chart-balanced.png (the balanced chart) and out/chart-highlights-matte.png (what the Highlights range selects)."
