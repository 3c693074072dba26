#!/usr/bin/env bash
# Start-up, memory and idle-processor measurement of Quorvel against a minimal Qt program that
# shows one empty main window with the same libraries, both on a private Xvfb display.
#
#   bash bench/startup.sh [RUNS]        (RUNS defaults to 9; the median is reported)
#
#   time to first paint  process start to the first complete frame of the main window
#                        (bench/startup_quorvel.cpp runs app/main.cpp's start-up with a probe)
#   peak memory          VmHWM of the running program 2 s after start (the real bin quorvel)
#   idle processor       user+system time of the real program over 10 s while its title scrolls
#
# Targets: time at most 1.25x and memory at most 1.15x the minimal program's, idle processor
# below 1% of one core. Exit status 1 when a target is missed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
cd "$QUORVEL_ROOT"

RUNS=${1:-9}
BUILD=${QUORVEL_BENCH_BUILD:-build-bench}
SETTLE=2
IDLE_SECONDS=10

quorvel_install_packages build run bench

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF \
    -DQUORVEL_BUILD_BENCH=ON $(quorvel_launcher_args) >/dev/null
cmake --build "$BUILD" -j "$QUORVEL_JOBS" --target quorvel startup_quorvel startup_minimal_window

QUORVEL=$BUILD/app/quorvel
PROBE=$BUILD/bench/startup_quorvel
MINIMAL=$BUILD/bench/startup_minimal_window

scratch=$(mktemp -d /tmp/quorvel-startup.XXXXXX)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# A private X server; -displayfd tells which display number it took.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do [[ -s $scratch/display ]] && break; sleep 0.05; done
[[ -s $scratch/display ]] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$scratch/display")
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# first_paint_ms PROGRAM : milliseconds from starting the process to its first complete frame
first_paint_ms() {
    local start line
    start=$(date +%s%N)
    line=$(timeout 60 "$1" --quit-after-paint | grep -m1 '^first-paint-ns ')
    awk -v s="$start" -v e="${line#first-paint-ns }" 'BEGIN { printf "%.1f\n", (e - s) / 1e6 }'
}

# peak_rss_kib PROGRAM : VmHWM after the window has settled
peak_rss_kib() {
    local pid rss
    "$1" >/dev/null 2>&1 &
    pid=$!
    sleep "$SETTLE"
    rss=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$rss"
}

# idle_cpu_percent PROGRAM : processor time over IDLE_SECONDS, percent of one core
idle_cpu_percent() {
    local pid before after ticks
    "$1" >/dev/null 2>&1 &
    pid=$!
    sleep "$SETTLE"
    ticks=$(getconf CLK_TCK)
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks.
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$IDLE_SECONDS"
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$IDLE_SECONDS" \
        'BEGIN { printf "%.2f\n", (a - b) / t / s * 100 }'
}

echo "== warming up (font caches, shared libraries)"
first_paint_ms "$MINIMAL" >/dev/null
first_paint_ms "$PROBE" >/dev/null

echo "== time to first paint, $RUNS runs each"
: >"$scratch/paint-minimal"; : >"$scratch/paint-quorvel"
for _ in $(seq 1 "$RUNS"); do
    first_paint_ms "$MINIMAL" >>"$scratch/paint-minimal"
    first_paint_ms "$PROBE" >>"$scratch/paint-quorvel"
done
echo "== peak memory, $RUNS runs each"
: >"$scratch/rss-minimal"; : >"$scratch/rss-quorvel"
for _ in $(seq 1 "$RUNS"); do
    peak_rss_kib "$MINIMAL" >>"$scratch/rss-minimal"
    peak_rss_kib "$QUORVEL" >>"$scratch/rss-quorvel"
done
echo "== idle processor time over ${IDLE_SECONDS}s"
idle=$(idle_cpu_percent "$QUORVEL")
idle_minimal=$(idle_cpu_percent "$MINIMAL")

paint_m=$(median <"$scratch/paint-minimal")
paint_q=$(median <"$scratch/paint-quorvel")
rss_m=$(median <"$scratch/rss-minimal")
rss_q=$(median <"$scratch/rss-quorvel")

echo "   first paint, minimal (ms): $(tr '\n' ' ' <"$scratch/paint-minimal")"
echo "   first paint, quorvel (ms): $(tr '\n' ' ' <"$scratch/paint-quorvel")"
echo "   peak RSS, minimal (KiB):   $(tr '\n' ' ' <"$scratch/rss-minimal")"
echo "   peak RSS, quorvel (KiB):   $(tr '\n' ' ' <"$scratch/rss-quorvel")"
echo
awk -v pm="$paint_m" -v pq="$paint_q" -v rm="$rss_m" -v rq="$rss_q" -v ic="$idle" -v im="$idle_minimal" 'BEGIN {
    pr = pq / pm; rr = rq / rm
    printf "%-24s %12s %12s %8s %10s %s\n", "measure", "quorvel", "minimal", "ratio", "target", "verdict"
    printf "%-24s %9.1f ms %9.1f ms %7.2fx %10s %s\n", "time to first paint", pq, pm, pr, "<= 1.25x", (pr <= 1.25 ? "ok" : "OVER")
    printf "%-24s %8.1f MiB %8.1f MiB %7.2fx %10s %s\n", "peak memory (VmHWM)", rq / 1024, rm / 1024, rr, "<= 1.15x", (rr <= 1.15 ? "ok" : "OVER")
    printf "%-24s %10.2f %% %10.2f %% %8s %10s %s\n", "idle CPU over 10 s", ic, im, "", "< 1%", (ic < 1 ? "ok" : "OVER")
    exit (pr <= 1.25 && rr <= 1.15 && ic < 1) ? 0 : 1
}'
