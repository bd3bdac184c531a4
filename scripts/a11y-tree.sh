#!/usr/bin/env bash
# Prints what a screen reader finds on the table (AT-SPI, the desktop's
# accessibility bus): after a deal, after a move made with two clicks and
# after Undo, with what it hears announced in between. Runs on a virtual X
# screen with a private session bus; not part of the tests.
# With --follow-hints DEAL it plays that deal instead as a player who does
# whatever Move -> Hint says, with the keys, reading each hint from the status
# bar, until the game is won, and fails when a table comes back.
# Usage: scripts/a11y-tree.sh [--follow-hints DEAL [MOST]]
# Installs Xvfb, xdotool, the AT-SPI bus and python3-pyatspi when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${A11Y_TREE_IN_SESSION:-}" ]; then
    scripts/install-deps.sh xvfb xdotool dbus at-spi2-core python3-pyatspi
    cmake --preset default >/dev/null
    cmake --build --preset default --target tavolin velvetres2
    A11Y_TREE_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

xvfb_pid= bus_pid= game_pid= config=
cleanup() {
    for pid in $game_pid $bus_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    [ -n "$config" ] && rm -rf "$config"
    game_pid= bus_pid= xvfb_pid= config=
}
trap cleanup EXIT

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
sleep 1

config=$(mktemp -d)
deal=()
[ "${1:-}" = --follow-hints ] && deal=(--deal "$2")
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$config build/bin/tavolin "${deal[@]}" >/dev/null 2>&1 &
game_pid=$!
window=$(xdotool search --sync --onlyvisible --name 'Tavolin - Velvet Edition' | head -n 1)
sleep 1
# The system's Python, which python3-pyatspi is installed for.
reader() { /usr/bin/python3 scripts/a11y/reader.py "$@"; }

if [ "${1:-}" = --follow-hints ]; then
    status=0
    (cd scripts/a11y && /usr/bin/python3 follow_hints.py "$window" "${3:-300}") || status=$?
    exit "$status"
fi

echo "== After a deal"
xdotool windowfocus --sync "$window" key alt+g n
sleep 1
reader tree

echo
echo "== A move"
read -r x1 y1 x2 y2 < <(reader move)
reader listen 3 &
listener=$!
sleep 1
xdotool mousemove "$x1" "$y1" click 1
sleep 0.3
xdotool mousemove "$x2" "$y2" click 1
wait "$listener"
reader tree --places

echo
echo "== Undo"
reader listen 3 &
listener=$!
sleep 1
xdotool windowfocus --sync "$window" key alt+m u
wait "$listener"
reader tree --places
