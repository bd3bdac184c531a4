#!/usr/bin/env bash
# Measures Tavolin beside the floor of any Qt 6 program (a minimal main window
# with one menu and a status bar) and, when they are installed, the FreeCell
# games Debian ships (Aisleriot, KPatience), all in one run on a private X
# server and session bus, and prints a Markdown table for the README.
# The same minimal window woken by a 1 Hz timer that does nothing is the
# floor of an idle game's clock.
#
#   start     start to the first visible window: N starts of each program,
#             alternated, a fresh configuration folder for every start (and
#             Tavolin once more with the settings file of an earlier start)
#   memory    resident memory after a dealt game has idled for 10 s
#   CPU       CPU used over the following idle seconds, and wake-ups a second
#
# Usage: scripts/measure.sh [-n STARTS] [-r IDLE_ROUNDS] [-s IDLE_SECONDS] [-c BUILD]
# Defaults: 9 starts, 3 idle rounds of 60 s (about five minutes in all).
# -c BUILD measures another build of the game beside this one (BUILD/bin
# holds its tavolin and libvelvetres2.so), say one made before a change.
# Not part of the tests: it takes minutes and its figures depend on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."

starts=9
rounds=3
idle_seconds=60
settle_seconds=10
other_build=
while getopts "n:r:s:c:h" option; do
    case $option in
        n) starts=$OPTARG ;;
        r) rounds=$OPTARG ;;
        s) idle_seconds=$OPTARG ;;
        c) other_build=$(cd "$OPTARG" && pwd) ;;
        *) sed -n '2,19s/^# \{0,1\}//p' "$0"; exit 2 ;;
    esac
done

scripts/install-deps.sh xvfb xdotool libx11-dev dbus-daemon >&2

say() { echo "measure: $*" >&2; }

say "building the game (Release) in build-release/"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTAVOLIN_BUILD_TESTS=OFF -DTAVOLIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target tavolin velvetres2 >/dev/null

work=$(mktemp -d /tmp/tavolin-measure.XXXXXX)
declare -A running   # process groups of the programs started and not yet stopped
xvfb_pid=
bus_pid=
cleanup() {
    for group in "${!running[@]}"; do kill -KILL -- "-$group" 2>/dev/null || true; done
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

gcc -O2 -o "$work/window_watch" scripts/measure/window_watch.c -lX11
# shellcheck disable=SC2046
g++ -O2 -fPIC -o "$work/minimal_window" scripts/measure/minimal_window.cpp $(pkg-config --cflags --libs Qt6Widgets)
watch=$work/window_watch

# A display of our own: the first number from 40 on that nobody holds.
for display in $(seq 40 99); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$display" ] && break
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "measure: no free display for Xvfb" >&2; exit 1; }
export DISPLAY=:$display

# One home and session bus for the whole run; a new configuration folder for every start.
export HOME=$work/home XDG_CACHE_HOME=$work/home/.cache XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
say "display $DISPLAY, session bus $DBUS_SESSION_BUS_ADDRESS"

# The programs, by key; peers only when installed. Tavolin starts as at its
# first run (writing its settings file) and as at any later one. `names` are
# started one by one, and idle with `peers`; `idlers` only idle.
declare -A command title
names=(tavolin tavolin_later minimal)
peers=()
idlers=(ticking tavolin_empty)
command[tavolin]=$PWD/build-release/bin/tavolin
title[tavolin]="Tavolin (Release)"
command[tavolin_later]=${command[tavolin]}
title[tavolin_later]="Tavolin, later start"
command[minimal]=$work/minimal_window
title[minimal]="minimal Qt window"
command[ticking]="$work/minimal_window tick"
title[ticking]="minimal window, 1 Hz timer"
command[tavolin_empty]=${command[tavolin]}
title[tavolin_empty]="Tavolin, no game"
if [ -n "$other_build" ]; then
    [ -x "$other_build/bin/tavolin" ] || { echo "measure: no $other_build/bin/tavolin" >&2; exit 1; }
    names+=(other)
    command[other]=$other_build/bin/tavolin
    title[other]="Tavolin ($(basename "$other_build"))"
