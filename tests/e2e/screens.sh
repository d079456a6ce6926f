#!/usr/bin/env bash
# A screen smaller than a window at a large scale: the window keeps its title bar, and so its
# title, menus and close box, on the screen. Usage: screens.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
SESSION_SCREEN=1024x768x24
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager

# True when window $1's frame starts on the screen.
starts_on_screen() { frame_geometry "$1" | awk '{ exit !($1 >= 0 && $2 >= 0) }'; }
# Window $1's frame's width or height ($2: 3 or 4).
frame_size() { frame_geometry "$1" | awk -v i="$2" '{print $i}'; }

QT_SCALE_FACTOR=2 launch
main=$(wait_window "$WINDOW")
check "its title bar is on the screen" wait_for 3 "the title bar on the screen" starts_on_screen "$main"
check "at scale 2 the entry window is taller than the 1024x768 screen" [ "$(frame_size "$main" 4)" -gt 768 ]
press "$main" Escape
exit_id=$(wait_window "$WINDOW" "$main")
check "its title bar starts on the screen" wait_for 3 "the title bar on the screen" starts_on_screen "$exit_id"
check "the exit screen is wider than the screen" [ "$(frame_size "$exit_id" 3)" -gt 1024 ]
stop_all
summary
