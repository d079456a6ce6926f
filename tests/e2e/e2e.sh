#!/usr/bin/env bash
# End-to-end tests: the real program under Xvfb with a window manager, driven with xdotool
# as a user would. Usage: e2e.sh PATH/TO/Quorvex. DESKTOP picks the window manager: openbox
# (the default), mutter, kwin or kwin-x11 (see scripts/session/desktops.sh).
set -u
BIN=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager

# --- start-up shows the entry window, centred
# The window manager may frame a window only after it shows; give the frame a moment.
frame_centred_on() { local w=$1 c=$2; wait_until 3 eval 'near "$(frame_centre "$w")" "$c"'; }
launch; first=$LAUNCHED
main=$(wait_window "$WINDOW"); verdict "start-up shows the entry window" $?
check "the entry window's frame opens centred on the screen" frame_centred_on "$main" "$(screen_centre)"

# --- moved by the person partly past the screen's right edge, minimized and restored: it
# comes back where it was put, not pulled onto the screen
at_place() { [ "$(geometry "$1")" = "$2" ]; }
centred=$(geometry "$main"); xdotool windowmove "$main" $((${SCREEN_SIZE%x*} - 150)) 80
wait_for 5 "the entry window to move" eval '! at_place "$main" "$centred"'
moved=$(geometry "$main")
xdotool windowminimize "$main"; wait_gone "$main"
xdotool windowactivate "$main" 2>/dev/null; wait_for 5 "the entry window to come back" shown "$main"
settle # for a placement that would come after
check "a window minimized and restored stays where the person put it" at_place "$main" "$moved"

# --- a letter composed with a dead key is refused like a typed one
# xdotool maps the dead key onto a spare key code just for the press and maps it back at
# once; Qt can read the keymap after that and see no key at all. So the keys go again then.
for _ in 1 2 3; do press "$main" a dead_acute e; box=$(wait_window "$BOX") && break; done
verdict "a letter composed with a dead key is refused" $?
press "$box" Return; wait_gone "$box"

# --- Esc leads to the exit screen, above other windows, and its messages above it
press "$main" Escape
exit_id=$(wait_window "$WINDOW" "$main"); verdict "Esc on the entry window brings up the exit screen" $?
check "the exit screen has the keyboard" wait_until 3 active "$exit_id"
check "the exit screen's frame is centred on the screen" frame_centred_on "$exit_id" "$(screen_centre)"
check "exit screen is marked above" marked_above "$exit_id"
# A window manager numbers a title shown twice at once (KWin: "Quorvex v1.0 <2>").
check "the exit screen's title is not numbered" eval '! xprop -id "$exit_id" _NET_WM_VISIBLE_NAME | grep -q "<"'
check "the exit screen stays above a window opened and activated after it" stays_above_another_program "$exit_id"
# A second copy's message opens above the first copy's exit screen, which covers the
# middle of the screen, and has the keyboard; Enter ends that copy, which leaves the first
# alone and writes no setting.
place=$(geometry "$exit_id"); stored=$(md5sum < "$settings_file")
touch -d "1 hour ago" "$XDG_RUNTIME_DIR/Quorvex-single-copy.lock" # the first copy open an hour
launch; second=$LAUNCHED
box=$(wait_window "$BOX"); verdict "a second copy shows its message over the exit screen" $?
check "its message carries the program's icon, though no window of it is open" \
    eval 'xprop -id "$box" _NET_WM_ICON | grep -q "Icon (32 x 32)"'
check "the second copy's message is above the exit screen and active" \
    eval 'wait_until 2 stacked_above "$box" "$exit_id" && [ "$(xdotool getactivewindow)" = "$box" ]'
xdotool key Return; wait_exit $second
check "Enter ends the second copy with status 0" [ "$STATUS" = 0 ]
# (A window search that meets the second copy's windows as they go can come back empty.)
now() { echo "$(windows) windows at $(geometry "$exit_id"), settings $(md5sum < "$settings_file")"; }
kept() { [ "$(now)" = "1 windows at $place, settings $stored" ]; }
check "the first copy keeps its window where it was, and the settings" eval 'wait_until 3 kept ||
    { echo "  was at $place, settings $stored; now $(now)"; false; }'
before=$(geometry "$exit_id"); xdotool windowmove "$exit_id" 200 300
wait_for 5 "the exit screen to move" eval '[ "$(geometry "$exit_id")" != "$before" ]'
click_at "$exit_id" 300 249 # into txtEmail
xdotool key space
box=$(wait_window "$BOX"); verdict "a blank in the e-mail box is refused" $?
top=$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }')
check "the refusal is owned by the exit screen and above it" eval '[ $((top)) = "$box" ] &&
    xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(printf 0x%x "$exit_id")" &&
    marked_above "$box"'