fi
peer_path() { command -v "$1" 2>/dev/null || { [ -x "/usr/games/$1" ] && echo "/usr/games/$1"; }; }
if sol=$(peer_path sol); then
    peers+=(aisleriot)
    command[aisleriot]="$sol --variation freecell"
    title[aisleriot]="Aisleriot $(dpkg-query -W -f='${Version}' aisleriot 2>/dev/null | sed 's/^[0-9]*://; s/-.*//')"
fi
if kpat=$(peer_path kpat); then
    peers+=(kpatience)
    command[kpatience]="dbus-run-session -- $kpat --gametype freecell"
    title[kpatience]="KPatience $(dpkg-query -W -f='${Version}' kpat 2>/dev/null | sed 's/^[0-9]*://; s/-.*//')"
fi

# Starts a program with a fresh configuration folder, or a copy of its seed
# folder when it has one; sets started_ms, started_group, started_window,
# started_pid and started_config.
declare -A seed
launch() {
    local line
    started_config=$(mktemp -d "$work/config.XXXXXX")
    [ -n "${seed[$1]:-}" ] && cp -r "${seed[$1]}/." "$started_config/"
    # shellcheck disable=SC2086
    line=$(XDG_CONFIG_HOME=$started_config "$watch" start ${command[$1]} 2>>"$work/programs.log") ||
        { tail -5 "$work/programs.log" >&2; return 1; }
    read -r started_ms started_group started_window started_pid <<<"$line"
    running[$started_group]=1
}

stop() {
    unset "running[$1]"
    kill -TERM -- "-$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 -- "-$1" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -KILL -- "-$1" 2>/dev/null || true
}

# One line per thread: its id, its CPU time in nanoseconds and its voluntary
# context switches (each one a sleep that something ended: a wake-up).
threads() {
    local task ns rest
    for task in /proc/"$1"/task/*; do
        read -r ns rest 2>/dev/null <"$task/schedstat" || continue
        echo "${task##*/} $ns $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null)"
    done
}
# CPU per cent of a core and wake-ups a second between two thread lists,
# counting the threads alive at the end (one that ended takes its time along).
idle_use() {
    awk -v s="$3" 'NR == FNR { ns[$1] = $2; wk[$1] = $3; next }
        { dns += $2 - ns[$1]; dwk += $3 - wk[$1] }
        END { printf "%.4f %.2f\n", dns / (s * 1e9) * 100, dwk / s }' "$1" "$2"
}
rss_mib() { awk '/^VmRSS/ { printf "%.2f", $2 / 1024 }' /proc/"$1"/status; }

