# What the X server and the window manager say of windows: which are the program's, where
# they are, how they are stacked.
# The program's windows: captions "Quorvex v1.0", message boxes "Quorvex".
WINDOW='^Quorvex v1\.0$'
BOX='^Quorvex$'
# Only the program's own windows (its window class, PROGRAM_CLASS as a pattern of xprop's
# line; wine names the class after the program file), never a frame that a window manager
# draws with a client of its own and the program's title (mutter 48 does).
PROGRAM_CLASS='"Quorvex", "Quorvex"$'
program_windows() {
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q "$PROGRAM_CLASS" && echo "$w"
    done
}
count_windows() { program_windows "$1" | wc -l; }
# Another program's shown window whose title matches $1, waited for up to 10 s: one the window
# manager lists as a client, not a frame it draws with the same title.
foreign_window() {
    local w clients
    clients=$(xprop -root _NET_CLIENT_LIST | sed 's/.*# //' | tr -d , | xargs -n1 printf '%d\n' 2>/dev/null)
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        echo "$clients" | grep -qx "$w" && { echo "$w"; return 0; }
    done
    return 1
}
wait_foreign_window() { wait_for 10 "another program's window $1" foreign_window "$1"; }
windows() { count_windows "$WINDOW"; }
boxes() { count_windows "$BOX"; }
# Prints the id of a shown window whose title matches $1 and that is not $2; fails if none.
shown_window() { program_windows "$1" | grep -vx "$2" | head -1 | grep .; }
# Waits up to 10 s for such a window; prints its id.
wait_window() { wait_for 10 "a window titled $1" shown_window "$1" "${2:-none}"; }
# Waits up to 10 s until window $1 is no longer shown (closed, hidden or withdrawn).
shown() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
gone() { ! shown "$1"; }
wait_gone() { wait_for 10 "window $1 to go" gone "$1"; }
# Waits up to 10 s until the command's count reaches $2.
at_least() { [ "$($1)" -ge "$2" ]; }
wait_count() { wait_for 10 "$2 of $1" at_least "$1" "$2"; }

# Prints window $1's absolute x and y, its width and its height.
# (Without a window id, xwininfo would wait for a click on one.)
geometry() {
    [ -n "$1" ] || return 1
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END {print x, y, w, h}'
}
# The same of the window's frame, as the window manager reports it.
frame_geometry() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    echo "$(geometry "$1") ${extents:-0 0 0 0}" | awk '{print $1 - $5, $2 - $7, $3 + $5 + $6, $4 + $7 + $8}'
}
# Prints the centre of window $1's frame.
frame_centre() { frame_geometry "$1" | awk '{print $1 + $3 / 2, $2 + $4 / 2}'; }
# True when the points "$1" and "$2" (each "x y") are at most 3 px apart on each axis.
near() { echo "$1 $2" | awk '{ d1 = $1 - $3; d2 = $2 - $4; exit !(d1 * d1 <= 9 && d2 * d2 <= 9) }'; }
screen_centre() { echo "$SCREEN_SIZE" | awk -Fx '{print $1 / 2, $2 / 2}'; }
# True when window $1 stays above another program's window opened and activated after it.
stays_above_another_program() {
    local other other_pid status
    xmessage -center "another program" & other_pid=$!
    other=$(wait_foreign_window '^xmessage$'); xdotool windowactivate "$other" 2>/dev/null
    wait_for 5 "xmessage to become active" active "$other"
    stacked_above "$1" "$other"; status=$?
    kill $other_pid; wait $other_pid 2>/dev/null
    return $status
}
# True when window $1 is marked to stay above other windows.
marked_above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# True when window $1 lies above window $2 in the window manager's stacking order.
stacked_above() {
    local w i=0 pa=-1 pb=-1
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ,); do
        [ "$((w))" = "$1" ] && pa=$i
        [ "$((w))" = "$2" ] && pb=$i
        i=$((i + 1))
    done
    [ "$pb" -ge 0 ] && [ "$pa" -gt "$pb" ]
}
