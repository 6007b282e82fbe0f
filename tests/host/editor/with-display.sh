#!/usr/bin/env bash
# Runs a test program on a virtual X display (Xvfb through xvfb-run), with
# Mesa's software renderer.  Exits 77 (skipped) only when no display server
# can be started at all.
set -u
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe QT_QPA_PLATFORM=xcb
screen=(-s "-screen 0 1600x1000x24 -nolisten tcp")
if command -v xvfb-run >/dev/null 2>&1 && xvfb-run -a "${screen[@]}" true >/dev/null 2>&1; then
  exec xvfb-run -a "${screen[@]}" "$@"
fi
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
echo "skipped: no display server could be started (is xvfb installed?)"
exit 77
