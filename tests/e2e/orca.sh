#!/usr/bin/env bash
# The program by keyboard alone with the Orca screen reader, and what Orca says (each
# utterance as a line of $HEARD; see start_orca), in a D-Bus session of its own.
# Usage: orca.sh PATH/TO/Quorvex
set -u
if [ -z "${ORCA_SESSION:-}" ]; then exec env ORCA_SESSION=1 dbus-run-session -- "$0" "$@" 2>/dev/null; fi
BIN=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager

start_orca; verdict "Orca speaks" $? || { summary; exit 1; }

: > "$HEARD"
launch
main=$(wait_window "$WINDOW"); SAID=$(said)
check "at start: the name box" heard "Name text"
# The list's name, its role and its value, the value said once: "Date combo box. 1." from
# Orca 43 with Qt 6.4, "Date combo box 1." from Orca 48 and 51.
once() { [ "$(echo "$SAID" | grep -oE "[0-9]+" | grep -cx "$1")" = 1 ] || { echo "  heard: $SAID"; return 1; }; }
heard_list() { heard_that "Date.*combo box" && once "$1"; }
xdotool key Tab; SAID=$(said)
check "the Date list with its value" heard_list 1
# Qt 6.4 tells screen readers nothing when a closed list's value changes; from Qt 6.5 on the
# new value is said.
qt=$(ls /usr/lib/*/libQt6Core.so.6.* | sed 's/.*\.so\.//' | head -1)
xdotool key Down
case $qt in 6.4.*) ;; *) SAID=$(said); check "the list's new value after Down, once" once 2 ;; esac
xdotool key shift+Tab a n n; said >/dev/null
chord z; SAID=$(said)
check "after Find: the sign" heard "Zevod Astrology Sign: Pisces."
check "after Find: its paragraph" heard "This amplifies emotionalism"
chord b; said >/dev/null
xdotool key Tab; SAID=$(said)
check "after Back: the Date list with the value kept" heard_list 2
xdotool key Escape; SAID=$(said)
# Qt 6.4 says the window's title and role; Qt 6.8, which has announcements, its title and
# its support message.
check "the exit screen, reached after a request, announced" heard "Quorvex v1.0"
# Flat review from the top of the exit screen (Orca+KP_Home), line by line (KP_Page_Up): what
# is on screen is read, also for a screen made hidden by the request and shown only now.
xdotool keydown Insert; sleep 0.3; xdotool key KP_Home; sleep 0.3; xdotool keyup Insert
SAID=$(said)
for _ in $(seq 12); do xdotool key KP_Page_Up; SAID+=" $(said)"; done
check "flat review of the exit screen: its title" heard "Quorvex v1.0"
check "flat review: the support message" heard "Harrowfen regularly"
check "flat review: the recommendation" heard "If you have enjoyed this software"
xdotool key Tab; said >/dev/null # from the Exit button to the link
for box in "Your Name" "Your Email Address" "Your Message" "Friend's Name" "Friend's Email Address"; do
    xdotool key Tab; SAID=$(said)
    check "the form box $box by name" heard "$box text"
done
stop_all
summary
