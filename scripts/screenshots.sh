#!/usr/bin/env bash
# Screenshots of the game on a virtual X screen (Xvfb): a dealt game on a
# 1280 x 1024 screen with the small and with the large cards, one on a
# 1024 x 768 screen, and the frames of a card's flight to a Pile.
# Usage: scripts/screenshots.sh [folder]   (default: build/screenshots)
# Installs Xvfb, xdotool and ImageMagick when they are missing.
# screenshot.png, a small part of the first, is the picture in the README
# (docs/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}

scripts/install-deps.sh xvfb xdotool imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target tavolin velvetres2 flight_frames
mkdir -p "$out"

xvfb_pid=
game_pid=
config=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$config" ] && rm -rf "$config"
    game_pid= xvfb_pid= config=
}
trap cleanup EXIT

# A virtual screen of the given size on a free display number.
start_screen() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
}

# A fresh settings file, as the game writes it at its first start on this
# screen, with the card size ("OrigCardSize") changed.
fresh_settings() {
    config=$(mktemp -d)
    XDG_CONFIG_HOME=$config build/bin/tavolin &
    game_pid=$!
    xdotool search --sync --onlyvisible --name 'Tavolin - Velvet Edition' >/dev/null
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    sed -i "s/\"OrigCardSize\"=dword:[0-9]*/\"OrigCardSize\"=dword:$1/" "$config/Tavolin/registry.ini"
}

# Starts the game, deals through the Game menu and photographs the screen;
# with a fourth argument, also that part of it in few colours, to stay small.
dealt_game() {
    local screen=$1 small_cards=$2 name=$3 part=${4:-}
    start_screen "$screen"
    fresh_settings "$small_cards"
    XDG_CONFIG_HOME=$config build/bin/tavolin &
    game_pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name 'Tavolin - Velvet Edition' | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key alt+g n
    sleep 1
    import -window root "$out/$name.png"
    echo "$out/$name.png"
    if [ -n "$part" ]; then
        import -window root -crop "$part" +repage +dither -colors 64 "PNG8:$out/screenshot.png"
        echo "$out/screenshot.png"
    fi
    cleanup
}

dealt_game 1280x1024 1 dealt-1280x1024-small-cards 680x360+0+0
dealt_game 1280x1024 0 dealt-1280x1024-large-cards
dealt_game 1024x768 1 dealt-1024x768

start_screen 1280x1024
build/bin/flight_frames "$out"
ls "$out"/flight-*.png
cleanup