# "min / median / max" of the numbers after the printf format.
summary() {
    local format=$1; shift
    printf '%s\n' "$@" | sort -g | awk -v f="$format" '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf f " / " f " / " f, v[1], m, v[NR] }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

last() { local values=${1% }; echo "${values##* }"; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- Starts ----------------------------------------------------------------
starting=("${names[@]}" "${peers[@]}")
declare -A start_ms
say "warming up: one start of each program, not counted"
for name in "${starting[@]}"; do
    launch "$name" && stop "$started_group"
    # The settings file a first start leaves, for the later starts.
    [ "$name" = tavolin ] && seed[tavolin_later]=$started_config
done
for ((i = 0; i < starts; ++i)); do
    # Rotate the order so that no program always follows the same one.
    for ((k = 0; k < ${#starting[@]}; ++k)); do
        name=${starting[$(((i + k) % ${#starting[@]}))]}
        launch "$name" || { say "$name did not open a window"; exit 1; }
        start_ms[$name]+="$started_ms "
        stop "$started_group"
        sleep 0.2
    done
    say "start round $((i + 1))/$starts: $(for n in "${starting[@]}"; do printf '%s %s ms  ' "$n" "$(last "${start_ms[$n]}")"; done)"
done

# ---- Memory and idle CPU -----------------------------------------------------
# Every program at once, each game with a dealt game; Tavolin also without one.
dealt=(tavolin)
[ -n "$other_build" ] && dealt+=(other)
idle_names=(minimal "${idlers[@]}" "${peers[@]}" "${dealt[@]}")
declare -A rss cpu wake
for ((round = 1; round <= rounds; ++round)); do
    declare -A pid_of=() window_of=()
    live=()
    for name in "${idle_names[@]}"; do
        launch "$name" || { say "$name did not open a window"; exit 1; }
        pid_of[$name]=$started_pid
        window_of[$name]=$started_window
        live+=("$started_group")
    done
    # Each game in turn is raised and deals through its menu, and its cards
    # must show; the turns alternate between rounds, so that neither game
    # always lies on top.
    sleep 1
    for ((k = 0; k < ${#dealt[@]}; ++k)); do
        name=${dealt[$(((round + k) % ${#dealt[@]}))]}
        xdotool windowraise "${window_of[$name]}"
        xdotool windowfocus --sync "${window_of[$name]}"
        xdotool key --delay 300 alt+g n
        sleep 1
        white=$("$watch" cards "${window_of[$name]}")
        # An empty table is about 3.5 % white (menu and status bar), a dealt one about 10 %.
        awk -v w="$white" 'BEGIN { exit !(w > 6.5) }' || { say "$name did not deal (white ${white} %)"; exit 1; }
    done
    sleep "$settle_seconds"
    for name in "${idle_names[@]}"; do
        rss[$name]+="$(rss_mib "${pid_of[$name]}") "
        threads "${pid_of[$name]}" >"$work/$name.before"
    done
    sleep "$idle_seconds"
    for name in "${idle_names[@]}"; do
        threads "${pid_of[$name]}" >"$work/$name.after"
        read -r use wakes < <(idle_use "$work/$name.before" "$work/$name.after" "$idle_seconds")
        cpu[$name]+="$use "
        wake[$name]+="$wakes "
    done
    for group in "${live[@]}"; do stop "$group"; done
    say "idle round $round/$rounds: $(for n in "${idle_names[@]}"; do printf '%s %s MiB %s %%  ' "$n" "$(last "${rss[$n]}")" "$(last "${cpu[$n]}")"; done)"
done

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- Report ------------------------------------------------------------------
columns=(tavolin tavolin_later tavolin_empty "${names[@]:3}" minimal ticking "${peers[@]}")
# A row of figures: its label, the printf format, and the name of the array
# that holds each program's values.
figure_row() {
    local label=$1 format=$2 c
    local -n values=$3
    local cells=()
    for c in "${columns[@]}"; do
        # shellcheck disable=SC2086
        if [ -n "${values[$c]:-}" ]; then cells+=("$(summary "$format" ${values[$c]})"); else cells+=("—"); fi
    done
    row "$label" "${cells[@]}"
}
row() { # label, then one cell per column
    local label=$1; shift
    printf '| %s |' "$label"
    printf ' %s |' "$@"
    printf '\n'
}

echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') by scripts/measure.sh on $(nproc) cores, Qt $(pkg-config --modversion Qt6Widgets);"
echo "load average $load_before before, $load_after after. Each cell: min / median / max."
echo
header=("")
for c in "${columns[@]}"; do header+=("${title[$c]}"); done
row "${header[@]}"
printf '|---|'; for _ in "${columns[@]}"; do printf -- '---|'; done; printf '\n'
figure_row "start to first visible window, ms ($starts starts)" %.0f start_ms
figure_row "resident memory, MiB, after ${settle_seconds} s idle ($rounds rounds)" %.1f rss
figure_row "CPU over ${idle_seconds} idle s, % of a core" %.3f cpu
figure_row "wake-ups a second while idle" %.2f wake

# shellcheck disable=SC2086
{
    t_start=$(median ${start_ms[tavolin]}); m_start=$(median ${start_ms[minimal]})
    l_start=$(median ${start_ms[tavolin_later]})
    t_rss=$(median ${rss[tavolin]}); m_rss=$(median ${rss[minimal]})
    t_cpu=$(median ${cpu[tavolin]}); e_cpu=$(median ${cpu[tavolin_empty]})
    t_wake=$(median ${wake[tavolin]})
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "∞" }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t ? "met" : "**not met**") }'; }
echo
echo "| target | measured (medians) | |"
echo "|---|---|---|"
limit=$(awk -v m="$m_start" 'BEGIN { printf "%.0f", 1.1 * m }')
for run in first later; do
    start=$([ $run = first ] && echo "$t_start" || echo "$l_start")
    printf '| start ≤ 1.1 × the minimal Qt window, %s start | %.0f ms = %.2f × %.0f ms | %s |\n' "$run" "$start" \
        "$(awk -v a="$start" -v b="$m_start" 'BEGIN { print a / b }')" "$m_start" "$(verdict "$start" "$limit")"
done
for peer in aisleriot kpatience; do
    [ -n "${start_ms[$peer]:-}" ] || continue
    # shellcheck disable=SC2086
    p_start=$(median ${start_ms[$peer]})
    target=$([ $peer = aisleriot ] && echo "about 0.5 × ${title[$peer]}" || echo "against ${title[$peer]}")
    printf '| start %s | %.0f ms = %.2f × %.0f ms | |\n' "$target" "$t_start" \
        "$(awk -v a="$t_start" -v b="$p_start" 'BEGIN { print a / b }')" "$p_start"
done
printf '| memory ≤ the minimal Qt window + 3 MiB | %.1f MiB = %.1f MiB + %.1f MiB | %s |\n' "$t_rss" "$m_rss" \
    "$(awk -v a="$t_rss" -v b="$m_rss" 'BEGIN { print a - b }')" \
    "$(verdict "$t_rss" "$(awk -v m="$m_rss" 'BEGIN { print m + 3 }')")"
printf '| CPU with a dealt game ≤ 0.05 %% | %.3f %% | %s |\n' "$t_cpu" "$(verdict "$t_cpu" 0.05)"
printf '| CPU with no game 0.00 %% | %.3f %% | %s |\n' "$e_cpu" "$(verdict "$e_cpu" 0.005)"
# The clock's cost beside the floor of any 1 Hz timer.
# shellcheck disable=SC2086
{ k_cpu=$(median ${cpu[ticking]}); k_wake=$(median ${wake[ticking]}); }
printf '| CPU with a dealt game against the 1 Hz timer window | %.3f %% = %s × %.3f %% | |\n' "$t_cpu" \
    "$(ratio "$t_cpu" "$k_cpu")" "$k_cpu"
printf '| wake-ups with a dealt game against the 1 Hz timer window | %.2f/s = %s × %.2f/s | |\n' "$t_wake" \
    "$(ratio "$t_wake" "$k_wake")" "$k_wake"
if [ -n "$other_build" ]; then
    # shellcheck disable=SC2086
    {
        o_start=$(median ${start_ms[other]}); o_rss=$(median ${rss[other]})
        o_cpu=$(median ${cpu[other]}); o_wake=$(median ${wake[other]})
    }
    against="against ${title[other]}"
    printf '| start %s, first start | %.0f ms = %s × %.0f ms | |\n' "$against" "$t_start" "$(ratio "$t_start" "$o_start")" "$o_start"
    printf '| memory %s | %.1f MiB = %.1f MiB %+.1f MiB | |\n' "$against" "$t_rss" "$o_rss" \
        "$(awk -v a="$t_rss" -v b="$o_rss" 'BEGIN { print a - b }')"
    printf '| CPU with a dealt game %s | %.3f %% = %s × %.3f %% | |\n' "$against" "$t_cpu" "$(ratio "$t_cpu" "$o_cpu")" "$o_cpu"
    printf '| wake-ups with a dealt game %s | %.2f/s = %s × %.2f/s | |\n' "$against" "$t_wake" \
        "$(ratio "$t_wake" "$o_wake")" "$o_wake"
fi
