#!/usr/bin/env bash
# Starts the real program under Xvfb and writes PNG screenshots of its windows:
# the entry window, the result window for 15 March 1960, the About window and the exit
# screen. Usage: screenshots.sh PATH/TO/Quorvex OUTPUT-FOLDER
set -eu
BIN=$(readlink -f "$1")
OUT=$(mkdir -p "$2" && cd "$2" && pwd)
SESSION_SCREEN=2560x1600x24 source "$(dirname "$0")/session/session.sh"
start_window_manager

# Each window once it is up, active and painted.
shoot() { wait_for 5 "window $2 to become active" active "$2" && settle && import -window "$2" -frame "$OUT/$1.png" && echo "$OUT/$1.png"; }
launch
main=$(wait_window "$WINDOW"); shoot entry-window "$main"
# 15 March 1960: the day list, the month list, the year list
press "$main" a n n Tab 1 5 Tab m a r Tab 1 9 6 0 alt+z
result=$(wait_window "$WINDOW" "$main"); shoot result-window "$result"
press "$result" alt+h a
about=$(wait_window "$WINDOW" "$result"); shoot about-window "$about"
xdotool key Escape; wait_gone "$about"
press "$result" Return
exit_id=$(wait_window "$WINDOW" "$result"); shoot exit-screen "$exit_id"
xdotool key alt+x
