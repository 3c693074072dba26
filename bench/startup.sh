#!/usr/bin/env bash
# Start-up, memory and idle-processor measurement of Quorvel against two yardsticks, all on a
# private Xvfb display: the same main window built from stock Qt widgets (bench/stock_window.cpp:
# the same layout table, fonts, icon, menu and colours, a QPushButton for each drawn button),
# which is the honest floor, and a minimal Qt program with one empty main window.
#
#   bash bench/startup.sh [RUNS]        (RUNS defaults to 9; the median is reported)
#
# Besides the verdict it prints a breakdown: the minimal program with a line of text, with the
# window icon, and with libcups loaded as well, which shows how much of the difference every
# real window pays for and how much is Quorvel's own.
#
#   time to first paint  process start to the first complete frame of the main window
#                        (bench/startup_quorvel.cpp runs app/main.cpp's start-up with a probe)
#   peak memory          VmHWM of the running program 2 s after start (the real bin quorvel)
#   idle processor       user+system time of the real program over 10 s while its title scrolls
#
# Targets: time and memory each at most 1.10x the stock-widget window's, idle processor below 1%
# of one core. Exit status 1 when a target is missed.
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
cmake --build "$BUILD" -j "$QUORVEL_JOBS" --target quorvel startup_quorvel startup_stock_window \
    startup_minimal_window

QUORVEL=$BUILD/app/quorvel
PROBE=$BUILD/bench/startup_quorvel
STOCK=$BUILD/bench/startup_stock_window
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

# first_paint_ms COMMAND... : milliseconds from starting the process to its first complete frame
first_paint_ms() {
    local start line
    start=$(date +%s%N)
    line=$(timeout 60 "$@" --quit-after-paint 2>/dev/null | grep -m1 '^first-paint-ns ')
    awk -v s="$start" -v e="${line#first-paint-ns }" 'BEGIN { printf "%.1f\n", (e - s) / 1e6 }'
}

# peak_rss_kib COMMAND... : VmHWM after the window has settled
peak_rss_kib() {
    local pid rss
    "$@" >/dev/null 2>&1 &
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

# The yardstick and, for the breakdown, the yardstick with what every real window of this kind
# pays for added back: a line of text, the window icon, and the libraries Quorvel links beyond
# Qt (libcups, loaded here by preloading it).
ICON=$QUORVEL_ROOT/resources/quorvel.png
CUPS_LIB=$(ldd "$QUORVEL" | awk '/libcups\.so/ { print $3 }')
variants=(
    "minimal|$MINIMAL"
    "minimal+text|$MINIMAL --text"
    "minimal+text+icon|$MINIMAL --text --icon $ICON"
)
if [[ -n $CUPS_LIB ]]; then
    variants+=("minimal+text+icon+libcups|env LD_PRELOAD=$CUPS_LIB $MINIMAL --text --icon $ICON")
fi

echo "== warming up (font caches, shared libraries)"
first_paint_ms $MINIMAL --text >/dev/null
first_paint_ms "$PROBE" >/dev/null

# Every program is run once per round, round after round, so that a busy moment of the machine
# falls on all of them alike. Quorvel's first paint comes from its probe twin, its memory from
# the real program.
programs=("quorvel|$PROBE" "stock|$STOCK" "${variants[@]}")
declare -A paint rss
name_of() { echo "${1%%|*}"; }
command_of() { echo "${1#*|}"; }
for entry in "${programs[@]}"; do
    : >"$scratch/paint-$(name_of "$entry")"
    : >"$scratch/rss-$(name_of "$entry")"
done

echo "== time to first paint and peak memory, $RUNS rounds"
for _ in $(seq 1 "$RUNS"); do
    for entry in "${programs[@]}"; do
        # shellcheck disable=SC2046  # the command is split into its words on purpose
        first_paint_ms $(command_of "$entry") >>"$scratch/paint-$(name_of "$entry")"
    done
    for entry in "${programs[@]}"; do
        name=$(name_of "$entry")
        if [[ $name == quorvel ]]; then
            peak_rss_kib "$QUORVEL" >>"$scratch/rss-quorvel"
        else
            # shellcheck disable=SC2046
            peak_rss_kib $(command_of "$entry") >>"$scratch/rss-$name"
        fi
    done
done
for entry in "${programs[@]}"; do
    name=$(name_of "$entry")
    paint[$name]=$(median <"$scratch/paint-$name")
    rss[$name]=$(median <"$scratch/rss-$name")
    echo "   $name: first paint (ms) $(tr '\n' ' ' <"$scratch/paint-$name")"
    echo "   $name: peak RSS (KiB)   $(tr '\n' ' ' <"$scratch/rss-$name")"
done

echo "== idle processor time over ${IDLE_SECONDS}s"
idle=$(idle_cpu_percent "$QUORVEL")
idle_minimal=$(idle_cpu_percent "$MINIMAL")

echo
printf '%-28s %12s %12s %10s %10s\n' "program" "first paint" "peak RSS" "paint/min" "RSS/min"
for name in quorvel stock minimal minimal+text minimal+text+icon minimal+text+icon+libcups; do
    [[ -n ${paint[$name]:-} ]] || continue
    awk -v n="$name" -v p="${paint[$name]}" -v r="${rss[$name]}" -v pm="${paint[minimal]}" -v rm="${rss[minimal]}" \
        'BEGIN { printf "%-28s %9.1f ms %8.1f MiB %9.2fx %9.2fx\n", n, p, r / 1024, p / pm, r / rm }'
done
echo
awk -v ps="${paint[stock]}" -v pm="${paint[minimal]}" -v pq="${paint[quorvel]}" \
    -v rs="${rss[stock]}" -v rm="${rss[minimal]}" -v rq="${rss[quorvel]}" \
    -v ic="$idle" -v im="$idle_minimal" 'BEGIN {
    pr = pq / ps; rr = rq / rs
    printf "%-24s %12s %12s %8s %12s %8s %10s %s\n", "measure", "quorvel", "stock", "ratio", "minimal", "ratio", "target", "verdict"
    printf "%-24s %9.1f ms %9.1f ms %7.2fx %9.1f ms %7.2fx %10s %s\n", "time to first paint", pq, ps, pr, pm, pq / pm, "<= 1.10x", (pr <= 1.10 ? "ok" : "OVER")
    printf "%-24s %8.1f MiB %8.1f MiB %7.2fx %8.1f MiB %7.2fx %10s %s\n", "peak memory (VmHWM)", rq / 1024, rs / 1024, rr, rm / 1024, rq / rm, "<= 1.10x", (rr <= 1.10 ? "ok" : "OVER")
    printf "%-24s %10.2f %% %12s %8s %10.2f %% %8s %10s %s\n", "idle CPU over 10 s", ic, "", "", im, "", "< 1%", (ic < 1 ? "ok" : "OVER")
    exit (pr <= 1.10 && rr <= 1.10 && ic < 1) ? 0 : 1
}'
