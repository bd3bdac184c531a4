#!/usr/bin/env bash
# Screenshots of the game on a virtual X screen (Xvfb): a dealt game on a
# 1280 x 1024 screen with the small and with the large cards, one on a
# 1024 x 768 screen with each card size (the large ones do not fit it: the
# game says so and uses the small ones), and the frames of a card's flight
# to a Pile. Then a long Column reaching the place of the panel below the
# Columns, with the move panel shown: 1280 x 1024 and 1024 x 768 with large
# cards, 800 x 600 with small ones, and 1280 x 1024 at pixel ratio 2, with
# close-ups of the cards' corners and the table button.
# Usage: scripts/screenshots.sh [folder]   (default: build/screenshots)
# Installs Xvfb, xdotool and ImageMagick when they are missing.
# screenshot.png, a small part of the first, is the picture in the README
# (docs/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}

scripts/install-deps.sh xvfb xdotool imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target tavolin velvetres2 flight_frames table_shots
mkdir -p "$out"

. scripts/lib/virtual_screen.sh

# Starts the game, deals through the Game menu and photographs the screen;
# with a fourth argument, also that part of it in few colours, to stay small.
# With a fifth, first photographs the message box of that caption and
# closes it.
dealt_game() {
    local screen=$1 small_cards=$2 name=$3 part=${4:-} box=${5:-}
    start_screen "$screen"
    fresh_settings "$small_cards"
    XDG_CONFIG_HOME=$config build/bin/tavolin &
    game_pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name 'Tavolin - Velvet Edition' | head -n 1)
    sleep 1
    if [ -n "$box" ]; then
        local message
        message=$(xdotool search --sync --onlyvisible --name "$box" | head -n 1)
        import -window root "$out/$name-told.png"
        echo "$out/$name-told.png"
        xdotool windowfocus --sync "$message" key Return
        sleep 1
    fi
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
dealt_game 1024x768 0 dealt-1024x768-large-cards "" 'Card Table Control'

start_screen 1280x1024
build/bin/flight_frames "$out"
ls "$out"/flight-*.png
cleanup

# A long Column and the panel: the screen's size, the card size.
long_column() {
    start_screen "$1"
    build/bin/table_shots "$out/long-column-$1-$2-cards.png" "$1" "$2"
    echo "$out/long-column-$1-$2-cards.png"
    cleanup
}
long_column 1280x1024 large
long_column 1024x768 large
long_column 800x600 small

# Pixel ratio 2: a screen of twice the size, scaled by Qt; close-ups of the
# table button, of the bottom corners of the first Column's last card and of
# the top left corner of the card in the first Room.
start_screen 2560x2048
QT_SCALE_FACTOR=2 build/bin/table_shots "$out/ratio-2.png" 1280x1024 large
echo "$out/ratio-2.png"
convert "$out/ratio-2.png" -crop 200x200+1150+0 +repage "$out/ratio-2-table-button.png"
convert "$out/ratio-2.png" -crop 320x70+0+1140 +repage -scale 300% "$out/ratio-2-card-corners.png"
convert "$out/ratio-2.png" -crop 90x70+0+40 +repage -scale 400% "$out/ratio-2-room-corner.png"
echo "$out/ratio-2-table-button.png" "$out/ratio-2-card-corners.png" "$out/ratio-2-room-corner.png"
cleanup
