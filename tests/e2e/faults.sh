#!/usr/bin/env bash
# Fault tests with the real program under Xvfb: killed at any moment, two copies at once,
# a settings folder that cannot be written or an INI file full of garbage, no browser
# launcher. Usage: faults.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager

# --- SIGKILL at any moment of a run, then a start: the window appears, settings intact
launch; wait_count windows 1; stop_all
stored=$(md5sum < "$settings_file")
bad=0
for delay in 0 0.01 0.03 0.05 0.1 0.2 0.4 0.8; do
    launch; sleep $delay; stop_all
    launch
    { wait_count windows 1 && [ "$(boxes)" = 0 ] && [ "$(md5sum < "$settings_file")" = "$stored" ]; } || bad=$((bad + 1))
    stop_all
done
verdict "after SIGKILL at any moment the next start shows the entry window, settings intact" $bad

# --- two copies started at the same instant: exactly one window, the other refuses. Each
# start draws which offer the entry window shows: the bottom band differs between starts.
bad=0
for round in $(seq 12); do
    launch; launch
    wait_count windows 1; wait_count boxes 1; settle
    [ "$(windows)" = 1 ] && [ "$(boxes)" = 1 ] || { bad=$((bad + 1)); echo "  round $round: $(windows) windows, $(boxes) refusals"; }
    w=$(wait_window "$WINDOW") && import -window "$w" -crop 380x40+8+365 png:- | md5sum >> "$WORK/offers"
    stop_all
done
verdict "two copies at once: one window and one 'already running', 12 times" $bad
check "different starts show different offers" [ "$(sort -u "$WORK/offers" | wc -l)" -ge 2 ]

# --- a settings folder that cannot be written, and an INI file full of garbage
starts_quietly() { launch; then_stop eval 'wait_count windows 1 && settle && [ "$(boxes)" = 0 ] && kill -0 $LAUNCHED 2>/dev/null'; }
touch "$WORK/not-a-folder"
check "an unwritable settings folder: entry window, no message" eval 'XDG_CONFIG_HOME=$WORK/not-a-folder/config starts_quietly'
head -c 4096 /dev/urandom > "$settings_file"
check "an INI file of random bytes: entry window, no message" starts_quietly
printf '[Settings]\n%%99%%CA%%C7%%B6%%C9%%BE%%C4%%C3=\xff\xfe garbage\n[[[\n=\n' > "$settings_file"
check "a garbled reminder value: entry window, no message" starts_quietly

# --- a single-copy lock that cannot be written (a full disk): the program runs without the
# guard and says so, once, on stderr
unguarded() {
    # (stderr through a pipe: the file size limit would stop the line to a file as well)
    (ulimit -S -f 0; trap '' XFSZ; exec "$BIN") >/dev/null 2> >(cat >"$WORK/stderr") & LAUNCHED=$!; PIDS+=("$LAUNCHED")
    then_stop eval 'wait_count windows 1 && kill -0 $LAUNCHED &&
        [ "$(grep -c "cannot take the single-copy lock" "$WORK/stderr")" = 1 ] || { cat "$WORK/stderr"; false; }'
}
check "a lock that cannot be written: the program runs and says so on stderr" unguarded

# --- no browser launcher on the PATH: a link does nothing, silently
mkdir -p "$WORK/empty"
PATH=$WORK/empty launch
press "$(wait_window "$WINDOW")" alt+h v alt+d; settle # Help > Visit Us Online, then Donate
check "without xdg-open links do nothing and the program goes on" \
    eval '[ "$(windows)" = 1 ] && [ "$(boxes)" = 0 ] && kill -0 $LAUNCHED'
stop_all
# --- no runtime folder (su, ssh -X, startx without logind), and another user's folder and
# locks where one would go in /tmp: nothing of theirs stops the start; the lock is the user's
# own, in a private folder of the user's cache, made for it on a new account
foreign_tmp() {
    local tmp=$WORK/shared-tmp # a /tmp of the program's own: Qt takes TMPDIR for it
    mkdir -p "$tmp" && chmod 1777 "$tmp"
    rm -rf "$HOME/.cache"
    mkdir -m 700 "$tmp/runtime-$(id -un)" "$tmp/Quorvex.lock" "$tmp/Quorvex-single-copy.lock"
    chown 4242:4242 "$tmp/runtime-$(id -un)" "$tmp/Quorvex.lock" "$tmp/Quorvex-single-copy.lock"
    (unset XDG_RUNTIME_DIR; export TMPDIR=$tmp; starts_quietly) && [ -e "$HOME/.cache/Quorvex-single-copy.lock" ] &&
        [ "$(( $(stat -c 0%a "$HOME/.cache") & 022 ))" = 0 ] || { echo "  $(ls -ld "$HOME/.cache" 2>&1)"; cat "$WORK/stderr"; false; }
}
# Only root can stand in for another user.
[ "$(id -u)" = 0 ] && check "another user's runtime folder and locks in /tmp stop nothing; the lock is the user's own" foreign_tmp

