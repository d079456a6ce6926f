# Sourced by the scripts that run the real program: a private home, config and runtime
# folder in $WORK, a fresh X server on a free display, cleanup on exit, and the helpers that
# the end-to-end tests share. start_window_manager adds the desktop named by DESKTOP:
# openbox (the default), or GNOME's mutter or KDE's KWin, each a Wayland compositor nested
# in the X server whose Xwayland then serves as the display. start_weston adds a headless
# Wayland compositor with Xwayland. Scripts that launch the program set BIN first.
DESKTOP=${DESKTOP:-openbox}
# mutter picks its Xwayland's display number itself; in a mount and network namespace of its
# own, with a private socket folder, no other X server's sockets are in its way; in a
# process namespace of its own, whatever the desktop started ends with the script.
if [ "$DESKTOP" != openbox ] && [ -z "${XSESSION_PRIVATE:-}" ]; then
    mkdir -p /tmp/.X11-unix
    exec env XSESSION_PRIVATE=1 unshare -m -n -p -f --kill-child bash -c \
        'mount -t tmpfs tmpfs /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix && ip link set lo up; exec "$@"' \
        - "$0" "$@"
fi
WORK=$(mktemp -d)
# Only the main shell cleans up; subshells inherit the trap.
xsession_cleanup() { [ "$BASHPID" = "$$" ] || return 0; kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"; }
trap xsession_cleanup EXIT
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
# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 "${XSESSION_SCREEN:-1280x1024x24}" -dpi 96 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
wait_until 10 test -s "$WORK/display"
export DISPLAY=":$(cat "$WORK/display")"
if ! xdpyinfo >/dev/null 2>&1; then
    echo "FAIL: Xvfb did not start"
    echo "0 passed, 1 failed"
    exit 1
fi
SCREEN_SIZE=$(xdpyinfo | awk '/dimensions:/ {print $2}')
start_window_manager() {
    case $DESKTOP in
    openbox) openbox >/dev/null 2>&1 & sleep 0.5 ;;
    # Newer mutter (50 here) has no nested mode: a headless one, with a virtual monitor of the
    # screen's size for each monitor asked for.
    mutter) if mutter --help 2>&1 | grep -q -- --nested; then
            start_nested dbus-run-session -- mutter --wayland --nested
        else
            local monitors=()
            for _ in $(seq "${MUTTER_DEBUG_NUM_DUMMY_MONITORS:-1}"); do monitors+=(--virtual-monitor "$SCREEN_SIZE"); done
            start_nested dbus-run-session -- mutter --wayland --headless "${monitors[@]}"
        fi ;;
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
        auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -1)
        local wayland
        wayland=$(sed -n "s/.*Using Wayland display name '\(.*\)'.*/\1/p" "$WORK/desktop.log")
        printf 'DISPLAY=%s\nXAUTHORITY=%s\nWAYLAND_DISPLAY=%s\n' "$display" "$auth" "$wayland" > "$WORK/displays"
    fi
    wait_until 20 test -s "$WORK/displays" || { echo "FAIL: $DESKTOP did not start"; cat "$WORK/desktop.log"; exit 1; }
    export DISPLAY=$(sed -n 's/^DISPLAY=//p' "$WORK/displays")
    export XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' "$WORK/displays")
    export WAYLAND_DISPLAY=$(sed -n 's/^WAYLAND_DISPLAY=//p' "$WORK/displays")
    [ -n "$XAUTHORITY" ] || unset XAUTHORITY
    # Xwayland starts when its first client connects.
    wait_until 20 xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no Xwayland from $DESKTOP"; cat "$WORK/desktop.log"; exit 1; }
    sleep 1
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

