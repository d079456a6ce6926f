#!/usr/bin/env bash
# The entry window read and used through the AT-SPI accessibility bus, as with a screen
# reader. Usage: atspi.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
cleanup() { [ "$BASHPID" = "$$" ] || return 0; kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
# A session bus with the accessibility bus on it, as a desktop session has.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
    app=$!
    /usr/bin/python3 "$2"
    status=$?
    kill $app 2>/dev/null
    exit $status' _ "$BIN" "$HERE/atspi_walk.py"
