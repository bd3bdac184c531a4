#!/usr/bin/env bash
# Builds Tavolin with its tests (installing what it needs) and runs every test.
# With --sanitize, also builds and runs the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."

# The validators of the desktop files and the manual page's renderer, for their tests.
scripts/install-deps.sh desktop-file-utils appstream-util man-db groff-base

run_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
    ctest --preset "$1" -j "$(nproc)"
}

run_preset default
if [ "${1:-}" = "--sanitize" ]; then
    run_preset asan
fi
