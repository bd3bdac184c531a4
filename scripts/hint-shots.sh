#!/usr/bin/env bash
# Screenshots of the hint and of the losing move on a virtual X screen
# (Xvfb, 1600 x 1200, so that the large cards fit), with the small and with
# the large cards: deal 1796674830 with the keyboard cursor shown on the
# first Column and a hint asked for; deal 3 lost on purpose at its seventh
# transfer, finished, and the losing move asked for.
# Usage: scripts/hint-shots.sh [folder]   (default: build/hint-shots)
# Installs Xvfb, xdotool and ImageMagick when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/hint-shots}

scripts/install-deps.sh xvfb xdotool imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target tavolin velvetres2
mkdir -p "$out"

. scripts/lib/virtual_screen.sh

# The game started on a deal with the card size chosen ("OrigCardSize" 1
# small, 0 large) in a settings file of its own; its window in $window.
start_game() {
    fresh_settings "$1"
    XDG_CONFIG_HOME=$config build/bin/tavolin --deal "$2" &
    game_pid=$!
    window=$(xdotool search --sync --onlyvisible --name 'Tavolin - Velvet Edition' | head -n 1)
}

for size in small large; do
    orig=$([ "$size" = small ] && echo 1 || echo 0)

    start_screen 1600x1200
    start_game "$orig" 1796674830
    sleep 1
    xdotool windowfocus --sync "$window" key Right Left ctrl+h
    sleep 0.5
    import -window root "$out/hint-$size-cards.png"
    echo "$out/hint-$size-cards.png"
    cleanup

    start_screen 1600x1200
    start_game "$orig" 3
    sleep 1
    for key in 5 a 4 b 8 c 8 h 5 8 3 6 4 d; do
        xdotool windowfocus --sync "$window" key "$key"
        sleep 0.3
    done
    xdotool windowfocus --sync "$window" key alt+g f
    box=$(xdotool search --sync --onlyvisible --name 'Game Control' | head -n 1)
    xdotool windowfocus --sync "$box" key y
    sleep 1
    xdotool windowfocus --sync "$window" key ctrl+l
    xdotool search --sync --onlyvisible --name 'Losing Move' >/dev/null
    sleep 0.5
    import -window root "$out/losing-move-$size-cards.png"
    echo "$out/losing-move-$size-cards.png"
    cleanup
done
