# Sourced by the scripts that run the real program: a private home, config and runtime
# folder in $WORK, a fresh X server on a free display and cleanup on exit; then the rest of
# the harness, a file each: desktops.sh (the window manager named by DESKTOP, weston),
# orca.sh (the screen reader), xquery.sh (what the X server says of windows), input.sh (keys
# and clicks), program.sh (starting and stopping the program) and verdicts.sh. Scripts that
# launch the program set BIN first.
DESKTOP=${DESKTOP:-openbox}
# mutter picks its Xwayland's display number itself; in a mount and network namespace of its
# own, with a private socket folder, no other X server's sockets are in its way; in a
# process namespace of its own, whatever the desktop started ends with the script.
if [ "$DESKTOP" != openbox ] && [ -z "${SESSION_PRIVATE:-}" ]; then
    mkdir -p /tmp/.X11-unix
    exec env SESSION_PRIVATE=1 unshare -m -n -p -f --kill-child bash -c \
        'mount -t tmpfs tmpfs /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix && ip link set lo up; exec "$@"' \
        - "$0" "$@"
fi
WORK=$(mktemp -d)
# Only the main shell cleans up; subshells inherit the trap.
# An X server killed with its process namespace leaves its lock file in /tmp, naming a process
# number that is alive again in the next namespace: enough of them and no X server starts.
session_cleanup() {
    [ "$BASHPID" = "$$" ] || return 0
    kill $(jobs -p) 2>/dev/null
    [ -n "${SESSION_PRIVATE:-}" ] && for n in $(cat "$WORK/x-displays" 2>/dev/null); do rm -f "/tmp/.X$n-lock"; done
    rm -rf "$WORK"
}
trap session_cleanup EXIT
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY LC_ALL LC_CTYPE
# A UTF-8 locale, as desktop sessions have: without one, dead keys compose nothing.
export LANG=C.UTF-8
# Runs a command every 0.1 s until it succeeds, for at most $1 seconds.
wait_until() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
# The same, saying what was waited for when it never came: wait_for SECONDS WHAT COMMAND...
wait_for() {
    local limit=$1 what=$2
    shift 2
    wait_until "$limit" "$@" || { echo "  waited $limit s for $what, in vain" >&2; return 1; }
}
# Starts an Xvfb with the arguments given after $1 on a free display, whose number it writes
# to $WORK/$1 once the server is ready and records for the clean-up; XVFB_PID is the server's.
start_xvfb() {
    local file=$WORK/$1
    shift
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$file" >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_until 10 test -s "$file" && cat "$file" >>"$WORK/x-displays"
}
# -noreset: an X server resets as its last client leaves and refuses connections meanwhile,
# which a window manager connecting right after a query would meet.
start_xvfb display -noreset -screen 0 "${SESSION_SCREEN:-1280x1024x24}" -dpi 96
export DISPLAY=":$(cat "$WORK/display")"
if ! xdpyinfo >/dev/null 2>&1; then
    echo "FAIL: Xvfb did not start"
    echo "0 passed, 1 failed"
    exit 1
fi
SCREEN_SIZE=$(xdpyinfo | awk '/dimensions:/ {print $2}')
HARNESS=$(dirname "${BASH_SOURCE[0]}")
for part in verdicts desktops orca xquery input program; do source "$HARNESS/$part.sh"; done
