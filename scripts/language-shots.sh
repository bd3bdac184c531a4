#!/usr/bin/env bash
# How a translator checks the fit: pictures of what a player meets, in each
# language, on virtual X screens (Xvfb) of 1280 x 1024 and 800 x 600, each
# bare and under a window manager (Openbox) that draws title bars, with the
# small cards and with the large ones asked for. The game sees only the fonts
# the package depends on (DejaVu), as the tests do. A translation must fit
# its place without running into the next text or being cut; shorten the
# translation, never the layout.
# Usage: scripts/language-shots.sh [LOCALE ...] (default: de_DE fr_FR es_ES
# it_IT pt_BR nl_NL en_US ja_JP)
# Pictures go to build/language-shots/LOCALE/SCREEN-WM-CARDS/ (such as
# 800x600-openbox-small): deal.png, hint.png, moves.png, lost.png, losing.png,
# long-column.png, details.png, preferences-1..4.png, help-1.png, and one
# picture of each box or dialog a scene opened, named after the scene and
# the dialog (lost-Stats1Dlg-2.png, dialogs-CalendarForm-3.png).
set -euo pipefail
cd "$(dirname "$0")/.."
locales=("$@")
[ ${#locales[@]} -eq 0 ] && locales=(de_DE fr_FR es_ES it_IT pt_BR nl_NL en_US ja_JP)

scripts/install-deps.sh xvfb openbox
cmake --preset default >/dev/null
cmake --build --preset default --target language_shots velvetres2
export FONTCONFIG_FILE=$PWD/tests/support/dejavu-fonts.conf

. scripts/lib/virtual_screen.sh

for locale in "${locales[@]}"; do
    for screen in 1280x1024 800x600; do
        for wm in bare openbox; do
            for cards in small large; do
                out=build/language-shots/$locale/$screen-$wm-$cards
                rm -rf "$out"
                start_screen "$screen"
                if [ "$wm" = openbox ]; then
                    openbox --sm-disable >/dev/null 2>&1 &
                    wm_pid=$!
                    sleep 1
                fi
                config=$(mktemp -d)
                LANG=$locale.UTF-8 LANGUAGE= LC_ALL= XDG_CONFIG_HOME=$config \
                    build/bin/language_shots "$out" $([ "$cards" = large ] && echo large) >/dev/null
                cleanup
                echo "$out: $(ls "$out" | wc -l) pictures"
            done
        done
    done
done
