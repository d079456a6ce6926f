# Desktops: start_window_manager adds the one named by DESKTOP: openbox (the default), KDE's
# KWin on X11 (kwin-x11), or GNOME's mutter or KDE's KWin, each a Wayland compositor nested in
# the X server whose Xwayland then serves as the display; start_weston adds a headless
# Wayland compositor with Xwayland.
# A window manager has said it manages the screen (EWMH).
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
    case $DESKTOP in
    openbox) openbox >"$WORK/desktop.log" 2>&1 &
        wait_for 10 "openbox to manage the screen" wm_ready || cat "$WORK/desktop.log" ;;
    # Newer mutter (50 here) has no nested mode: a headless one, with a virtual monitor of the
    # screen's size for each monitor asked for.
    mutter) if mutter --help 2>&1 | grep -q -- --nested; then
            start_nested dbus-run-session -- mutter --wayland --nested
        else
            local monitors=()
            for _ in $(seq "${MUTTER_DEBUG_NUM_DUMMY_MONITORS:-1}"); do monitors+=(--virtual-monitor "$SCREEN_SIZE"); done
            start_nested dbus-run-session -- mutter --wayland --headless "${monitors[@]}"
        fi ;;
    # KWin as the X server's own window manager, the session Debian 12's Plasma starts: it
    # builds a window's frame in steps after mapping it.
    kwin-x11) dbus-run-session -- kwin_x11 >"$WORK/desktop.log" 2>&1 &
        wait_for 20 "KWin to manage the screen" wm_ready || cat "$WORK/desktop.log" ;;
    # A copy, since a container may refuse the file capabilities that the installed one has.
    kwin) cp /usr/bin/kwin_wayland "$WORK/kwin_wayland"
        start_nested dbus-run-session -- "$WORK/kwin_wayland" --x11-display "$DISPLAY" --xwayland \
            --width "${SCREEN_SIZE%x*}" --height "${SCREEN_SIZE#*x}" "$WORK/report-displays" ;;
    esac
}
# Starts a compositor nested in the X server and moves the session onto its Xwayland:
# DISPLAY, XAUTHORITY and WAYLAND_DISPLAY then name the compositor's. The nested
# compositor's output fills the X server's screen.
start_nested() {
    printf '#!/bin/sh\nenv > %s/displays.tmp && mv %s/displays.tmp %s/displays\nexec sleep 100000\n' \
        "$WORK" "$WORK" "$WORK" > "$WORK/report-displays"
    chmod +x "$WORK/report-displays"
    MUTTER_DEBUG_DUMMY_MODE_SPECS=$SCREEN_SIZE "$@" >"$WORK/desktop.log" 2>&1 &
    if [ "$DESKTOP" = mutter ]; then
        wait_until 20 grep -q 'Using public X11 display' "$WORK/desktop.log"
        local display auth
        display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$WORK/desktop.log")
        # and a second display for its own services
        sed -n 's/.*using \(:[0-9]*\) for managed services.*/\1/p' "$WORK/desktop.log" | tr -d : >> "$WORK/x-displays"
        auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -1)
        local wayland
        wayland=$(sed -n "s/.*Using Wayland display name '\(.*\)'.*/\1/p" "$WORK/desktop.log")
        printf 'DISPLAY=%s\nXAUTHORITY=%s\nWAYLAND_DISPLAY=%s\n' "$display" "$auth" "$wayland" > "$WORK/displays"
    fi
    wait_until 20 test -s "$WORK/displays" || { echo "FAIL: $DESKTOP did not start"; cat "$WORK/desktop.log"; exit 1; }
    export DISPLAY=$(sed -n 's/^DISPLAY=//p' "$WORK/displays")
    echo "${DISPLAY#:}" >> "$WORK/x-displays"
    export XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' "$WORK/displays")
    export WAYLAND_DISPLAY=$(sed -n 's/^WAYLAND_DISPLAY=//p' "$WORK/displays")
    [ -n "$XAUTHORITY" ] || unset XAUTHORITY
    # Xwayland starts when its first client connects.
    wait_until 20 xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no Xwayland from $DESKTOP"; cat "$WORK/desktop.log"; exit 1; }
    wait_for 20 "$DESKTOP to manage its Xwayland" wm_ready || { cat "$WORK/desktop.log"; exit 1; }
}

# Weston without a screen, with Xwayland; sets WESTON_WAYLAND and WESTON_X11 to its two
# displays.
start_weston() {
    weston --backend=headless-backend.so --socket=quorvex-test --xwayland --width=1280 --height=1024 \
        >"$WORK/weston.log" 2>&1 &
    wait_until 10 grep -q 'xserver listening on display' "$WORK/weston.log"
    WESTON_WAYLAND=quorvex-test
    WESTON_X11=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
    [ -S "$XDG_RUNTIME_DIR/quorvex-test" ] && [ -n "$WESTON_X11" ]
}
