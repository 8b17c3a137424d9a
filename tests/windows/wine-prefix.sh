# shellcheck shell=bash
# Shared by the Wine checks (sourced, not run): the Debian packages they need, a temporary work
# folder that goes at exit together with the Wine processes of its prefix and the helpers the
# script started, a fresh 64-bit Wine prefix in it, and waiting for a helper's work.

# Installs those of the named Debian packages that are not installed yet.
wine_install_missing() {
    local package missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

# Makes $work (named after $1) and removes it at exit. Processes whose ids the script adds to
# wine_helper_pids are ended at exit too, after Wine: Wine may hold their pseudo-terminals or
# display, and their going away would reach it first.
wine_work_folder() {
    work=$(mktemp -d "/tmp/$1.XXXXXX")
    wine_helper_pids=()
    trap wine_cleanup EXIT
}

wine_cleanup() {
    local pid
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    for pid in "${wine_helper_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}

# Creates the prefix $work/prefix and exports what every Wine call of the script needs; the
# start-up log goes to $1 and is shown when it fails.
wine_new_prefix() {
    export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    timeout 300 wine wineboot -i >"$1" 2>&1 || { cat "$1"; exit 1; }
    wineserver -w
}

# Waits up to $2 seconds for the command after them to succeed, trying it again every 0.2 s; when
# it gives up it says, on standard error, that it waited for $1 and how long.
wait_for() {
    local what=$1 cap=$2 deadline=$((SECONDS + $2))
    shift 2
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "gave up waiting for $what after $cap s" >&2
            return 1
        fi
        sleep 0.2
    done
}
