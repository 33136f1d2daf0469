#!/usr/bin/env bash
# Processor share and resident memory of the real game on one screen.
#
#   tools/measure_cpu.sh SCREEN [SECONDS]
#
# SCREEN is "menu" (the main menu), "map" (the quest map) or "level" (a
# level in play). The game runs from build/game (WISPWOOD_BUILD=dir to pick
# another build) on an X display with the renderer the game picks (set
# SDL_RENDER_DRIVER=opengl to measure OpenGL): DISPLAY, or a private Xvfb on
# :114 (WISPWOOD_XDISPLAY=:N) started for the run. With HEADLESS=1 it runs
# on SDL's dummy video driver instead (software renderer).
#
# The game's processor time (all its threads, the renderer's included) is
# sampled over SECONDS (20 by default) once the screen is up, and printed as
# a share of one core beside the load average, for comparing runs made
# under similar load. Resident memory is read at the end of the sample.
# The profile folder is private to the run. Screens are reached with real
# input through xdotool: the logos skipped, a name typed into the first-profile
# dialog, "play" clicked for the quest map (a profile past its first level
# opens on the map); "level" starts the developer word LEVEL (run20 unless
# set; "test" has the game play itself). The menu and the map are left
# alone during the sample; a level is played (clicks at random, about six a
# second; ACTIVE=0 or 1 says otherwise). SHOT=file saves a screenshot at
# the end. Headless there is no input: "menu" is measured with the
# first-profile dialog over the menu, "level" as usual, "map" not at all.
set -euo pipefail

screen=${1:-menu}
seconds=${2:-20}
here=$(cd "$(dirname "$0")/.." && pwd)
build=${WISPWOOD_BUILD:-$here/build}
game_dir=$build/game
[ -x "$game_dir/wispwood" ] || { echo "no game binary in $game_dir" >&2; exit 1; }

profile=$(mktemp -d /tmp/wispwood-measure.XXXXXX)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$profile"
}
trap cleanup EXIT

headless=${HEADLESS:-0}
if [ "$headless" = 1 ]; then
    export SDL_VIDEODRIVER=dummy
    unset DISPLAY
else
    if [ -z "${DISPLAY:-}" ]; then
        export DISPLAY=${WISPWOOD_XDISPLAY:-:114}
        Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 2
    fi
    export SDL_VIDEODRIVER=x11
fi
export SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$profile

key() { [ "$headless" = 1 ] || xdotool key "$@"; }
click() {
    [ "$headless" = 1 ] && return
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 1
}
# Waits until loading is over: the game has stopped reading its media (a
# busy machine stretches loading, so the processor use says little).
settle() {
    local last now
    last=$(read_bytes)
    for _ in $(seq 120); do
        sleep 2
        now=$(read_bytes)
        [ $((now - last)) -lt 262144 ] && break
        last=$now
    done
    sleep "${1:-2}"
}
read_bytes() { awk '/^rchar/ {print $2}' "/proc/$game_pid/io"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }

start_game() {
    (cd "$game_dir" && exec ./wispwood "$@" >/dev/null 2>&1) &
    game_pid=$!
    # A loaded machine may take a while to show the window.
    if [ "$headless" != 1 ]; then
        for _ in $(seq 60); do
            xdotool search --pid "$game_pid" >/dev/null 2>&1 && break
            sleep 0.5
        done
    fi
}
# Both logos, each skipped by a key.
skip_logos() {
    sleep 2; key space; sleep 3; key space
}

# A first run makes the profile: logos, loading, the name dialog.
make_profile() {
    start_game
    skip_logos
    settle 1
    [ "$headless" = 1 ] && return
    # The profile is only written when the game quits, so the name is typed
    # once, after loading has settled.
    xdotool type ivy
    sleep 0.5; key Return; sleep 2
}

case $screen in
menu)
    make_profile
    settle 3
    ;;
map)
    [ "$headless" = 1 ] && { echo "the map needs a display for its input" >&2; exit 1; }
    make_profile
    # Quit in order so that the new profile is written.
    kill -TERM "$game_pid"
    for _ in $(seq 40); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.5; done
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    # A profile past its first level opens on the quest map.
    file=$(grep -rl currentadventure "$profile" | head -1)
    [ -n "$file" ] || { echo "the first run wrote no profile" >&2; exit 1; }
    sed -i 's/^currentadventure *= *0/currentadventure = 1/' "$file"
    start_game
    skip_logos
    settle 2
    click 400 225
    settle 3
    ;;
level)
    start_game "${LEVEL:-run20}"
    skip_logos
    settle 5
    ;;
*)
    echo "unknown screen $screen (menu, map, level)" >&2
    exit 1
    ;;
esac

# A busy level is one being played: the pointer clicks lower pieces of
# the board at random, about six times a second, so that every few clicks
# two groups of one colour meet and burst.
player_pid=
play_along() {
    while :; do
        xdotool mousemove $((70 + RANDOM % 520)) $((330 + RANDOM % 150)) click 1
        sleep 0.15
    done
}
active=${ACTIVE:-$([ "$screen" = level ] && echo 1 || echo 0)}
if [ "$active" = 1 ] && [ "$headless" != 1 ]; then
    play_along &
    player_pid=$!
fi

start=$(cpu_ticks)
sleep "$seconds"
end=$(cpu_ticks)
[ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null || true
[ -n "${SHOT:-}" ] && [ "$headless" != 1 ] && import -window root "$SHOT"
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")
load=$(cut -d' ' -f1-3 /proc/loadavg)
renderer=$([ "$headless" = 1 ] && echo dummy || echo x11)
awk -v t=$((end - start)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v rss="$rss" -v scr="$screen" \
    -v load="$load" -v drv="$renderer" -v act="$([ "$active" = 1 ] && echo played || echo "left alone")" \
    'BEGIN { printf "%s (%s, %s): cpu %.1f %% of one core over %d s, resident %.0f MB, load %s\n",
             scr, drv, act, 100 * t / hz / s, s, rss / 1024, load }'