check "the refusal is centred on the exit screen" near "$(frame_centre "$box")" "$(frame_centre "$exit_id")"
press "$box" Return; wait_gone "$box"
press "$exit_id" alt+x; wait_exit $first
check "E&xit on the exit screen ends the process with status 0" [ "$STATUS" = 0 ]
check "the program releases its single-copy lock when it ends" [ ! -e "$XDG_RUNTIME_DIR/Quorvex-single-copy.lock" ]

# --- two quick Enters press one button
launch; again=$LAUNCHED
main=$(wait_window "$WINDOW")
press "$main" Tab Tab Tab Tab Return # Find, with no name given
box=$(wait_window "$BOX"); verdict "Enter on Find without a name is refused" $?
xdotool key --delay 150 Return Return; settle
check "two quick Enters on the refusal close it and leave the entry window up" \
    [ "$(boxes)" = 0 -a "$(windows)" = 1 -a "$(shown_window "$WINDOW" none)" = "$main" ]
press "$main" a n n Tab Tab Tab Tab
xdotool key --delay 150 Return Return; settle
result=$(wait_window "$WINDOW" "$main")
check "two quick Enters on Find leave the result window up" [ "$(windows)" = 1 -a -n "$result" ]
press "$result" alt+b; ready "$main"

# --- a double click on Find shows the result and keeps it; one on Back does not press
# Find; the entry window comes back where it was
place=$(frame_geometry "$main")
click_at "$main" 250 -90 2; settle # the Find button
result=$(wait_window "$WINDOW" "$main")
check "a double click on Find leaves the result window up" [ "$(windows)" = 1 -a -n "$result" ]
check "the result window's frame is centred on the screen" frame_centred_on "$result" "$(screen_centre)"
click_at "$result" 300 -75 2; settle # the Back button
check "a double click on Back leaves the entry window up, alone" [ "$(wait_window "$WINDOW")" = "$main" -a "$(windows)" = 1 ]
check "the entry window comes back where it was" [ "$(frame_geometry "$main")" = "$place" ]

# --- leaving from the result window, the exit screen's close box ends the process
press "$main" alt+z
result=$(wait_window "$WINDOW" "$main")
press "$result" Return
exit_id=$(wait_window "$WINDOW" "$result")
check "the exit screen after a request is marked above" marked_above "$exit_id"
close_window "$exit_id"
wait_exit $again
check "closing the exit screen by its close box ends the process with status 0" [ "$STATUS" = 0 ]
stop_all

# --- a window moved right after it appears (a tiling key, a window rule) stays there; back
# from another program, one click on the inactive window presses its button; after Find and
# Back the moved window is where it was left, and still on top if the user put it there
launch
main=$(wait_window "$WINDOW")
xdotool windowmove "$main" 40 60
# Past the second in which the program puts a frame right, the window is still there.
wait_for 5 "the window to move" eval '! near "$(frame_centre "$main")" "$(screen_centre)"'; settle; settle
moved=$(frame_geometry "$main")
check "a window moved right after it appears stays there" eval '! near "$(frame_centre "$main")" "$(screen_centre)"'
xmessage -center "another program" & other_pid=$!
other=$(wait_foreign_window '^xmessage$'); xdotool windowactivate "$other" 2>/dev/null
wait_for 5 "xmessage to become active" active "$other"
wait_out_guard # the entry window is inactive now: its guard no longer counts
click_at "$main" 250 -90 # Find, with no name given
box=$(wait_window "$BOX"); verdict "one click on the inactive window, back from another program, presses Find" $?
press "$box" Return; wait_gone "$box"
kill $other_pid; wait $other_pid 2>/dev/null
wmctrl -i -r "$main" -b add,above # "Always on top" from the window manager's menu
above() { wait_until 2 marked_above "$1" || { xprop -id "$1" _NET_WM_STATE; false; }; }
press "$main" a n n alt+z
result=$(wait_window "$WINDOW" "$main")
check "the user's \"always on top\" passes to the result window" above "$result"
press "$result" alt+b; wait_gone "$result"
check "and back to the entry window after Back" above "$main"
check "after Find and Back the moved window is where it was left" eval '[ "$(frame_geometry "$main")" = "$moved" ] ||
    { echo "  moved to $moved, back at $(frame_geometry "$main")"; false; }'
stop_all

# --- a reminder date years old, no room on the disk and the lock of a killed copy: the
# question comes before the entry window, and Yes opens the update page although the date
# cannot be saved
store_old_date "$settings_file" "\n"
(ulimit -S -f 0; trap '' XFSZ; PATH=$WORK/bin:$PATH exec "$BIN" >/dev/null 2>&1) & PIDS+=($!)
box=$(wait_window "$BOX"); verdict "a due reminder asks at start-up" $?
check "the question comes before the entry window" [ "$(windows)" = 0 ]
press "$box" y # Yes
wait_window "$WINDOW" >/dev/null
check "Yes opens the update page with a full disk" opened http://quorvex.harrowfen.com/download-quorvex.html 5
check "the failed save leaves the old date and shows nothing" eval 'grep -q "$OLD_DATE" "$settings_file" && [ "$(boxes)" = 0 ]'
stop_all

summary
