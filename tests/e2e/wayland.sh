#!/usr/bin/env bash
# The program on a Wayland desktop (weston, with Xwayland): the X11 platform wherever an X
# display is there; on native Wayland no warning, and no crash when a fixed-size window is
# asked to maximize.
# Usage: wayland.sh PATH/TO/Quorvex PATH/TO/tst_ui
set -u
BIN=$(readlink -f "$1")
TST_UI=$(readlink -f "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/session/session.sh"
start_weston; verdict "weston starts with Xwayland" $?
# Waits up to 15 s (weston starts Xwayland only when the first X client comes) for process $1
# to load Qt platform plugin $2.
runs_on() {
    wait_until 15 grep -sqE 'platforms/lib[a-z-]+\.so' "/proc/$1/maps"
    local on
    on=$(grep -s -m1 -oE 'platforms/lib[a-z-]+\.so' "/proc/$1/maps")
    # Qt 6.11 names its Wayland plugin libqwayland.so, earlier Qt libqwayland-generic.so.
    [ "$on" = "platforms/$2" ] || [ "$on" = "platforms/${2/-generic/}" ] || { echo "  runs on ${on:-no platform yet}"; return 1; }
}

# Both displays, no platform chosen: the X11 platform, through Xwayland.
DISPLAY=$WESTON_X11 WAYLAND_DISPLAY=$WESTON_WAYLAND launch
check "with an X display and a Wayland display it runs on X11" runs_on $LAUNCHED libqxcb.so
stop_all
# Unless the user chose Wayland.
QT_QPA_PLATFORM=wayland DISPLAY=$WESTON_X11 WAYLAND_DISPLAY=$WESTON_WAYLAND launch
check "QT_QPA_PLATFORM=wayland still gets native Wayland" runs_on $LAUNCHED libqwayland-generic.so
stop_all

# Native Wayland alone: the program starts on it without a word on stderr; the widget test
# asks to enlarge each window.
export -n DISPLAY
export WAYLAND_DISPLAY=$WESTON_WAYLAND
launch
check "native Wayland without an X display" runs_on $LAUNCHED libqwayland-generic.so
settle; stop_all
check "native Wayland prints no warning" [ ! -s "$WORK/stderr" ]
check "native Wayland: maximize and full screen leave every window at its size" \
    "$TST_UI" -platform wayland fixedSizeOnNativeWayland
summary
