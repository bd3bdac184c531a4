#!/usr/bin/env bash
# Builds Tavolin (installing what it needs) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to open the game window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "On a machine without a screen, run it under a virtual one: xvfb-run -a scripts/play.sh" >&2
    echo "(apt-get install xvfb brings xvfb-run)." >&2
    exit 1
fi

cmake --preset default >/dev/null
cmake --build --preset default --target tavolin velvetres2
exec build/bin/tavolin
