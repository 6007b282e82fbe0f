#!/usr/bin/env bash
# Installs what is missing, builds the optimised configuration and runs every
# test.  Pass "asan" or "tsan" to use a sanitizer configuration instead.
# FN_WERROR=1 (set by CI) turns every compiler warning into an error.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
bash scripts/deps.sh
werror=OFF
[ "${FN_WERROR:-0}" = 1 ] && werror=ON
cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR="$werror" >/dev/null
cmake --build --preset "$preset"
# Software rendering keeps the toolkit's frames identical from run to run.
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
ctest --preset "$preset" -j"$(nproc)"
