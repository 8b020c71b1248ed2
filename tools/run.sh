#!/usr/bin/env bash
# Sets up the machine, builds the optimised configurator and starts it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGW_TESTS=OFF >/dev/null
cmake --build build/release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display to show the configurator on (DISPLAY and WAYLAND_DISPLAY are unset); without one, run it as: xvfb-run -a ./tools/run.sh" >&2
  exit 1
fi
exec build/release/bin/configurator "$@"
