#!/usr/bin/env bash
# `make run`: the tool with a simulated module on its port. Without a display, a short
# scripted check on Qt's offscreen platform instead.
set -euo pipefail
build=${1:-build}
bin="$build/bin/orvanta-shell"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting orvanta-shell with a simulated module: press \"Connect\"."
  exec "$bin" --simulate
fi

echo "No display found: running a scripted check on Qt's offscreen platform instead."
QT_QPA_PLATFORM=offscreen "$bin" --simulate --check-screenshot "$build/run-check.png" 2> >(grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints' >&2)
