# The program: starting and stopping it, and the files it keeps.
# Waits up to 10 s for process $1 to end; STATUS is its exit status (137 when it was killed).
wait_exit() {
    (sleep 10; kill -KILL "$1" 2>/dev/null) &
    local killer=$!
    wait "$1" 2>/dev/null; STATUS=$?
    kill "$killer" 2>/dev/null; wait "$killer" 2>/dev/null
    [ "$STATUS" != 137 ] || echo "  waited 10 s for process $1 to end, in vain: killed" >&2
    local p rest=()
    for p in "${PIDS[@]}"; do [ "$p" = "$1" ] || rest+=("$p"); done
    PIDS=("${rest[@]}")
}
# Starts the program; its pid is in LAUNCHED.
PIDS=()
launch() { "$BIN" "$@" >/dev/null 2>"$WORK/stderr" & LAUNCHED=$!; PIDS+=("$LAUNCHED"); }
# Kills every copy started and waits until their windows are gone. With no program left to
# stop, a bare `wait` would wait for the X server.
no_windows() { [ "$(windows)" = 0 ] && [ "$(boxes)" = 0 ]; }
stop_all() {
    if [ ${#PIDS[@]} -gt 0 ]; then kill -KILL "${PIDS[@]}" 2>/dev/null; wait "${PIDS[@]}" 2>/dev/null; fi
    PIDS=()
    wait_for 5 "the program's windows to go" no_windows
}
settings_file=$XDG_CONFIG_HOME/Quorvex.ini
# Runs a command, then stops every copy started; returns the command's status.
then_stop() { "$@"; local status=$?; stop_all; return $status; }
# Writes to settings file $1 a reminder date years old, 2001-01-01T00:00:00 as stored (each
# character's code 85 higher, in UTF-8), each line ended by $2; OLD_DATE is the stored value.
OLD_DATE=$'\xc2\x87\xc2\x85\xc2\x85\xc2\x86\xc2\x82\xc2\x85\xc2\x86\xc2\x82\xc2\x85\xc2\x86\xc2\xa9\xc2\x85\xc2\x85\xc2\x8f\xc2\x85\xc2\x85\xc2\x8f\xc2\x85\xc2\x85'
store_old_date() { printf "[Settings]$2%%99%%CA%%C7%%B6%%C9%%BE%%C4%%C3=%s$2" "$OLD_DATE" >"$1"; }
# A browser launcher for the PATH, in $WORK/bin, that writes each address it is given to
# $WORK/opened (also when the program runs with a file size limit of 0).
mkdir -p "$WORK/bin"
printf '#!/bin/sh\nulimit -S -f unlimited\necho "$1" >> %s/opened\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
# True once the browser has been given address $1, within $2 seconds.
opened() { wait_for "$2" "the page $1" grep -qx "$1" "$WORK/opened"; }
