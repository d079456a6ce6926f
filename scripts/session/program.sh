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
