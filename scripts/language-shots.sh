#!/usr/bin/env bash
# How a translator checks the fit: the texts the game draws at fixed places,
# in one language, saved as pictures on a virtual 1280 x 1024 X screen (Xvfb).
# A translation must fit its place without running into the next text or
# being cut; shorten the translation, never the layout.
# Usage: scripts/language-shots.sh LANGUAGE [folder]   (LANGUAGE such as de_DE;
# default folder: build/language-shots/LANGUAGE)
# Saves moves.png (the move panel), hint.png (a hint in the status bar),
# details.png (a card held over a target: the transfer details and the status
# bar), transfer.png (the status bar after that transfer), PrefDlg1-1.png to
# PrefDlg1-4.png (the preferences' pages), Stats1Dlg.png (the statistics),
# AboutBox.png and CalendarForm.png.
set -euo pipefail
cd "$(dirname "$0")/.."
language=${1:?usage: scripts/language-shots.sh LANGUAGE [folder]}
out=${2:-build/language-shots/$language}

scripts/install-deps.sh xvfb
cmake --preset default >/dev/null
cmake --build --preset default --target language_shots velvetres2
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" build/bin/language_shots "$out" "$language"
