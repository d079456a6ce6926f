# Input as a person gives it: keys through XTEST into the active window, clicks, the close box.
# Closes window $1 as its close box does: the window manager asks the program to close it.
close_window() { wmctrl -i -c "$1"; }
# Activates a window and types keys into it through XTEST, as a keyboard does: once the
# window is active and the program's guard against keys that come right after a window
# appears or becomes active (the double-click interval, 400 ms) has run out, so that no key
# is lost to it. A window that never becomes active fails the step with a message.
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# The guard's interval runs from the moment the program sees its window active, which no
# one outside it can see: past it for certain half a second after the window is active.
wait_out_guard() { sleep 0.5; }
# A window that has just come up (or back) takes input once it is active and its guard has run
# out.
ready() { wait_for 5 "window $1 to become active" active "$1" && wait_out_guard; }
press() {
    active "$1" || xdotool windowactivate "$1" 2>/dev/null
    ready "$1" || return 1
    shift
    xdotool key "$@"
}
# Clicks $4 times (1 if not given) at x $2, y $3 of window $1's client area; a negative y
# counts from its bottom.
click_at() {
    local x y w h
    read -r x y w h < <(geometry "$1") || return 1
    [ "$3" -lt 0 ] && y=$((y + h + $3)) || y=$((y + $3))
    xdotool mousemove $((x + $2)) "$y" click --repeat "${4:-1}" --delay 120 1
}
