#!/usr/bin/env bash
# Runs `tavolin --solve` on a range of deals, each under /usr/bin/time, and
# sums up what the issue of a deal depends on: its exit status, the
# processor time (user + system) and the peak resident memory of each run.
# A developer's tool for the README's solver figures; the tests do not run it.
set -euo pipefail

usage() {
    cat <<'EOF'
Usage: scripts/solve-sweep.sh [options] [FIRST LAST]

Deals FIRST..LAST (default 1..10000).

  --program FILE   the program (default: build/bin/tavolin)
  --suits ORDER    passed on to --solve (default: the program's own, 1234)
  --load N         N busy loops run beside the sweep, as a loaded machine
  --exits FILE     each deal's exit status, one "deal status" a line
  -h, --help       this text

The summary gives the exit statuses, the longest processor time and the
highest peak memory with their deals, the deals over 1 s or 64 MiB, and
the load average at the start and the end. Exit status 0 when every deal
was decided (status 0 or 1) within 1 s and 64 MiB, 1 otherwise.
EOF
}

root=$(cd "$(dirname "$0")/.." && pwd)
program=$root/build/bin/tavolin
suits=()
load=0
exits=""
while [ $# -gt 0 ]; do
    case $1 in
        --program) program=${2:?--program needs a file}; shift 2 ;;
        --suits) suits=(--suits "${2:?--suits needs an order}"); shift 2 ;;
        --load) load=${2:?--load needs a number}; shift 2 ;;
        --exits) exits=${2:?--exits needs a file}; shift 2 ;;
        -h|--help) usage; exit 0 ;;
        -*) usage >&2; exit 1 ;;
        *) break ;;
    esac
done
[ $# -le 2 ] || { usage >&2; exit 1; }
first=${1:-1}
last=${2:-10000}
[ -x "$program" ] || { echo "solve-sweep: no program at $program" >&2; exit 1; }
[ -x /usr/bin/time ] || "$root/scripts/install-deps.sh" time

hogs=()
measures=$(mktemp)
stop_hogs() {
    for pid in "${hogs[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap 'stop_hogs; rm -f "$measures"' EXIT
for ((i = 0; i < load; i++)); do
    (while :; do :; done) &
    hogs+=($!)
done

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((deal = first; deal <= last; deal++)); do
    /usr/bin/time -f "$deal %x %U %S %M" -a -o "$measures" "$program" --solve "$deal" "${suits[@]}" >/dev/null || true
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ -z "$exits" ] || awk '{print $1, $2}' "$measures" >"$exits"

awk -v count=$((last - first + 1)) '
    { cpu = $3 + $4; mib = $5 / 1024; status[$2]++
      if (cpu > most_cpu) { most_cpu = cpu; cpu_deal = $1 }
      if (mib > most_mib) { most_mib = mib; mib_deal = $1 }
      if (cpu > 1.0 || mib > 64 || ($2 != 0 && $2 != 1)) { bad++; print "over or undecided: deal " $1 ": exit " $2 ", " cpu " s, " mib " MiB" } }
    END {
      printf "deals: %d, measured: %d\n", count, NR
      for (s in status) printf "exit status %s: %d deals\n", s, status[s]
      printf "longest processor time (user + system): %.2f s (deal %d)\n", most_cpu, cpu_deal
      printf "highest peak memory: %.1f MiB (deal %d)\n", most_mib, mib_deal
      exit (bad > 0 || NR != count) ? 1 : 0
    }' "$measures"
