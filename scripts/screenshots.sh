#!/usr/bin/env bash
# Starts the real program under Xvfb and writes PNG screenshots of its windows:
# the entry window, the result window for 15 March 1960, the About window and the exit
# screen. Usage: screenshots.sh PATH/TO/Quorvex OUTPUT-FOLDER
set -eu
BIN=$(readlink -f "$1")
OUT=$(mkdir -p "$2" && cd "$2" && pwd)
XSESSION_SCREEN=2560x1600x24 source "$(dirname "$0")/xsession.sh"
start_window_manager

"$BIN" >/dev/null 2>&1 &
sleep 1.5
active() { xdotool getactivewindow; }
shoot() { sleep 0.6; import -window "$(active)" -frame "$OUT/$1.png"; echo "$OUT/$1.png"; }
shoot entry-window
xdotool type --delay 30 ann
# 15 March 1960: the day list, the month list, the year list
xdotool key Tab; xdotool type --delay 30 15
xdotool key Tab; xdotool type --delay 30 mar
xdotool key Tab; xdotool type --delay 30 1960
xdotool key alt+z
shoot result-window
xdotool key alt+h a
shoot about-window
xdotool key Escape
sleep 0.3
xdotool key Return
sleep 0.5
exit_id=$(program_windows "$WINDOW" | head -1)
xdotool windowactivate --sync "$exit_id"
sleep 0.6; import -window "$exit_id" -frame "$OUT/exit-screen.png"; echo "$OUT/exit-screen.png"
xdotool key alt+x
