#!/usr/bin/env bash
# A private CUPS server for the printing tests.
#
#   scripts/cups-test-server.sh start [DIR]   start cupsd and create the default queue QuorvelTest
#   scripts/cups-test-server.sh stop  [DIR]   stop that cupsd (by its recorded pid)
#   scripts/cups-test-server.sh env   [DIR]   print the variables a test needs (eval "$(... env)")
#   scripts/cups-test-server.sh status [DIR]  exit 0 when the server answers
#
# DIR defaults to $QUORVEL_CUPS_DIR, else /tmp/quorvel-cups. Everything the server uses lives
# below it: configuration, spool, cache, logs, its socket and the printed output. Nothing
# system-wide is read or changed, apart from the programs, filters and the PPD of the installed
# Debian packages (cups-daemon, cups-client, cups-filters, poppler-utils).
#
# The queue prints into a file: DIR/out/job.pdf holds the last job as PDF.
set -euo pipefail

command=${1:-}
dir=${2:-${QUORVEL_CUPS_DIR:-/tmp/quorvel-cups}}
queue=QuorvelTest
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd

socket="$dir/run/cups.sock"
pidfile="$dir/run/cupsd.pid"
portfile="$dir/run/port"

die() { echo "cups-test-server: $*" >&2; exit 1; }

server_env() {
    # A private HOME keeps ~/.cups/lpoptions and client.conf of the caller out of the way;
    # LPDEST and PRINTER would override the default destination.
    echo "export CUPS_SERVER='$socket'"
    echo "export HOME='$dir/home'"
    echo "unset LPDEST PRINTER"
}

is_running() {
    [[ -f $pidfile ]] && kill -0 "$(cat "$pidfile")" 2>/dev/null
}

answers() {
    CUPS_SERVER=$socket HOME=$dir/home lpstat -r 2>/dev/null | grep -q 'is running'
}

# A loopback port beside the socket: without a network listener the server publishes no
# printer URI, and clients then cannot fetch a queue's PPD (page sizes and their defaults).
pick_port() {
    local port=$(( 20000 + $(printf '%s' "$dir" | cksum | cut -d' ' -f1) % 30000 ))
    while grep -qi ":$(printf '%04X' "$port") " /proc/net/tcp /proc/net/tcp6 2>/dev/null; do
        port=$(( port + 1 ))
    done
    echo "$port"
}

write_configuration() {
    local port
    port=$(pick_port)
    echo "$port" >"$portfile"
    cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/run/printcap
SystemGroup root
User lp
Group lp
FileDevice Yes
EOF
    cat >"$dir/conf/cupsd.conf" <<EOF
Listen $socket
Listen 127.0.0.1:$port
LogLevel ${QUORVEL_CUPS_LOGLEVEL:-warn}
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
JobRetryLimit 0
# A job that fails is dropped instead of stopping the queue for the tests after it.
ErrorPolicy abort-job
PreserveJobFiles No
PreserveJobHistory Yes
MaxJobs 100
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
}

start() {
    command -v cupsd >/dev/null || die "cupsd not found (Debian package cups-daemon)"
    command -v lpadmin >/dev/null || die "lpadmin not found (Debian package cups-client)"
    [[ -f $ppd ]] || die "$ppd not found (Debian package cups-filters)"
    if is_running && answers; then
        echo "cups-test-server: already running in $dir"
        return 0
    fi
    stop_server quiet
    rm -rf "$dir"
    mkdir -p "$dir"/{conf/ppd,conf/ssl,spool/tmp,cache,log,run,out,home}
    # The filters run as lp: they must reach the spool and temporary folders, and the
    # file device writes the job output.
    chmod 0755 "$dir" "$dir"/{conf,spool,cache,log,run,home}
    chmod 1777 "$dir/spool/tmp" "$dir/out"
    write_configuration

    cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$pidfile"

    for _ in $(seq 1 100); do
        answers && break
        is_running || { cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2; die "cupsd exited"; }
        sleep 0.1
    done
    answers || die "cupsd does not answer on $socket"

    CUPS_SERVER=$socket HOME=$dir/home \
        lpadmin -p "$queue" -E -v "file://$dir/out/job.pdf" -P "$ppd"
    CUPS_SERVER=$socket HOME=$dir/home lpadmin -d "$queue"
    CUPS_SERVER=$socket HOME=$dir/home cupsenable "$queue" 2>/dev/null || true
    CUPS_SERVER=$socket HOME=$dir/home cupsaccept "$queue" 2>/dev/null || true
    echo "cups-test-server: running in $dir (pid $(cat "$pidfile")), default queue $queue"
}

stop_server() {
    if [[ -f $pidfile ]]; then
        local pid
        pid=$(cat "$pidfile")
        if kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid"
            for _ in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
        fi
        rm -f "$pidfile"
        [[ ${1:-} == quiet ]] || echo "cups-test-server: stopped"
    fi
}

case $command in
    start) start ;;
    stop) stop_server ;;
    env) server_env ;;
    status) is_running && answers ;;
    *) echo "usage: $0 start|stop|env|status [DIR]" >&2; exit 2 ;;
esac
