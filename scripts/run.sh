#!/usr/bin/env bash
# Builds Quorvel and starts it: bash scripts/run.sh (as root on a fresh Debian 12 the first
# time, so that the missing packages can be installed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVEL_ROOT"

quorvel_install_packages build run

# The program alone: no tests and no benchmarks in this folder.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF $(quorvel_launcher_args)
cmake --build build --target quorvel -j "$QUORVEL_JOBS"

program=$QUORVEL_ROOT/build/app/quorvel
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    echo "== Starting $program"
    exec "$program"
fi
echo "== No display (DISPLAY is not set): starting $program under xvfb-run, on a virtual"
echo "   screen that nobody sees. Run this from a desktop session to see the window;"
echo "   end it with Ctrl+C."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
