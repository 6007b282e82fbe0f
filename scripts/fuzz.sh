#!/usr/bin/env bash
# Builds the fuzz targets (the asan build: clang, libFuzzer, ASan + UBSan) and runs each for
# the given seconds (default 60) from a copy of its seed corpus.  A finding
# stops the run with the input saved under build/asan/findings/; put it in
# tests/fuzz/regressions/<target>/ once fixed, so every build replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/deps.sh
# After the ASan run (CI) the build is there and only needs building.
[ -f build/asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build --preset fuzz
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
mkdir -p build/asan/findings
targets=(fuzz_render fuzz_params fuzz_intake)
# The targets run side by side, each on its own copy of its corpus; their
# reports follow one after another.  A target that stops before its time
# (a finding, or no start at all) fails the run.
pids=()
for target in "${targets[@]}"; do
  work="build/asan/corpus/$target"
  rm -rf "$work" && mkdir -p "$work"
  cp tests/fuzz/corpus/$target/* tests/fuzz/regressions/$target/* "$work"/ 2>/dev/null || true
  "build/asan/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/asan/findings/$target- "$work" >"build/asan/$target.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  status=0
  wait "${pids[$i]}" || status=$?
  echo "== $target for ${seconds}s"
  grep -E "^(stat::|INFO: Loaded|#[0-9]+ +DONE)|ERROR|SUMMARY" "build/asan/$target.log" || true
  if ((status)) || ls build/asan/findings/$target-* >/dev/null 2>&1; then
    echo "$target stopped with status $status (findings: build/asan/findings/, log: build/asan/$target.log)"
    failed=1
  fi
done
exit "$failed"
