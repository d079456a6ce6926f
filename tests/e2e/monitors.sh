#!/usr/bin/env bash
# Two monitors side by side, 1280x1024 each (mutter's nested outputs): the first window opens
# on the monitor of the mouse pointer, later ones on the monitor of the window in use.
# Usage: monitors.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
export DESKTOP=mutter MUTTER_DEBUG_NUM_DUMMY_MONITORS=2
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager

# Which monitor, 0 (left) or 1 (right), holds the centre of window $1's frame.
monitor_of() { frame_centre "$1" | awk '{ print ($1 < 1280) ? 0 : 1 }'; }
on_monitor() { [ "$(monitor_of "$1")" = "$2" ] || { echo "  frame at $(frame_geometry "$1")"; false; }; }

xdotool mousemove 300 500
launch
main=$(wait_window "$WINDOW"); verdict "start-up shows the entry window" $?
check "the entry window opens on the monitor of the mouse pointer" on_monitor "$main" 0
xdotool windowmove "$main" 1500 200; wait_for 5 "the entry window on the right monitor" on_monitor "$main" 1
press "$main" a n n alt+z
result=$(wait_window "$WINDOW" "$main")
check "the result window opens on the monitor of the entry window" on_monitor "$result" 1
press "$result" Escape
exit_id=$(wait_window "$WINDOW" "$result")
check "the exit screen opens on the monitor of the window left" on_monitor "$exit_id" 1
stop_all
summary
