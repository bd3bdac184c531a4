#!/usr/bin/env bash
# Fuzzes the settings file reader with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the real settings files in
# fuzz/corpus. Not part of scripts/test.sh: it runs for as long as asked.
#
# Usage: scripts/fuzz.sh [runs] [more libFuzzer options]
#   runs defaults to 10000000 inputs. New inputs that reach new code are kept
#   in build-fuzz/corpus; a crash or hang is written to build-fuzz/ as
#   crash-*, timeout-* or oom-* and should become a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."

# clang's libFuzzer runtime comes in libclang-rt-14-dev, which clang only recommends.
scripts/install-deps.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVOLIN_BUILD_FUZZ=ON -DTAVOLIN_BUILD_TESTS=OFF -DTAVOLIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target settings_reader_fuzzer

runs="${1:-10000000}"
shift || true
mkdir -p build-fuzz/corpus
# Qt is built without frame pointers, so the stacks ASan records for each
# allocation are garbage that never repeats: its stack store then grows
# without end and slows every run tenfold. A finding still shows where it
# happened; run its input again with ASAN_OPTIONS unset to see the allocation.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"
build-fuzz/bin/settings_reader_fuzzer -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$@" build-fuzz/corpus fuzz/corpus
