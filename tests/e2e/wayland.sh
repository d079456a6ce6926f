#!/usr/bin/env bash
# The program on a Wayland desktop (weston, with Xwayland): the X11 platform wherever an X
# display is there; on native Wayland the main road through the accessibility bus, and no
# crash when a fixed-size window is asked to maximize.
# Usage: wayland.sh PATH/TO/Quorvex PATH/TO/wayland_probe
set -u
BIN=$(readlink -f "$1")
PROBE=$(readlink -f "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/xsession.sh"
start_weston; verdict "weston starts with Xwayland" $?
platform() { for _ in $(seq 50); do grep -m1 -oE 'platforms/lib[a-z-]+\.so' "/proc/$1/maps" && return; sleep 0.1; done; }

# Both displays, no platform chosen: the X11 platform, through Xwayland.
DISPLAY=$WESTON_X11 WAYLAND_DISPLAY=$WESTON_WAYLAND launch
check "with an X display and a Wayland display it runs on X11" [ "$(platform $LAUNCHED)" = platforms/libqxcb.so ]
stop_all
# Unless the user chose Wayland.
QT_QPA_PLATFORM=wayland DISPLAY=$WESTON_X11 WAYLAND_DISPLAY=$WESTON_WAYLAND launch
check "QT_QPA_PLATFORM=wayland still gets native Wayland" [ "$(platform $LAUNCHED)" = platforms/libqwayland-generic.so ]
stop_all

# Native Wayland alone: the main road as a screen reader drives it, and not a word on stderr.
export -n DISPLAY
export WAYLAND_DISPLAY=$WESTON_WAYLAND
atspi_road() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$BIN" >"$WORK/stderr" 2>&1 &
    /usr/bin/python3 "$HERE/atspi_walk.py"
    local status=$?
    grep -m1 -oE 'platforms/lib[a-z-]+\.so' "/proc/$!/maps" >"$WORK/platform"
    kill $!
    return $status
}
export -f atspi_road; export BIN HERE WORK
check "native Wayland: name, Find, result and Back work" dbus-run-session -- bash -c atspi_road
check "native Wayland without an X display" [ "$(cat "$WORK/platform")" = platforms/libqwayland-generic.so ]
check "native Wayland prints no warning" [ ! -s "$WORK/stderr" ]
check "maximize and full screen leave every window at its size" "$PROBE"
summary
