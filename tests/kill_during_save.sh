#!/usr/bin/env bash
# Kills a process that saves the player profiles without pause, with SIGKILL
# at random moments, and checks after each kill that the profiles file still
# parses and holds every profile from one whole save.
#   tests/kill_during_save.sh [kills] [build folder]     (default 1000, build)
# Not part of CTest: a thousand kills take a few minutes.
set -euo pipefail
kills=${1:-1000}
build=${2:-build}
tool="$build/obj/tools/savestress/savestress"
[[ -x $tool ]] || { echo "build $tool first (ninja -C $build savestress)" >&2; exit 2; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME=$home
"$tool" write & pid=$!
sleep 0.2
kill -9 "$pid"; wait "$pid" 2>/dev/null || true
failures=0
for ((i = 1; i <= kills; i++)); do
    "$tool" write & pid=$!
    # Between 1 and 60 ms: inside the first saves, past the load.
    sleep "0.0$(printf '%02d' $((RANDOM % 60 + 1)))"
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    if ! "$tool" check; then
        failures=$((failures + 1))
        echo "kill $i: profiles damaged" >&2
    fi
done
leftovers=$(find "$home" -name '.playerprofiles*' | wc -l)
echo "$kills kills, $failures with damaged profiles, $leftovers temporary files left behind"
[[ $failures -eq 0 ]]
