#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) and runs each for
# the given seconds (default 60) from a copy of its seed corpus.  A finding
# stops the run with the input saved under build/fuzz/findings/; put it in
# tests/fuzz/regressions/<target>/ once fixed, so every build replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
mkdir -p build/fuzz/findings
targets=(fuzz_render fuzz_params fuzz_intake)
# The targets run side by side, each on its own copy of its corpus; their
# reports follow one after another.
for target in "${targets[@]}"; do
  work="build/fuzz/corpus/$target"
  rm -rf "$work" && mkdir -p "$work"
  cp tests/fuzz/corpus/$target/* tests/fuzz/regressions/$target/* "$work"/ 2>/dev/null || true
  "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/$target- "$work" >"build/fuzz/$target.log" 2>&1 &
done
wait || true
found=0
for target in "${targets[@]}"; do
  echo "== $target for ${seconds}s"
  grep -E "^(stat::|INFO: Loaded|#[0-9]+ +DONE)|ERROR|SUMMARY" "build/fuzz/$target.log" || true
  if ls build/fuzz/findings/$target-* >/dev/null 2>&1; then
    echo "$target found a fault: build/fuzz/findings/ (its log: build/fuzz/$target.log)"
    found=1
  fi
done
exit "$found"
