# Sourced by the scripts that run the real program under Xvfb: a private home, config and
# runtime folder in $WORK, a fresh X server on a free display, and cleanup on exit.
# start_window_manager adds openbox.
WORK=$(mktemp -d)
# Only the main shell cleans up; subshells inherit the trap.
xsession_cleanup() { [ "$BASHPID" = "$$" ] || return 0; kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"; }
trap xsession_cleanup EXIT
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 "${XSESSION_SCREEN:-1280x1024x24}" -dpi 96 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
if ! xdpyinfo >/dev/null 2>&1; then
    echo "FAIL: Xvfb did not start"
    echo "0 passed, 1 failed"
    exit 1
fi
start_window_manager() { openbox >/dev/null 2>&1 & sleep 0.5; }
