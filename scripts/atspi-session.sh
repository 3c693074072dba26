#!/bin/bash
# atspi-session.sh COMMAND [ARG...]
#
# Runs COMMAND on a private virtual display with a D-Bus session of its own, so that programs
# started by it reach the assistive-technology (AT-SPI) bus and registry through that session
# only: D-Bus starts the AT-SPI bus launcher, its own bus and the registry daemon on the first
# request and ends them with the session. Nothing of the desktop that may be running is used.
set -euo pipefail

if [[ ${1:-} == --inside ]]; then
    shift
    # Here inside the session and on the display that the part below set up.
    # Start the AT-SPI bus and its registry before the command: a Qt program that is the
    # first to ask for them gives up waiting, while one that finds them running joins at once.
    address=
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                      org.a11y.Bus.GetAddress 2>/dev/null | tr -d '[:space:]') && [[ -n $address ]] && break
        sleep 1
    done
    [[ -n $address ]] || { echo "atspi-session.sh: the AT-SPI bus did not start" >&2; exit 2; }
    # The registry lives on that bus; a first client (pyatspi asking for the desktop) starts it.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' \
            >/dev/null 2>&1 && break
        sleep 1
    done
    exec "$@"
fi

for tool in dbus-run-session xvfb-run; do
    command -v "$tool" >/dev/null || { echo "atspi-session.sh: $tool is missing" >&2; exit 2; }
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || { echo "atspi-session.sh: at-spi2-core is missing" >&2; exit 2; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "atspi-session.sh: python3-pyatspi is missing" >&2; exit 2; }

# Qt programs join the bus without asking the desktop's accessibility setting.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
# Tests that look at accessibility events know that they must be able to see them here.
export QUORVEL_ATSPI_SESSION=1
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The registry's and the bus launcher's runtime files stay in a folder of this run.
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-atspi.XXXXXX")
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# The bus launcher needs the display, so the display comes first.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --inside "$@"
