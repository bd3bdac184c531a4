#!/usr/bin/env bash
# Plays a game with keys only while the Orca screen reader listens, and
# prints, step by step, what Orca said. Orca runs as Debian ships it with
# nothing set up but itself turned on; its speech goes to speech-dispatcher's
# silent dummy output, and what it said is read from its debug log. Runs on
# a virtual X screen with a window manager, a private session bus and the
# AT-SPI bus; not part of the tests.
#
# Usage: scripts/orca-check.sh [done | win [DEAL] | lose | warn | steps DEAL FILE]
#   done       deal 17: pick up, a move that lets a card go to its Pile by
#              itself, Undo, the hint, a refused drop, Escape, reading a Column
#   win DEAL   the winning line `tavolin --solve DEAL` prints, played with keys
#              (default deal 17)
#   lose       a game of deal 17 played until no move is left, then Losing Move
#   warn       the same game with Warn of Losing Moves turned on
#   steps DEAL FILE   the keys in FILE, one step a line: xdotool key names
#              separated by blanks, then optionally "# what the step is"
# Installs Orca, speech-dispatcher, Xvfb, openbox, xdotool and the AT-SPI bus
# when they are missing. With ORCA_CHECK_SHOTS set to a folder, the screen is
# saved there each time the empty-Column question opens.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-done}
if [ -z "${ORCA_CHECK_IN_SESSION:-}" ]; then
    scripts/install-deps.sh xvfb xdotool openbox dbus dbus-x11 at-spi2-core python3-pyatspi orca \
        speech-dispatcher imagemagick
    cmake --preset default >/dev/null
    cmake --build --preset default --target tavolin velvetres2 >/dev/null
    ORCA_CHECK_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
# ORCA_CHECK_LOG keeps Orca's whole debug log there.
log=${ORCA_CHECK_LOG:-$work/orca.log}
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    # Speech-dispatcher, started by Orca, outlives it for a while.
    local speechd=$work/run/speech-dispatcher/pid/speech-dispatcher.pid
    [ -f "$speechd" ] && kill "$(cat "$speechd")" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/data
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# The dummy output module says nothing aloud.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
EOF

fifo=$work/display
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
pids+=($!)
read -r display <"$fifo"
export DISPLAY=":$display"

