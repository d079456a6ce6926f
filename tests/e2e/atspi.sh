#!/usr/bin/env bash
# The entry window read and used through the AT-SPI accessibility bus, as with a screen
# reader. Usage: atspi.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
HERE=$(cd "$(dirname "$0")" && pwd)
source "$(dirname "$0")/../../scripts/xsession.sh"
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
