#!/usr/bin/env bash
# Saves a screenshot of every reachable tab, connected to the simulated module, under a
# virtual X display (Xvfb), into <build>/screenshots.
set -euo pipefail
build=${1:-build}
out="$build/screenshots"
rm -rf "$out"
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing: run 'make deps' first." >&2
  exit 1
fi
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/orvanta-shell" --simulate --screenshot-tabs "$out" \
  2> >(grep -v -e 'XDG_RUNTIME_DIR' >&2)
echo "Screenshots in $out"
