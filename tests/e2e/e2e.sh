#!/usr/bin/env bash
# End-to-end tests: the real program under Xvfb with a window manager, driven with xdotool
# as a user would. Usage: e2e.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/xsession.sh"
start_window_manager

passed=0; failed=0
ok()   { echo "PASS: $1"; passed=$((passed + 1)); }
fail() { echo "FAIL: $1"; failed=$((failed + 1)); }

# Waits up to 10 s for a visible window whose title matches; prints its id.
wait_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Waits up to 10 s for a process of ours to end and sets STATUS to its exit status (137
# when it had to be killed).
wait_exit() {
    (sleep 10; kill -KILL "$1" 2>/dev/null) &
    local killer=$!
    wait "$1"; STATUS=$?
    kill "$killer" 2>/dev/null; wait "$killer" 2>/dev/null
}
# Activates a window and types keys into it through XTEST, as a keyboard does.
press() { xdotool windowactivate --sync "$1" 2>/dev/null; sleep 0.2; shift; xdotool key "$@"; }
visible_count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# Starts the program; its pid is in LAUNCHED.
PIDS=()
launch() { "$BIN" >/dev/null 2>&1 & LAUNCHED=$!; PIDS+=("$LAUNCHED"); }
stop_all() { kill -KILL "${PIDS[@]}" 2>/dev/null; wait "${PIDS[@]}" 2>/dev/null; PIDS=(); sleep 0.3; }
settings_file=$XDG_CONFIG_HOME/Quorvex.ini

# --- start-up shows the entry window, and the first run stores the reminder date
launch
first=$LAUNCHED
if main_id=$(wait_window '^Quorvex v1\.0$'); then ok "start-up shows the entry window"; else fail "start-up shows the entry window"; fi
for _ in $(seq 50); do [ -s "$settings_file" ] && break; sleep 0.1; done
if grep -q '^\[Settings\]' "$settings_file" 2>/dev/null; then ok "first run stores the reminder date"; else fail "first run stores the reminder date"; fi

# --- a second copy says so, ends after OK and leaves the first copy alone
before_geometry=$(xdotool getwindowgeometry "$main_id" 2>/dev/null)
before_settings=$(md5sum < "$settings_file")
launch
second=$LAUNCHED
if box=$(wait_window '^Quorvex$'); then
    ok "second copy shows its message"
    press "$box" Return
    wait_exit $second; status=$STATUS
    [ "$status" = 0 ] && ok "second copy ends with status 0 after OK" || fail "second copy ends after OK (status $status)"
else
    fail "second copy shows its message"; kill -KILL $second 2>/dev/null
fi
[ "$(visible_count '^Quorvex v1\.0$')" = 1 ] && ok "only the first copy's window shows" || fail "only the first copy's window shows"
[ "$(xdotool getwindowgeometry "$main_id" 2>/dev/null)" = "$before_geometry" ] && kill -0 $first 2>/dev/null \
    && ok "first copy untouched" || fail "first copy untouched"
[ "$(md5sum < "$settings_file")" = "$before_settings" ] && ok "second copy writes no setting" || fail "second copy writes no setting"

# --- a copy killed with SIGKILL leaves no lock behind
kill -KILL $first; wait $first 2>/dev/null
launch
third=$LAUNCHED
if main_id=$(wait_window '^Quorvex v1\.0$'); then ok "start after SIGKILL shows the entry window"; else fail "start after SIGKILL shows the entry window"; fi
[ "$(visible_count '^Quorvex$')" = 0 ] && ok "no 'already running' after SIGKILL" || fail "no 'already running' after SIGKILL"

# --- Esc leads to the exit screen, above other windows; closing it ends the process
press "$main_id" Escape
for _ in $(seq 50); do
    exit_id=$(xdotool search --onlyvisible --name '^Quorvex v1\.0$' 2>/dev/null | head -1)
    [ -n "$exit_id" ] && [ "$exit_id" != "$main_id" ] && break
    sleep 0.1
done
if [ -n "${exit_id:-}" ] && [ "$exit_id" != "$main_id" ]; then
    ok "Esc on the entry window brings up the exit screen"
    xprop -id "$exit_id" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && ok "exit screen is marked above" \
        || fail "exit screen is marked above ($(xprop -id "$exit_id" _NET_WM_STATE))"
    kill -0 $third 2>/dev/null && ok "process runs while the exit screen shows" || fail "process runs while the exit screen shows"
    press "$exit_id" alt+x
    wait_exit $third; status=$STATUS
    [ "$status" = 0 ] && ok "E&xit on the exit screen ends the process with status 0" || fail "exit screen's E&xit ends the process (status $status)"
else
    fail "Esc on the entry window brings up the exit screen"
fi
stop_all

# --- the exit screen's close box ends the process too, also when leaving from the result window
launch
fourth=$LAUNCHED
main_id=$(wait_window '^Quorvex v1\.0$')
xdotool windowactivate --sync "$main_id" 2>/dev/null; sleep 0.2
xdotool type --delay 20 ann
xdotool key alt+z; sleep 0.5
result_id=$(xdotool search --onlyvisible --name '^Quorvex v1\.0$' 2>/dev/null | head -1)
if [ -n "$result_id" ] && [ "$result_id" != "$main_id" ]; then ok "Alt+Z shows the result window in place of the entry window"; else fail "Alt+Z shows the result window"; fi
press "$result_id" Return; sleep 0.5
exit_id=$(xdotool search --onlyvisible --name '^Quorvex v1\.0$' 2>/dev/null | head -1)
if [ -n "$exit_id" ]; then
    press "$exit_id" alt+F4 # the window manager's close
    wait_exit $fourth; status=$STATUS
    [ "$status" = 0 ] && ok "closing the exit screen by its close box ends the process with status 0" || fail "close box ends the process (status $status)"
else
    fail "leaving the result window shows the exit screen"
fi
stop_all

# --- Qt's own command-line options have no effect: "-platform offscreen" would hide the window
"$BIN" -platform offscreen -reverse >/dev/null 2>&1 & PIDS+=($!)
if wait_window '^Quorvex v1\.0$' >/dev/null; then ok "command-line options are ignored"; else fail "command-line options are ignored"; fi
stop_all

# --- a reminder date 30 days old: the question comes before the entry window
encode() { python3 -c 'import sys; print("".join(chr(ord(c) + 85) for c in sys.argv[1]))' "$1"; }
old=$(date -d '30 days ago' +%Y-%m-%dT%H:%M:%S)
printf '[Settings]\n%%99%%CA%%C7%%B6%%C9%%BE%%C4%%C3=%s\n' "$(encode "$old")" > "$settings_file"
launch
fifth=$LAUNCHED
if box=$(wait_window '^Quorvex$'); then
    ok "a due reminder asks at start-up"
    [ "$(visible_count '^Quorvex v1\.0$')" = 0 ] && ok "the question comes before the entry window" \
        || fail "the question comes before the entry window"
    press "$box" n # No
    if wait_window '^Quorvex v1\.0$' >/dev/null; then ok "after No the entry window shows"; else fail "after No the entry window shows"; fi
    grep -q "$(encode "$old")" "$settings_file" && fail "the answer rewrites the reminder date" \
        || ok "the answer rewrites the reminder date"
else
    fail "a due reminder asks at start-up"
fi
stop_all

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
