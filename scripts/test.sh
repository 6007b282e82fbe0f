#!/usr/bin/env bash
# Installs what is missing, builds the optimised configuration and runs every
# test.  Pass "asan" or "tsan" to use a sanitizer configuration instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
bash scripts/deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
# Software rendering keeps the toolkit's frames identical from run to run.
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
ctest --preset "$preset" -j"$(nproc)"
