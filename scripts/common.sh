# Shared by scripts/run.sh, scripts/test.sh and bench/startup.sh (sourced, not run).
# The package list lives in scripts/packages.txt only.

QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVEL_JOBS=${QUORVEL_JOBS:-2}

# quorvel_packages GROUP... : the package names of those groups, one per line
quorvel_packages() {
    local group
    for group in "$@"; do
        awk -v g="$group" '!/^[[:space:]]*(#|$)/ && $2 == g { print $1 }' \
            "$QUORVEL_ROOT/scripts/packages.txt"
    done
}

# quorvel_install_packages GROUP... : installs whatever of those groups is not installed yet
quorvel_install_packages() {
    local missing=() pkg
    while read -r pkg; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q ' installed$' || missing+=("$pkg")
    done < <(quorvel_packages "$@")
    if [[ ${#missing[@]} -eq 0 ]]; then
        echo "== Debian packages: all present"
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        echo "These Debian packages are missing; run as root or install them: ${missing[*]}" >&2
        return 1
    fi
    echo "== Debian packages: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# quorvel_launcher_args : a compiler launcher for CMake when ccache is there
quorvel_launcher_args() {
    if command -v ccache >/dev/null; then
        echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    fi
}