# The Orca screen reader, speaking through a private speech-dispatcher whose one output
# module appends each utterance to the file $HEARD; run in one D-Bus session with the
# accessibility bus. Waits up to 60 s for its first words, which say it is ready.
start_orca() {
    HEARD=$WORK/heard
    touch "$HEARD"
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$WORK/orca"
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
LanguageDefaultModule "en" "file"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/modules/file.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $HEARD"
AddVoice "en" "MALE1" "file"
GenericLanguage "en" "english" "utf-8"
EOF
    orca -u "$WORK/orca" >"$WORK/orca.log" 2>&1 &
    wait_until 60 test -s "$HEARD" || { cat "$WORK/orca.log"; false; }
}

# Verdicts, and the closing line the test runner reads. A verdict returns its status, so that
# a failed check can be followed by what explains it.
passed=0; failed=0
verdict() { if [ "$2" = 0 ]; then echo "PASS: $1"; passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); return 1; fi; }
check() { local what=$1; shift; "$@"; verdict "$what" $?; }
summary() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; }

# The program's windows: captions "Quorvex v1.0", message boxes "Quorvex".
WINDOW='^Quorvex v1\.0$'
BOX='^Quorvex$'
# Only the program's own windows (its window class), never a frame that a window manager
# draws with a client of its own and the program's title (mutter 48 does).
program_windows() {
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q '"Quorvex", "Quorvex"$' && echo "$w"
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
wait_foreign_window() { wait_until 10 foreign_window "$1"; }
windows() { count_windows "$WINDOW"; }
boxes() { count_windows "$BOX"; }
# Prints the id of a shown window whose title matches $1 and that is not $2; fails if none.
shown_window() { program_windows "$1" | grep -vx "$2" | head -1 | grep .; }
# Waits up to 10 s for such a window; prints its id.
wait_window() { wait_until 10 shown_window "$1" "${2:-none}"; }
# Waits up to 10 s until the command's count reaches $2.
at_least() { [ "$($1)" -ge "$2" ]; }
wait_count() { wait_until 10 at_least "$1" "$2"; }
# Waits up to 10 s for process $1 to end; STATUS is its exit status (137 when it was killed).
wait_exit() {
    (sleep 10; kill -KILL "$1" 2>/dev/null) &
    local killer=$!
    wait "$1" 2>/dev/null; STATUS=$?
    kill "$killer" 2>/dev/null; wait "$killer" 2>/dev/null
    local p rest=()
    for p in "${PIDS[@]}"; do [ "$p" = "$1" ] || rest+=("$p"); done
    PIDS=("${rest[@]}")
}
# Prints window $1's absolute x and y, its width and its height.
geometry() {
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
# Closes window $1 as its close box does: the window manager asks the program to close it.
close_window() { wmctrl -i -c "$1"; }
# Activates a window and types keys into it through XTEST, as a keyboard does: once the
# window is active and the program's guard against keys that come right after a window
# appears or becomes active (the double-click interval, 400 ms) has run out, so that no key
# is lost to it. A window that never becomes active fails the step with a message.
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
press() {
    active "$1" || xdotool windowactivate "$1" 2>/dev/null
    wait_until 5 active "$1" || { echo "  press: window $1 did not become active"; return 1; }
    sleep 0.5
    shift
    xdotool key "$@"
}
# Clicks $4 times (1 if not given) at x $2, y $3 of window $1's client area; a negative y
# counts from its bottom.
click_at() {
    local x y w h
    read -r x y w h < <(geometry "$1")
    [ "$3" -lt 0 ] && y=$((y + h + $3)) || y=$((y + $3))
    xdotool mousemove $((x + $2)) "$y" click --repeat "${4:-1}" --delay 120 1
}
# Starts the program; its pid is in LAUNCHED.
PIDS=()
launch() { "$BIN" "$@" >/dev/null 2>"$WORK/stderr" & LAUNCHED=$!; PIDS+=("$LAUNCHED"); }
# With no program left to stop, a bare `wait` would wait for the X server.
stop_all() {
    if [ ${#PIDS[@]} -gt 0 ]; then kill -KILL "${PIDS[@]}" 2>/dev/null; wait "${PIDS[@]}" 2>/dev/null; fi
    PIDS=(); sleep 0.3
}
settings_file=$XDG_CONFIG_HOME/Quorvex.ini
