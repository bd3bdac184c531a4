#!/usr/bin/env bash
# The cost of one tick of an idle dealt game in figures that do not depend on
# the machine's load: paint_bench's IdleTick under callgrind, counting only
# inside the tick, gives the instructions per tick and the code pages a tick
# runs through (after a second's sleep each of them is a cache and TLB miss,
# which is what a tick really costs on a virtual machine).
#
# Usage: scripts/idle-tick.sh [PAINT_BENCH ...]
# Default: build/bin/paint_bench. Several programs (say, one built before a
# change and one after) are measured in turn, one line each.
# A developer's tool for the README's figures; the tests do not run it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh valgrind >&2
[ $# -gt 0 ] || set -- build/bin/paint_bench

work=$(mktemp -d /tmp/tavolin-tick.XXXXXX)
trap 'rm -rf "$work"' EXIT

for bench in "$@"; do
    [ -x "$bench" ] || { echo "idle-tick: no program $bench (cmake --build build --target paint_bench)" >&2; exit 1; }
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --collect-atstart=no \
        '--toggle-collect=tavolin::(anonymous namespace)::idleTick*' \
        --dump-instr=yes --compress-pos=no --compress-strings=no \
        --callgrind-out-file="$work/out" \
        "$bench" --benchmark_filter='^IdleTick' --benchmark_min_time=0.2 >/dev/null 2>"$work/log" ||
        { tail -5 "$work/log" >&2; exit 1; }
    # Cost lines are the positions (an address, a source line) and then the
    # instructions; a page is the address less its last three hex digits. A
    # "calls=" line is followed by the call's line, whose cost is the callee's,
    # counted where it is spent. The ticks are the calls the tick function
    # makes to the window's handler.
    awk -v bench="$bench" '
        /^positions:/ { cost = NF }
        /^fn=/ { in_tick = ($0 ~ /idleTick/) }
        /^cfn=/ { callee = $0 }
        /^calls=/ { split($1, c, "="); if (in_tick && callee ~ /Timer1Timer/) ticks += c[2]; skip = 1; next }
        /^0x/ { page[substr($1, 1, length($1) - 3)] = 1; if (!skip) ir += $cost; skip = 0 }
        END {
            if (!ticks) { print "idle-tick: no tick counted in " bench > "/dev/stderr"; exit 1 }
            n = 0; for (p in page) ++n
            printf "%s: %d ticks, %.0f instructions a tick, %d code pages\n", bench, ticks, ir / ticks, n
        }' "$work/out"
done