# --- signals: SIGTERM, SIGINT and SIGHUP end the run through its own quit, also with a box
# open, the lock goes, and the status says which signal it was; a signal the program was
# started ignoring (nohup's SIGHUP; so too SIGINT for a job started in the background, as
# launch does) leaves it running
lock_file=$XDG_RUNTIME_DIR/Quorvex-single-copy.lock
# Starts the program through $1 (env, nohup or interruptible), types the keys $4 if given
# (one that opens a box), sends it signal $2, and expects the status $3 with the lock gone,
# or "running" with the lock kept.
after_signal() { then_stop signalled "$@"; }
signalled() {
    "$1" "$BIN" >/dev/null 2>&1 & LAUNCHED=$!; PIDS+=("$LAUNCHED")
    local main; STATUS=
    main=$(wait_window "$WINDOW") && { [ -z "${4:-}" ] || { press "$main" "$4" && wait_window "$BOX" >/dev/null; }; } &&
        kill -"$2" "$LAUNCHED" || return 1
    if [ "$3" = running ]; then
        settle; kill -0 "$LAUNCHED" && [ -e "$lock_file" ]
    else
        wait_exit "$LAUNCHED"; [ "$STATUS" = "$3" ] && [ ! -e "$lock_file" ]
    fi || { echo "  status ${STATUS:-running}, lock: $(ls "$lock_file" 2>&1)"; false; }
}
# A start in a terminal's foreground, where SIGINT (Ctrl+C) is not ignored as for a background job.
printf '#!/usr/bin/python3\nimport os, signal, sys\nsignal.signal(signal.SIGINT, signal.SIG_DFL)\nos.execv(sys.argv[1], sys.argv[1:])\n' >"$WORK/interruptible" && chmod +x "$WORK/interruptible"
check "SIGTERM ends the run, status 143, lock released" after_signal env TERM 143
check "SIGTERM with a message box open too" after_signal env TERM 143 1
check "SIGINT from the terminal ends the run, status 130, lock released" after_signal "$WORK/interruptible" INT 130
check "SIGHUP ends the run, status 129, lock released" after_signal env HUP 129
check "started with nohup, it outlives SIGHUP" after_signal nohup HUP running

# --- the display going away under the program (a dropped ssh -X, an X server that
# crashed): Qt ends the process from within, and the lock goes with it
display_lost() {
    start_xvfb lost-display &&
        DISPLAY=:$(cat "$WORK/lost-display") eval 'launch && wait_window "$WINDOW" >/dev/null' || return 1
    kill $XVFB_PID; wait_exit "$LAUNCHED"
    [ ! -e "$lock_file" ] || { echo "  status $STATUS, lock left behind"; false; }
}
check "the display going away ends the run and releases the lock" display_lost

# --- a copy killed in a fresh PID namespace (a container, a sandbox) leaves a lock naming the
# id that the next copy there is given again: no other copy's lock, so the next one starts
in_fresh_pids() { unshare -p -f --mount-proc --kill-child "$BIN" >/dev/null 2>&1 & LAUNCHED=$!; PIDS+=("$LAUNCHED"); }
killed_as_first_process() {
    in_fresh_pids; wait_window "$WINDOW" >/dev/null && pkill -KILL -P "$LAUNCHED" || return 1
    wait_exit "$LAUNCHED"; wait_for 5 "the killed copy's window to go" no_windows || return 1
    [ -e "$lock_file" ] || { echo "  the killed copy left no lock"; return 1; }
    in_fresh_pids; wait_window "$WINDOW" >/dev/null && [ "$(boxes)" = 0 ]
}
[ "$(id -u)" = 0 ] && check "after a copy killed as a PID namespace's first process, the next one there starts" \
    then_stop killed_as_first_process

# --- no display to open: one plain line naming it, and status 1 rather than an abort (the
# lines for the other ways of having no display are in the widget tests); a damaged library
# under the X11 plugin on a working display: Qt's words, naming the plugin
# Runs the program with the environment changes given; it must end with status 1 and print
# what matches the pattern $1.
fails_saying() {
    local want=$1 status
    shift
    env "$@" "$BIN" >/dev/null 2>"$WORK/said"; status=$?
    [ "$status" = 1 ] && [[ "$(cat "$WORK/said")" == $want ]] || { echo "  status $status: $(head -c 300 "$WORK/said")"; return 1; }
}
check "a display that is gone" fails_saying 'Quorvex: cannot open the display ":99"' DISPLAY=:99
check "Wayland asked for with no compositor: the Wayland display is named, not the X display" \
    fails_saying 'Quorvex: cannot open the Wayland display "wayland-0"' QT_QPA_PLATFORM=wayland
mkdir -p "$WORK/broken" && : > "$WORK/broken/libxcb-icccm.so.4"
check "a broken platform plugin on a working display is named, not taken for a missing display" \
    fails_saying $'Quorvex: the display is there, but the platform plugin could not start:\n*platform plugin "xcb"*' LD_LIBRARY_PATH="$WORK/broken"
summary
