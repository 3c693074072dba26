#!/usr/bin/env bash
# Builds the Debian package and uses it as a lab machine would (as root, on Debian 12):
#
#   bash scripts/package-check.sh [BUILD-DIR]
#
#   1. cmake --build BUILD-DIR --target package   (default BUILD-DIR: build/, configured as
#      scripts/run.sh does when it is missing; scripts/test.sh passes its build-tests/)
#   2. lintian (no E: or W: line), appstreamcli validate --no-net, desktop-file-validate
#   3. apt-get install ./quorvel_<version>_amd64.deb
#   4. as the unprivileged user quorvel-check (created when missing), from a folder it cannot
#      write, /usr/bin/quorvel under Xvfb: Alt+S (Simpan) with xdotool, the message box's text
#      read through AT-SPI; the report must be the 28-line file in that user's documents
#      folder and the message must name it
#   5. apt-get purge, after which no file of the package may be left
#
# The package is purged again whatever step failed. Exit status 0 only when all passed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVEL_ROOT"

CHECK_USER=quorvel-check
SCRATCH=${QUORVEL_PACKAGE_SCRATCH:-$QUORVEL_ROOT/build-logs/package}
VERSION=$(sed -nE 's/^project\(Quorvel VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
DEB_NAME=quorvel_${VERSION}_amd64.deb
export DEBIAN_FRONTEND=noninteractive

step() { echo "== package check: $*"; }
fail() { echo "package check FAILED: $*" >&2; exit 1; }

[[ $(id -u) -eq 0 ]] || fail "must run as root (it installs and removes the package)"
[[ -n $VERSION ]] || fail "no project version in CMakeLists.txt"
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"

# Whatever happens, the machine is left without the package and without scratch folders.
session_dir=
cwd_dir=
cleanup() {
    local status
    status=$(dpkg-query -W -f='${Status}' quorvel 2>/dev/null || true)
    if [[ -n $status && $status != *not-installed ]]; then
        apt-get -o DPkg::Lock::Timeout=600 purge -y -q quorvel >/dev/null 2>&1 || true
    fi
    [[ -n $session_dir ]] && rm -rf "$session_dir"
    [[ -n $cwd_dir ]] && rm -rf "$cwd_dir"
    return 0
}
trap cleanup EXIT

# --- 1. the package --------------------------------------------------------------------------
build=${1:-build}
if [[ ! -f $build/CMakeCache.txt ]]; then
    step "configuring $build (the program alone, as scripts/run.sh does)"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF $(quorvel_launcher_args) >"$SCRATCH/cmake.log"
fi
deb=$(cd "$build" && pwd)/$DEB_NAME
rm -f "$deb"
step "cmake --build $build --target package"
cmake --build "$build" -j "$QUORVEL_JOBS" --target package >"$SCRATCH/package.log" 2>&1 \
    || { tail -n 40 "$SCRATCH/package.log"; fail "building the package"; }
[[ -s $deb ]] || fail "$DEB_NAME was not written into $build"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

# --- 2. the distribution's checks ------------------------------------------------------------
step "lintian"
lintian_ok=1
lintian --fail-on error,warning "$deb" >"$SCRATCH/lintian.log" 2>&1 || lintian_ok=0
grep -v 'running with root privileges' "$SCRATCH/lintian.log" || true
[[ $lintian_ok -eq 1 ]] && ! grep -qE '^[EW]: ' "$SCRATCH/lintian.log" || fail "lintian reports errors or warnings"

contents=$SCRATCH/contents
dpkg-deb -x "$deb" "$contents"
step "appstreamcli validate --no-net"
metainfo=("$contents"/usr/share/metainfo/*.metainfo.xml)
[[ -f ${metainfo[0]} ]] || fail "no AppStream metadata in the package"
appstreamcli validate --no-net "${metainfo[@]}" || fail "AppStream metadata"
step "desktop-file-validate"
desktop-file-validate "$contents/usr/share/applications/quorvel.desktop" || fail "desktop entry"
for f in usr/bin/quorvel usr/share/man/man1/quorvel.1.gz usr/share/doc/quorvel/copyright \
         usr/share/doc/quorvel/changelog.Debian.gz usr/share/icons/hicolor/scalable/apps/quorvel.svg \
         usr/share/icons/hicolor/48x48/apps/quorvel.png; do
    [[ -s $contents/$f ]] || fail "$f is not in the package"
done
! readelf -S "$contents/usr/bin/quorvel" | grep -q '\.symtab' || fail "/usr/bin/quorvel is not stripped"
# What dpkg-shlibdeps found (the Qt libraries) and what it cannot see.
depends=$(dpkg-deb --field "$deb" Depends)
for dep in libqt6widgets6 fonts-dejavu-core fonts-wine libcups2 qt6-qpa-plugins; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# --- 3. install ------------------------------------------------------------------------------
step "apt-get install ./$DEB_NAME"
cleanup
apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "$deb" >"$SCRATCH/install.log" 2>&1 \
    || { cat "$SCRATCH/install.log"; fail "apt-get install"; }
[[ -x /usr/bin/quorvel ]] || fail "/usr/bin/quorvel is not installed"

# --- 4. run and save as a normal user --------------------------------------------------------
if ! id -u "$CHECK_USER" >/dev/null 2>&1; then
    step "creating the user $CHECK_USER"
    useradd --create-home --shell /bin/bash "$CHECK_USER"
fi
home=$(getent passwd "$CHECK_USER" | cut -d: -f6)
documents=$home/Documents
# The documents folder is created by the program itself.
rm -rf "$documents"
! runuser -u "$CHECK_USER" -- test -w /usr/bin || fail "$CHECK_USER may write /usr/bin"

# Xvfb started by a normal user cannot make the folder of the display sockets itself.
[[ -d /tmp/.X11-unix ]] || install -d -m 1777 /tmp/.X11-unix

# A working folder the user may enter but not write, and one for what the session hands back.
cwd_dir=$(mktemp -d /tmp/quorvel-cwd.XXXXXX)
chmod 0755 "$cwd_dir"
session_dir=$(mktemp -d /tmp/quorvel-session.XXXXXX)
chmod 0755 "$session_dir"
chown "$CHECK_USER" "$session_dir"
cat >"$session_dir/session.sh" <<'SESSION'
# Runs on a private Xvfb display and D-Bus session as the unprivileged user: starts the
# installed program with the accessibility bus up, saves with Alt+S and reads the message
# box's text through AT-SPI.
set -euo pipefail
out=$1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/quorvel >"$out/quorvel.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(timeout 30 xdotool search --sync --onlyvisible --class quorvel | head -n 1)
sleep 1
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+s
python3 "$out/message.py" >"$out/message.txt"
if command -v import >/dev/null; then
    import -window root "$out/message.png" || true
fi
xdotool key --clearmodifiers Return
SESSION
cat >"$session_dir/message.py" <<'MESSAGE'
# Prints the text of the first label of the running quorvel that starts like the success
# message; waits for it up to 20 s.
import sys
import time

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


deadline = time.time() + 20
labels = []
while time.time() < deadline:
    labels = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or (app.name or '').lower() != 'quorvel':
            continue
        labels += [node.name or '' for node in walk(app) if node.getRoleName() == 'label']
    for text in labels:
        if text.startswith('File tersimpan di path '):
            print(text)
            sys.exit(0)
    time.sleep(0.2)
print('no success message in the windows of quorvel; their labels:', labels, file=sys.stderr)
sys.exit(1)
MESSAGE
chmod 0644 "$session_dir/message.py"
chmod 0644 "$session_dir/session.sh"

step "starting /usr/bin/quorvel as $CHECK_USER in $cwd_dir under Xvfb, pressing Alt+S"
(cd "$cwd_dir" && timeout 120 runuser -u "$CHECK_USER" -- env -i HOME="$home" USER="$CHECK_USER" \
    LOGNAME="$CHECK_USER" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$session_dir/session.sh" "$session_dir") \
    || { cat "$session_dir/quorvel.log" 2>/dev/null; fail "the session as $CHECK_USER"; }
[[ -f $session_dir/message.png ]] && cp "$session_dir/message.png" "$SCRATCH/message.png"
cp "$session_dir/message.txt" "$SCRATCH/message.txt"

message=$(grep -m 1 '^File tersimpan di path ' "$SCRATCH/message.txt" || true)
echo "   message: $message"
[[ -n $message ]] || { cat "$SCRATCH/message.txt"; fail "no success message"; }
reports=("$documents"/Quorvel_*.txt)
[[ ${#reports[@]} -eq 1 && -f ${reports[0]} ]] || fail "not one report in $documents: ${reports[*]}"
report=${reports[0]}
[[ $message == "File tersimpan di path $report" ]] || fail "the message does not name $report"
[[ $(stat -c %U "$report") == "$CHECK_USER" ]] || fail "$report does not belong to $CHECK_USER"
lines=$(wc -l <"$report")
echo "   $report: $lines lines"
[[ $lines -eq 28 ]] || fail "$report has $lines lines, not 28"
[[ $(grep -c $'\r$' "$report") -eq 28 ]] || fail "$report: not every line ends in CR LF"
[[ $(head -n 1 "$report") == $'FCFS Schedule\r' ]] || fail "$report: unexpected first line"
[[ $(tail -n 1 "$report") == $'Tamsira 2006\r' ]] || fail "$report: unexpected last line"
! ls /usr/bin/Quorvel_*.txt "$cwd_dir"/Quorvel_*.txt >/dev/null 2>&1 || fail "a report outside $documents"

# --- 5. purge --------------------------------------------------------------------------------
step "apt-get purge quorvel"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$SCRATCH/files.txt"
apt-get -o DPkg::Lock::Timeout=600 purge -y -q quorvel >"$SCRATCH/purge.log" 2>&1 || { cat "$SCRATCH/purge.log"; fail "apt-get purge"; }
! dpkg-query -W -f='${Status}\n' quorvel 2>/dev/null | grep -qv 'not-installed' \
    || fail "dpkg still knows quorvel: $(dpkg-query -W -f='${Status}' quorvel)"
left=0
while read -r path; do
    [[ -e $path ]] || continue
    # Folders shared with other packages (/usr/share/icons/hicolor/48x48/apps, ...) stay.
    if [[ -d $path ]] && dpkg-query -S "$path" >/dev/null 2>&1; then
        continue
    fi
    echo "   left behind: $path" >&2
    left=1
done <"$SCRATCH/files.txt"
[[ $left -eq 0 ]] || fail "files of the package are left after the purge"
echo "== package check: passed ($(grep -vc '^$' "$SCRATCH/files.txt") paths of the package gone or shared)"
