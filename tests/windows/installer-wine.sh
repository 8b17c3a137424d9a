#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a fresh prefix under Xvfb: silent install, the
# editor's usage text, its window over a prepared config.net (left unchanged when closed), the
# start-up question without one, the port lister, and the uninstaller. Run as root on Debian 12
# after tools/windows/build-package.sh:
#   bash tests/windows/installer-wine.sh [WINDOWS_BUILD_DIR]
# Screenshots and logs stay in WINDOWS_BUILD_DIR/wine-check. Ends with
# "windows installer: N passed, M failed, K skipped" and exits non-zero unless all passed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=$(cd "${1:-$here/../../build-windows}" && pwd)
artifacts=$build_dir/wine-check
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
installer=$build_dir/tessarund-$version-setup.exe
title="Tessarund [$version]"

install_missing() {
    local packages=(wine wine64 xvfb xdotool imagemagick tesseract-ocr tesseract-ocr-eng) missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

work=$(mktemp -d /tmp/tessarund-installer.XXXXXX)
xvfb_pid=
cleanup() {
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

install_missing
rm -rf "$artifacts"
mkdir -p "$artifacts"
started=$(date +%s)

echo "== Xvfb and a fresh wine prefix"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$artifacts/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display")
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
timeout 300 wine wineboot -i >"$artifacts/wineboot.log" 2>&1 || { cat "$artifacts/wineboot.log"; exit 1; }
wineserver -w

program_files=$(winepath -u 'C:\Program Files' | sed 's|/$||')
install_dir=$program_files/Tessarund
local_app_data=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')" | sed 's|/$||')
config=$local_app_data/quarntcu/config.net
start_menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' | sed 's|/$||')/Tessarund
echo "prefix ready after $(($(date +%s) - started)) s; display $DISPLAY"

passed=0
failed=0
skipped=0
installed=false

# Runs one check, prints its time, and counts it.
check() {
    local name=$1 begin=$(date +%s) result=0
    shift
    echo "== $name"
    "$@" || result=$?
    if ((result == 0)); then
        passed=$((passed + 1))
        echo "-- passed: $name ($(($(date +%s) - begin)) s)"
    else
        failed=$((failed + 1))
        echo "-- FAILED: $name ($(($(date +%s) - begin)) s)"
    fi
}

# A check that needs the installed program is skipped, and says so, when the install failed.
check_installed() {
    if ! $installed; then
        skipped=$((skipped + 1))
        echo "-- SKIPPED: $1: the program is not installed (the install check failed)"
        return
    fi
    check "$@"
}

fail() {
    echo "FAIL: $*"
    return 1
}

install_silently() {
    [[ -f $installer ]] || fail "no installer at $installer" || return
    timeout 300 wine "$installer" /S || fail "the installer exited with $?" || return
    wineserver -w
    # Everything of the package, byte for byte, and nothing else but the uninstaller.
    diff -r "$build_dir/stage/tessarund-$version" "$install_dir" >"$work/install.diff" || true
    if [[ "$(cat "$work/install.diff")" != "Only in $install_dir: uninstall.exe" ]]; then
        cat "$work/install.diff"
        fail "the installed folder differs from the package"
        return
    fi
    [[ -f $start_menu/Tessarund.lnk ]] || fail "no Start menu entry in $start_menu" || return
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessarund' \
        /v UninstallString | tr -d '\r' | grep -F 'Tessarund\uninstall.exe' ||
        fail "no uninstall entry in the registry" || return
    installed=true
}

usage_text() {
    local status=0
    (cd "$install_dir" && timeout 60 wine vexalo.exe -h >"$work/usage.out" 2>"$work/usage.err") ||
        status=$?
    tr -d '\r' <"$work/usage.err" | tee "$artifacts/usage.txt"
    ((status == 0)) || fail "vexalo.exe -h exited with $status" || return
    [[ ! -s $work/usage.out ]] || fail "vexalo.exe -h wrote to standard output" || return
    tr -d '\r' <"$work/usage.err" | sed '1s/^Usage: .*vexalo\.exe$/Usage: PROGRAM/' >"$work/usage.got"
    printf 'Usage: PROGRAM\n\t%s\n\t%s\n' \
        "-l <Language> ............ Set display language" \
        "-h ....................... Print help (this message)" >"$work/usage.want"
    diff "$work/usage.want" "$work/usage.got" || fail "the usage text differs"
}

editor_pid=
start_editor() {
    (cd "$install_dir" && exec wine vexalo.exe >"$artifacts/$1.log" 2>&1) &
    editor_pid=$!
}

# Waits for the editor to end by itself; prints its exit status.
wait_editor() {
    local status=0
    for _ in $(seq 300); do
        kill -0 "$editor_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$editor_pid" 2>/dev/null; then
        kill "$editor_pid"
        echo "timeout"
        return
    fi
    wait "$editor_pid" || status=$?
    echo "$status"
}

# The id of the first window whose whole title is $1, waiting up to a minute for it.
find_window() {
    local pattern
    pattern="^$(sed 's/[]\\.[^$*+?(){}|]/\\&/g' <<<"$1")\$"
    timeout 60 xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -1
}

# A screenshot of one window, kept as an artifact.
screenshot() {
    local window=$1 file=$2 x y w h
    eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/\1=/p')"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
}

# Closes a window the way its title bar's close button does.
close_window() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers alt+F4
}

write_config() {
    mkdir -p "$(dirname "$config")"
    cat >"$config" <<'JSON'
{
    "net": [
        {
            "delay": 4000,
            "master_id": 7,
            "name": "COM13",
            "retries": 3,
            "tcus": [
                {
                    "submaster_id": 21
                },
                {
                    "delay": 900,
                    "retries": 2,
                    "submaster_id": 42
                }
            ],
            "type": "lrr"
        },
        {
            "name": "COM24",
            "type": "direct"
        }
    ]
}
JSON
    cp "$config" "$work/config.net.before"
}

window_over_config() {
    local window status text
    write_config
    start_editor editor-window
    window=$(find_window "$title") || true
    [[ -n $window ]] || { wait_editor >/dev/null; fail "no window titled \"$title\""; return; }
    sleep 2 # let the tree draw
    screenshot "$window" "$artifacts/editor-window.png"
    # The tree's port names, read back from the screen.
    convert "$artifacts/editor-window.png" -resize 300% -colorspace Gray "$work/ocr.png"
    text=$(tesseract "$work/ocr.png" - 2>/dev/null)
    echo "$text" >"$artifacts/editor-window.txt"
    close_window "$window"
    status=$(wait_editor)
    grep -qw COM13 <<<"$text" || fail "the window does not show port COM13 (see editor-window.png)" || return
    grep -qw COM24 <<<"$text" || fail "the window does not show port COM24 (see editor-window.png)" || return
    [[ $status == 0 ]] || fail "the editor did not end with status 0 when closed: $status" || return
    cmp "$work/config.net.before" "$config" || fail "closing the window changed config.net"
}

question_without_config() {
    local window status
    rm -f "$config"
    start_editor enquiry
    window=$(find_window Enquiry) || true
    [[ -n $window ]] || { wait_editor >/dev/null; fail "no \"Enquiry\" question at start-up"; return; }
    screenshot "$window" "$artifacts/enquiry.png"
    # Escape answers No: the editor then has nothing to edit and ends with status 1.
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    status=$(wait_editor)
    [[ $status == 1 ]] || fail "answering No ended the editor with status $status, not 1" || return
    [[ ! -e $config ]] || fail "answering No created config.net"
}

port_lister() {
    local output
    output=$(cd "$install_dir" && timeout 60 wine vexalo-ports.exe 2>&1 | tr -d '\r') || true
    echo "$output" | tee "$artifacts/vexalo-ports.txt"
    grep -qE '^COM1 +\\\\\.\\COM1 ' <<<"$output" || fail "vexalo-ports does not list COM1"
}

uninstall_silently() {
    # The uninstaller copies itself away and returns at once; the removal follows.
    timeout 60 wine "$install_dir/uninstall.exe" /S || fail "the uninstaller exited with $?" || return
    for _ in $(seq 120); do
        [[ -e $install_dir ]] || break
        sleep 0.5
    done
    wineserver -w
    [[ ! -e $install_dir ]] || { ls -R "$install_dir"; fail "$install_dir is still there"; return; }
    [[ ! -e $start_menu ]] || fail "the Start menu entry is still there" || return
    ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessarund' \
        >/dev/null 2>&1 || fail "the uninstall entry is still in the registry"
}

check "silent install" install_silently
check_installed "vexalo.exe -h" usage_text
check_installed "window over a prepared config.net" window_over_config
check_installed "start-up question without config.net" question_without_config
check_installed "vexalo-ports lists COM1" port_lister
check_installed "silent uninstall" uninstall_silently

echo "windows installer: $passed passed, $failed failed, $skipped skipped" \
    "($(($(date +%s) - started)) s in all; artifacts in $artifacts)"
((failed == 0 && skipped == 0))
