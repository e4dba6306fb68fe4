#!/bin/sh
# Runs a test program on an X server of its own (Xvfb, 1280 x 1024) with openbox managing its
# windows, for the faults that only show where a window manager frames and places windows.
# Usage: underopenbox.sh PROGRAM [ARGUMENTS...]
set -u
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "underopenbox.sh: $tool is missing (make deps installs it)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
xvfb=
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits until FILE has something in it, while process PID lives; a minute at most, as the machine
# may be loaded. Shows LOG and fails otherwise.
await() {
    file=$1 pid=$2 what=$3 log=$4
    waited=0
    while [ ! -s "$file" ]; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 600 ]; then
            echo "underopenbox.sh: $what did not start" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Xvfb picks a free display and writes its number: tests running side by side never meet.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
await "$scratch/display" "$xvfb" Xvfb "$scratch/xvfb.log"
DISPLAY=:$(cat "$scratch/display")
export DISPLAY

# openbox runs its start-up command once it manages the screen.
HOME=$scratch openbox --sm-disable --startup "sh -c 'echo up >$scratch/managing'" \
    >"$scratch/openbox.log" 2>&1 &
wm=$!
await "$scratch/managing" "$wm" openbox "$scratch/openbox.log"

QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
