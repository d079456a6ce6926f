#!/usr/bin/env bash
# Fault tests with the real program under Xvfb: killed at any moment, two copies at once,
# a settings folder that cannot be written or an INI file full of garbage, no browser
# launcher. Usage: faults.sh PATH/TO/Quorvex
set -u
BIN=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/xsession.sh"
start_window_manager

passed=0; failed=0
verdict() { if [ "$2" = 0 ]; then echo "PASS: $1"; passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi; }
entry_windows() { xdotool search --onlyvisible --name '^Quorvex v1\.0$' 2>/dev/null | wc -l; }
refusals() { xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null | wc -l; }
# Waits up to 10 s until the count given by the command reaches N.
wait_count() { for _ in $(seq 100); do [ "$($1)" -ge "$2" ] && return 0; sleep 0.1; done; return 1; }
settings=$XDG_CONFIG_HOME/Quorvex.ini

# --- SIGKILL at any moment of a run, then a start: the window appears, settings intact
"$BIN" >/dev/null 2>&1 & p=$!
wait_count entry_windows 1; kill -KILL $p; wait $p 2>/dev/null
stored=$(md5sum < "$settings")
bad=0
for delay in 0 0.01 0.03 0.05 0.1 0.2 0.4 0.8; do
    "$BIN" >/dev/null 2>&1 & p=$!
    sleep $delay; kill -KILL $p; wait $p 2>/dev/null
    "$BIN" >/dev/null 2>&1 & p=$!
    if ! wait_count entry_windows 1 || [ "$(refusals)" != 0 ]; then bad=$((bad + 1)); fi
    kill -KILL $p; wait $p 2>/dev/null
    [ "$(md5sum < "$settings")" = "$stored" ] || bad=$((bad + 1))
done
verdict "after SIGKILL at any moment the next start shows the entry window, settings intact" $bad

# --- two copies started at the same instant: exactly one window, the other refuses
bad=0
for round in $(seq 10); do
    "$BIN" >/dev/null 2>&1 & a=$!
    "$BIN" >/dev/null 2>&1 & b=$!
    wait_count entry_windows 1; wait_count refusals 1; sleep 0.3
    [ "$(entry_windows)" = 1 ] && [ "$(refusals)" = 1 ] || { bad=$((bad + 1)); echo "  round $round: $(entry_windows) windows, $(refusals) refusals"; }
    kill -KILL $a $b; wait $a $b 2>/dev/null
done
verdict "two copies at once: one window and one 'already running', 10 times" $bad

# --- a settings folder that cannot be written, and an INI file full of garbage
starts_quietly() {
    "$BIN" >/dev/null 2>&1 & p=$!
    local ok=1
    wait_count entry_windows 1 && sleep 0.5 && [ "$(refusals)" = 0 ] && kill -0 $p 2>/dev/null && ok=0
    kill -KILL $p; wait $p 2>/dev/null
    return $ok
}
touch "$WORK/not-a-folder"
XDG_CONFIG_HOME=$WORK/not-a-folder/config starts_quietly
verdict "an unwritable settings folder: entry window, no message" $?
head -c 4096 /dev/urandom > "$settings"
starts_quietly
verdict "an INI file of random bytes: entry window, no message" $?
printf '[Settings]\n%%99%%CA%%C7%%B6%%C9%%BE%%C4%%C3=\xff\xfe garbage\n[[[\n=\n' > "$settings"
starts_quietly
verdict "a garbled reminder value: entry window, no message" $?

# --- no browser launcher on the PATH: a link does nothing, silently
mkdir -p "$WORK/empty"
PATH=$WORK/empty "$BIN" >/dev/null 2>&1 & p=$!
wait_count entry_windows 1
id=$(xdotool search --onlyvisible --name '^Quorvex v1\.0$' | head -1)
xdotool windowactivate --sync "$id" 2>/dev/null; sleep 0.2
xdotool key alt+h v; sleep 0.3     # Help > Visit Us Online
xdotool key alt+d; sleep 0.3       # Donate
sleep 0.5
[ "$(entry_windows)" = 1 ] && [ "$(refusals)" = 0 ] && kill -0 $p 2>/dev/null
verdict "without xdg-open links do nothing and the program goes on" $?
kill -KILL $p; wait $p 2>/dev/null

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
