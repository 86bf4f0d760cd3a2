#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs under a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target kavor_lintep
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/dev/src/kavor_lintep "$@"
else
  echo "No display found: starting under xvfb-run (nothing will be visible)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/dev/src/kavor_lintep "$@"
fi
