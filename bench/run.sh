#!/usr/bin/env bash
# `make bench`: start-up time, memory and instructions of the real program against a minimal
# Qt window under Xvfb, and the main road in-process. Prints one table.
# Usage: run.sh BUILD-FOLDER [RUNS]
set -eu
# A desktop session has a session bus, which Qt's accessibility bridge connects to; without
# one, libdbus would spawn dbus-launch during start-up and time that instead.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then exec dbus-run-session -- "$0" "$@" 2>/dev/null; fi
BUILD=$(readlink -f "$1")
RUNS=${2:-15}
source "$(dirname "$0")/../scripts/session/session.sh"

# The minimal window gets the entry window's size, menu bar included.
"$BUILD/Quorvex" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do id=$(xdotool search --onlyvisible --name '^Quorvex v1\.0$' 2>/dev/null | head -1) && [ -n "$id" ] && break; sleep 0.1; done
eval "$(xdotool getwindowgeometry --shell "$id")"
kill -KILL $pid; wait $pid 2>/dev/null || true

"$BUILD/bench/startup_bench" "$RUNS" -- "$BUILD/Quorvex" -- "$BUILD/bench/minimal_window" "$WIDTH" "$HEIGHT" > "$WORK/startup"
"$BUILD/bench/startup_bench" "$RUNS" -- "$BUILD/Quorvex" -- "$BUILD/bench/minimal_window" "$WIDTH" "$HEIGHT" text > "$WORK/text"
"$BUILD/bench/startup_bench" "$RUNS" -- "$BUILD/Quorvex" -- "$BUILD/bench/minimal_window" "$WIDTH" "$HEIGHT" fonts > "$WORK/fonts"
read -r _ q_ms q_min q_max q_kib < <(sed -n 1p "$WORK/startup")
read -r _ m_ms m_min m_max m_kib < <(sed -n 2p "$WORK/startup")
read -r _ q2_ms _ _ q2_kib < <(sed -n 1p "$WORK/text")
read -r _ t_ms _ _ t_kib < <(sed -n 2p "$WORK/text")
read -r _ q3_ms _ _ q3_kib < <(sed -n 1p "$WORK/fonts")
read -r _ f_ms _ _ f_kib < <(sed -n 2p "$WORK/fonts")
read -r cycles cycle_ms rss_before rss_after < <("$BUILD/bench/bench_mainroad" 1000 2>/dev/null)

# Instructions from launch to the window's mapping and to its first frame (the end of the
# first flush of a window to the screen), counted by callgrind: unlike time, the same from
# run to run. Prints the two counts.
instructions() {
    local out=$WORK/callgrind.$RANDOM
    valgrind --tool=callgrind --callgrind-out-file="$out" --dump-before=xcb_map_window \
        --dump-after='QBackingStore::flush*' "$@" >/dev/null 2>&1 &
    local pid=$!
    wait_until 180 grep -qs '^totals:' "$out.2"
    kill -KILL $pid; wait $pid 2>/dev/null || true
    local map frame
    map=$(sed -n 's/^summary: //p' "$out.1"); frame=$(sed -n 's/^summary: //p' "$out.2")
    echo "$map $((map + frame))"
}
read -r q_map q_frame < <(instructions "$BUILD/Quorvex")
read -r t_map t_frame < <(instructions "$BUILD/bench/minimal_window" "$WIDTH" "$HEIGHT" text)
read -r f_map f_frame < <(instructions "$BUILD/bench/minimal_window" "$WIDTH" "$HEIGHT" fonts)

awk -v runs="$RUNS" -v w="$WIDTH" -v h="$HEIGHT" \
    -v q_ms="$q_ms" -v q_min="$q_min" -v q_max="$q_max" -v q_kib="$q_kib" \
    -v m_ms="$m_ms" -v m_min="$m_min" -v m_max="$m_max" -v m_kib="$m_kib" \
    -v q2_ms="$q2_ms" -v q2_kib="$q2_kib" -v t_ms="$t_ms" -v t_kib="$t_kib" \
    -v cycles="$cycles" -v cycle_ms="$cycle_ms" -v before="$rss_before" -v after="$rss_after" \
    -v q_map="$q_map" -v q_frame="$q_frame" -v t_map="$t_map" -v t_frame="$t_frame" \
    -v q3_ms="$q3_ms" -v q3_kib="$q3_kib" -v f_ms="$f_ms" -v f_kib="$f_kib" -v f_map="$f_map" -v f_frame="$f_frame" 'BEGIN {
    printf "%-50s %12s %12s %8s %8s\n", "against a window with one line of bold text", "Quorvex", "text", "ratio", "target"
    printf "%-50s %12.1f %12.1f %8.2f %8s\n", "start-up to window mapped, median ms (" runs " runs)", q2_ms, t_ms, q2_ms / t_ms, "<= 1.10"
    printf "%-50s %12d %12d %8.2f %8s\n", "peak resident memory at the window, KiB", q2_kib, t_kib, q2_kib / t_kib, "<= 1.10"
    printf "%-50s %12.1f %12.1f %8.2f\n", "instructions to window mapped, millions", q_map / 1e6, t_map / 1e6, q_map / t_map
    printf "%-50s %12.1f %12.1f %8.2f\n", "instructions to the first frame, millions", q_frame / 1e6, t_frame / 1e6, q_frame / t_frame
    printf "%-50s %12s %12s %8s\n", "against a line in each of the four fonts it draws", "Quorvex", "fonts", "ratio"
    printf "%-50s %12.1f %12.1f %8.2f\n", "start-up to window mapped, median ms (" runs " runs)", q3_ms, f_ms, q3_ms / f_ms
    printf "%-50s %12d %12d %8.2f\n", "peak resident memory at the window, KiB", q3_kib, f_kib, q3_kib / f_kib
    printf "%-50s %12.1f %12.1f %8.2f\n", "instructions to window mapped, millions", q_map / 1e6, f_map / 1e6, q_map / f_map
    printf "%-50s %12.1f %12.1f %8.2f\n", "instructions to the first frame, millions", q_frame / 1e6, f_frame / 1e6, q_frame / f_frame
    printf "%-50s %12s %12s %8s\n", "against an empty window", "Quorvex", "empty", "ratio"
    printf "%-50s %12.1f %12.1f %8.2f\n", "start-up to window mapped, median ms (" runs " runs)", q_ms, m_ms, q_ms / m_ms
    printf "%-50s %12s %12s\n", "  fastest .. slowest, ms", sprintf("%.1f..%.1f", q_min, q_max), sprintf("%.1f..%.1f", m_min, m_max)
    printf "%-50s %12d %12d %8.2f\n", "peak resident memory at the window, KiB", q_kib, m_kib, q_kib / m_kib
    printf "%-50s\n", "the main road, in-process"
    printf "%-50s %12.3f\n", "request and Back, ms per cycle (" cycles " cycles)", cycle_ms
    printf "%-50s %12d %12s %8s %8s\n", "resident memory growth over the cycles, KiB", after - before, "", "", "<= 1024"
    printf "(every minimal window: %dx%d, the entry window'"'"'s size)\n", w, h
}'
