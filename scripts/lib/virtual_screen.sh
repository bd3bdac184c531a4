# Sourced by the screenshot scripts: a virtual X screen, a window manager and
# a game with a settings file of its own, all gone when the script ends.

# A script that starts a window manager keeps its process in $wm_pid.
xvfb_pid=
wm_pid=
game_pid=
config=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$config" ] && rm -rf "$config"
    game_pid= wm_pid= xvfb_pid= config=
}
trap cleanup EXIT

# A virtual screen of the given size ("1280x1024") on a free display number.
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

# A fresh settings file in $config, as the game writes it at its first start
# on this screen, with the card size ("OrigCardSize": 1 small, 0 large) changed.
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
