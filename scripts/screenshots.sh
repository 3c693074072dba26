#!/usr/bin/env bash
# Takes the README's pictures of the windows with a real window manager's frames:
# bash scripts/screenshots.sh [PROGRAM]   (default: build/app/quorvel, built as run.sh does)
#
# A private Xvfb display with openbox; the program is driven with xdotool as a mouse and
# keyboard user would, and each view is grabbed with ImageMagick's import into docs/. Then the
# main window once more at scale 1 and at scale 2 (QT_SCALE_FACTOR), each on a display of its
# own, with the Gantt chart window opened beside it at scale 1.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVEL_ROOT"

quorvel_install_packages build run bench docs

program=${1:-}
if [[ -z $program ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF $(quorvel_launcher_args)
    cmake --build build --target quorvel -j "$QUORVEL_JOBS"
    program=$QUORVEL_ROOT/build/app/quorvel
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# No printer: the print window tells so.
CUPS_SERVER=/nonexistent/cups.sock QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
pids+=($!)

window=$(xdotool search --sync --pid "${pids[1]}" --name 'Quorvel Versi' | head -n 1)
sleep 2

# grab NAME : the part of the screen around the main window (title bar included)
grab() {
    import -window root -crop 580x680+350+180 +repage "docs/$1.png"
    echo "docs/$1.png"
}
# click X Y : a left click at a point of the main window's client area
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.7
}

xdotool mousemove 5 5
grab main-window

# A first process that starts at 5: refused, on one line.
click 193 158
xdotool key End BackSpace 5
click 84 559
sleep 1
grab refusal-message
xdotool key Return
sleep 0.7

# The FCFS example typed in: arrival times 0..4 in the left column, burst times on the right.
arrival=(0 1 2 3 4)
burst=(5 3 8 6 2)
for row in 0 1 2 3 4; do
    y=$((159 + 32 * row))
    click 192 "$y"
    xdotool key End BackSpace BackSpace BackSpace BackSpace "${arrival[$row]}"
    click 419 "$y"
    xdotool key End BackSpace BackSpace BackSpace BackSpace "${burst[$row]}"
done
click 84 559
xdotool mousemove 5 5
sleep 1
grab main-window-fcfs

# The print window without a printer: the message opens before the window, over the main one.
click 264 559
sleep 1
grab no-printer-message
xdotool key Return
sleep 1
grab print-window

# --- the main window at scale 1 and 2 ------------------------------------------------------
# scaled_session SCALE SCREEN : a display of that size with openbox and the program at that
# scale; sets $window to the main window. Ended by end_session.
scaled_session() {
    local scale=$1 screen=$2
    session_display=:$((90 + RANDOM % 100))
    Xvfb "$session_display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    session_pids=($!)
    export DISPLAY=$session_display
    sleep 1
    openbox >/dev/null 2>&1 &
    session_pids+=($!)
    sleep 1
    CUPS_SERVER=/nonexistent/cups.sock QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
    session_pids+=($!)
    window=$(xdotool search --sync --pid "${session_pids[2]}" --name 'Quorvel Versi' | head -n 1)
    sleep 2
    xdotool mousemove 5 5
    sleep 0.5
}
end_session() {
    local pid
    for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    sleep 0.5
}

# The first display is no longer needed.
cleanup
pids=()
trap 'end_session' EXIT

scaled_session 1 1920x1080
import -frame -window "$window" "docs/main-window-scale1.png"
echo "docs/main-window-scale1.png"
# The Gantt chart window beside the main window after the FCFS example (Ctrl+G, then Proses).
for row in 0 1 2 3 4; do
    y=$((159 + 32 * row))
    click 192 "$y"
    xdotool key End BackSpace BackSpace BackSpace BackSpace "${arrival[$row]}"
    click 419 "$y"
    xdotool key End BackSpace BackSpace BackSpace BackSpace "${burst[$row]}"
done
xdotool key --window "$window" ctrl+g
sleep 1.5
click 84 559
xdotool mousemove 5 5
sleep 1.5
import -window root -trim +repage "docs/gantt-beside-main.png"
echo "docs/gantt-beside-main.png"
end_session

scaled_session 2 2560x2048
import -frame -window "$window" "docs/main-window-scale2.png"
echo "docs/main-window-scale2.png"
end_session
