#!/bin/bash
# Cross-builds the serial port library for Windows with mingw-w64 and runs its Windows test
# programs under Wine in a fresh prefix. Run from anywhere as root on Debian 12:
#   bash tests/windows/wine-tests.sh
# Ends with "windows: N passed, M failed" and exits non-zero on any failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/wine-prefix.sh"
wine_install_missing g++-mingw-w64-x86-64-posix wine wine64 socat cmake make
wine_work_folder vexalo-wine

echo "== cross build"
cmake -S "$here" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$here/../../cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j2

echo "== wine prefix"
unset DISPLAY WAYLAND_DISPLAY
wine_new_prefix "$work/wineboot.log"

passed=0
failed=0
# Runs one test program and adds up the counts of its closing line; a program that ends
# without one counts as a failure.
run_test() {
    local name=$1 output counts
    echo "== $name"
    output=$(timeout 120 wine "$work/build/$name.exe" 2>&1 | tr -d '\r') || true
    echo "$output"
    counts=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' <<<"$output" | tail -1)
    if [[ -z $counts ]]; then
        failed=$((failed + 1))
        return
    fi
    passed=$((passed + ${counts%% passed*}))
    failed=$((failed + $(sed -E 's/.*, ([0-9]+) failed/\1/' <<<"$counts")))
}

# COM5 and COM6 are the two ends of one pseudo-terminal pair. socat makes the links only once
# it has opened both ends, which on a loaded machine can take long: wait for the links
# themselves, up to two minutes, or until socat (pid $1) has ended.
port_pair_settled() {
    [[ -e $work/pty-a && -e $work/pty-b ]] || ! kill -0 "$1" 2>/dev/null
}

link_port_pair() {
    local socat_pid
    socat pty,raw,echo=0,link="$work/pty-a" pty,raw,echo=0,link="$work/pty-b" 2>"$work/socat.log" &
    socat_pid=$!
    wine_helper_pids+=("$socat_pid")
    wait_for "socat's pseudo-terminal links $work/pty-a and $work/pty-b" 120 \
        port_pair_settled "$socat_pid" || true
    if [[ ! -e $work/pty-a || ! -e $work/pty-b ]]; then
        echo "FAIL: socat made no pseudo-terminal links $work/pty-a and $work/pty-b"
        cat "$work/socat.log"
        return 1
    fi
    ln -s "$work/pty-a" "$WINEPREFIX/dosdevices/com5"
    ln -s "$work/pty-b" "$WINEPREFIX/dosdevices/com6"
}

# The technician's tool, built for Windows, must show the same port.
check_ports_tool() {
    local output
    echo "== vexalo-ports"
    output=$(timeout 60 wine "$work/build/ports/vexalo-ports.exe" 2>&1 | tr -d '\r') || true
    echo "$output"
    if grep -qE '^COM1 +\\\\\.\\COM1 ' <<<"$output"; then
        passed=$((passed + 1))
    else
        echo "FAIL: vexalo-ports does not list COM1"
        failed=$((failed + 1))
    fi
}

run_test win_enumerate
run_test win_portchange
check_ports_tool
if link_port_pair; then
    run_test win_port
else
    failed=$((failed + 1))
fi

echo "windows: $passed passed, $failed failed"
((failed == 0))