openbox >/dev/null 2>&1 &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Orca itself, with its debug log written line by line rather than in
# blocks, so that each step's speech is in the log when the step ends.
/usr/bin/python3 - --replace -u "$work/orca-prefs" --debug-file "$log" >/dev/null 2>&1 <<'EOF' &
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == sys.argv[-1] and mode == "w":
        return plain_open(file, mode, 1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered_log
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
EOF
pids+=($!)
for _ in $(seq 50); do
    grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break
    sleep 0.2
done

# What Orca said since the last call, once it has said nothing new for a
# second.
said_from=1
speech() { grep -c "SPEECH OUTPUT" "$log" || true; }
settle() {
    local count=-1 now quiet=0
    for _ in $(seq 50); do
        sleep 0.25
        now=$(speech)
        if [ "$now" = "$count" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 4 ] && break
        else
            quiet=0 count=$now
        fi
    done
    local total
    total=$(wc -l <"$log")
    # A saying of several lines goes on in the log's next lines, indented,
    # up to the quote and the voice's settings.
    sed -n "${said_from},${total}p" "$log" | awk '
        function said() { sub(/\x27 *\{[^{}]*\} *$/, "", text); print "    " text; open = 0 }
        open { sub(/^ +/, ""); text = text " " $0; if ($0 ~ /\x27 *\{[^{}]*\} *$/) said(); next }
        /SPEECH OUTPUT: \x27/ { text = $0; sub(/^.*SPEECH OUTPUT: \x27/, "", text); open = 1
                                 if (text ~ /\x27 *\{[^{}]*\} *$/) said() }'
    said_from=$((total + 1))
}

# The game, started again when Orca does not present its window: on a
# loaded machine the game's first call to the accessibility bus can fail.
start_game() {
    local try
    for try in 1 2 3; do
        build/bin/tavolin --deal "$1" >"$work/game.out" 2>&1 &
        pids+=($!)
        # A window that goes while xdotool looks at it stops --sync: ask again.
        until xdotool search --onlyvisible --name 'Tavolin - Velvet Edition' >/dev/null 2>&1; do sleep 0.2; done
        sleep 2
        settle >"$work/start.txt"
        if grep -q "Table panel" "$work/start.txt"; then
            echo "== tavolin --deal $1"
            cat "$work/start.txt"
            return
        fi
        kill "${pids[-1]}"
        wait "${pids[-1]}" 2>/dev/null || true
        unset 'pids[-1]'
    done
    echo "Orca did not present the game's window." >&2
    exit 1
}

# One step: the keys, then what Orca said.
step() {
    local label=$1
    shift
    echo "== $label"
    xdotool key --delay 150 "$@"
    settle
}

# A transfer as `--solve` prints it: Columns 1-8, Rooms a-d, Piles h; a
# third field of 1 moves one card of several into an empty Column. The
# empty-Column question, when it comes, is answered with its own keys.
transfer() {
    local from=$1 to=$2 one=${3:-}
    step "$from" "$from"
    step "$to" "$to"
    if [ -n "$(question_open)" ]; then
        if [ -n "${ORCA_CHECK_SHOTS:-}" ]; then
            shots=$((${shots:-0} + 1))
            import -window root "$ORCA_CHECK_SHOTS/question-$shots.png"
        fi
        if [ -n "$one" ]; then step "n: No, one card" n; else step "y: Yes" y; fi
    fi
}

# The question about an empty Column, when it is open.
question_open() {
    xdotool search --onlyvisible --name '^ Transfer to empty Column$' 2>/dev/null | head -n 1
}

# Nine transfers of deal 17 that fill the Rooms and leave no move; the game
# says so in its box, then shows the statistics.
play_to_a_loss() {
    start_game 17
    for move in "3 c" "2 b" "2 d" "c a" "b c" "3 b" "6 8" "1 6" "4 7"; do
        # shellcheck disable=SC2086
        transfer $move
    done
    step "Return: the box closes" Return
    step "Return: the statistics close" Return
}

case $mode in
done)
    start_game 17
    step "6: pick up" 6
    step "8: drop on Column 8" 8
    step "Ctrl+Z: Undo" ctrl+z
    step "Ctrl+H: hint" ctrl+h
    step "6: pick up" 6
    step "1: a drop that is refused" 1
    step "h: no Pile takes it" h
    step "Escape: put back" Escape
    step "Down: the cursor from Pile 1 to Column 5" Down
    step "r: Column 5 from the top" r
    step "u: Column 5 from the bottom" u
    ;;
win)
    deal=${2:-17}
    start_game "$deal"
    while read -r from to one; do
        transfer "$from" "$to" "$one"
    done < <(build/bin/tavolin --solve "$deal" | tail -n +2)
    step "Return: the box closes" Return
    step "Return: the statistics close" Return
    ;;
lose)
    play_to_a_loss
    step "Ctrl+L: the transfer that lost the game" ctrl+l
    step "Escape: No, not dealt again" Escape
    ;;
warn)
    # A settings file as a first start writes it, the warning turned on.
    mkdir -p "$XDG_CONFIG_HOME/Tavolin"
    cat >"$XDG_CONFIG_HOME/Tavolin/registry.ini" <<'EOF'
[Software\Projects\Tavolin 2.2]
"Form Height"=dword:799
"Form Left"=dword:1
"Form State"=dword:1
"Form Top"=dword:1
"Form Width"=dword:799
"Games Lost"=dword:0
"Games Won"=dword:0
"OrigCardSize"=dword:1
"PileSuit 0"=dword:0
"PileSuit 1"=dword:1
"PileSuit 2"=dword:2
"PileSuit 3"=dword:3
"SWBmpPath"=""
"ShowPicture"=dword:0
"SpeedSlider"=dword:8
"Streak Losses"=dword:0
"Streak Type"=dword:0
"Streak Wins"=dword:0
"TimeDisplay"=dword:1
"TransferDetails"=dword:0
"TransferInfo"=dword:0
"WarnLosingMove"=dword:1
EOF
    play_to_a_loss
    ;;
steps)
    start_game "$2"
    while IFS= read -r line; do
        keys=${line%%#*}
        label=${line#*#}
        label=${label# }
        [ -z "${keys// /}" ] && continue
        # shellcheck disable=SC2086
        step "${label:-$keys}" $keys
    done <"$3"
    ;;
*)
    echo "Unknown mode: $mode" >&2
    exit 2
    ;;
esac
