#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a fresh prefix under Xvfb: silent install, the
# editor's usage text, its window over a prepared config.net at 96 and 192 dpi (every row read
# whole, twice the size at 192 dpi, the file unchanged when closed), its native style, the
# start-up question without config.net (No: an empty network, nothing written), on a German
# system its buttons and with -l de the window's texts in German, the port lister, and the
# uninstaller. Run as root on Debian 12 after tools/windows/build-package.sh:
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

source "$here/wine-prefix.sh"
wine_install_missing wine wine64 xvfb xdotool imagemagick tesseract-ocr tesseract-ocr-eng \
    tesseract-ocr-deu fonts-wine locales
wine_work_folder tessarund-installer
rm -rf "$artifacts"
mkdir -p "$artifacts"
started=$(date +%s)

fail() {
    echo "FAIL: $*"
    return 1
}

# Waits for every Wine process of the prefix to end, for at most 300 s.
wine_settle() {
    timeout 300 wineserver -w || fail "Wine's processes of the prefix were still running after 300 s"
}

# How a command run under "timeout $2" ended, with status $1.
ended() {
    if (($1 == 124)); then
        echo "did not end within $2 s"
    else
        echo "exited with $1"
    fi
}

echo "== Xvfb and a fresh wine prefix"
# At 192 dpi the editor's window is 1600x1200 pixels.
Xvfb -displayfd 3 -screen 0 2048x1600x24 -nolisten tcp 3>"$work/display" 2>"$artifacts/xvfb.log" &
wine_helper_pids+=($!)
# Xvfb writes its display number once it takes connections.
wait_for "Xvfb's display number (see xvfb.log)" 60 test -s "$work/display" || exit 1
export DISPLAY=:$(cat "$work/display")
wine_new_prefix "$artifacts/wineboot.log"

# The screen's resolution in dots per inch for the programs started after it, kept in screen_dpi.
screen_dpi=96
set_dpi() {
    screen_dpi=$1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wine_settle
}

# The checks read the window back by OCR, which misreads the serif face a fresh prefix falls back
# to at 96 dpi ("comi3" for COM13). The prefix draws its dialog font in Wine's own Tahoma instead,
# as Windows maps it: at 96 dpi without smoothing, so its strokes stay black for OCR. A check runs
# at 192 dpi unless it says otherwise.
readable_display() {
    local font
    cp /usr/share/wine/fonts/tahoma.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    for font in "MS Shell Dlg" "MS Shell Dlg 2"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$font" /t REG_SZ /d Tahoma /f >/dev/null
    done
    set_dpi 192
}
readable_display

# A German system for the editor runs given german as their environment. The locale is made in
# the work folder, so that the machine's own locales stay as they are.
mkdir -p "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>"$artifacts/localedef.log" || true
[[ -d $work/locales/de_DE.UTF-8 ]] || { cat "$artifacts/localedef.log"; exit 1; }
german=(LOCPATH="$work/locales" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)

program_files=$(winepath -u 'C:\Program Files' | sed 's|/$||')
install_dir=$program_files/Tessarund
local_app_data=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')" | sed 's|/$||')
config=$local_app_data/quarntcu/config.net
editor_lock=$local_app_data/vexalo/config.lock
start_menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' | sed 's|/$||')/Tessarund
wine_settle
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

# Wine's errors of each installer run go to install.log. One CI run saw the installer end with
# status 1 at once, before it installed anything, in a prefix that ran it fine when tried again;
# such an attempt is said and made once more, anything else fails.
run_installer() {
    WINEDEBUG=err+all timeout 300 wine "$installer" /S >>"$artifacts/install.log" 2>&1
}

install_silently() {
    [[ -f $installer ]] || fail "no installer at $installer" || return
    local status=0
    run_installer || status=$?
    if ((status != 0)) && [[ ! -e $install_dir ]]; then
        echo "the installer $(ended $status 300) and installed nothing (see install.log); again"
        wine_settle || return
        status=0
        run_installer || status=$?
    fi
    ((status == 0)) || fail "the installer $(ended $status 300)" || return
    wine_settle || return
    # Everything of the package, byte for byte, and nothing else but the uninstaller.
    diff -r "$build_dir/stage/tessarund-$version" "$install_dir" >"$work/install.diff" || true
    if [[ "$(cat "$work/install.diff")" != "Only in $install_dir: uninstall.exe" ]]; then
        cat "$work/install.diff"
        fail "the installed folder differs from the package"
        return
    fi
    start_menu_entries || return
    uninstall_entry || return
    installed=true
}

# The editor's entry and one for each language, which starts it with that language's option.
start_menu_entries() {
    local entry option
    for entry in "Tessarund" "Tessarund auf Deutsch:-l de" "Tessarund in English:-l en"; do
        option=${entry#*:}
        entry=${entry%%:*}
        [[ -f $start_menu/$entry.lnk ]] || fail "no Start menu entry \"$entry\" in $start_menu" ||
            return
        [[ $option == "$entry" ]] || tr -d '\0' <"$start_menu/$entry.lnk" | grep -qaF -- "$option" ||
            fail "the Start menu entry \"$entry\" does not pass $option" || return
    done
}

# What "Apps & features" shows: the uninstaller, version, publisher and size (in KiB, as the
# installed files add up, within 1 %).
uninstall_entry() {
    local values size files
    values=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessarund' |
        tr -d '\r' | tee "$artifacts/uninstall-entry.txt")
    grep -qF 'Tessarund\uninstall.exe' <<<"$values" || fail "no uninstall entry in the registry" ||
        return
    grep -qE "^ +DisplayVersion +REG_SZ +$version\$" <<<"$values" ||
        fail "the uninstall entry lacks DisplayVersion $version" || return
    grep -qE '^ +Publisher +REG_SZ +Tessarund developers$' <<<"$values" ||
        fail "the uninstall entry lacks the publisher" || return
    size=$(sed -n 's/^ *EstimatedSize *REG_DWORD *0x\([0-9a-fA-F]*\)$/\1/p' <<<"$values")
    [[ -n $size ]] || fail "the uninstall entry has no EstimatedSize" || return
    size=$((16#$size))
    files=$(find "$install_dir" -type f -printf '%s\n' | awk '{ sum += $1 } END { print int(sum / 1024) }')
    echo "EstimatedSize $size KiB, installed files $files KiB"
    ((size * 100 >= files * 99 && size * 100 <= files * 101)) ||
        fail "EstimatedSize $size KiB is not the installed files' $files KiB"
}

usage_text() {
    local status=0
    (cd "$install_dir" && timeout 60 wine vexalo.exe -h >"$work/usage.out" 2>"$work/usage.err") ||
        status=$?
    tr -d '\r' <"$work/usage.err" | tee "$artifacts/usage.txt"
    ((status == 0)) || fail "vexalo.exe -h $(ended $status 60)" || return
    [[ ! -s $work/usage.out ]] || fail "vexalo.exe -h wrote to standard output" || return
    tr -d '\r' <"$work/usage.err" | sed '1s/^Usage: .*vexalo\.exe$/Usage: PROGRAM/' >"$work/usage.got"
    printf 'Usage: PROGRAM\n\t%s\n\t%s\n' \
        "-l <Language> ............ Set display language" \
        "-h ....................... Print help (this message)" >"$work/usage.want"
    diff "$work/usage.want" "$work/usage.got" || fail "the usage text differs"
}

# Starts the installed editor with the options after $1 and editor_env added to its environment;
# its output and debug log go to $1.log. A Windows program without a console sends its debug log
# to the debugger unless QT_FORCE_STDERR_LOGGING is set; under Wine its standard error is the
# script's, apart from Wine's own messages (unlike the debugger text that WINEDEBUG=+debugstr
# shows). Wine keeps Unix variables named QT_* from Windows programs and passes WINEQT_* on as
# QT_*, so the variable is set under that name.
editor_pid=
editor_env=()
editor_log=
start_editor() {
    editor_log=$artifacts/$1.log
    shift
    (cd "$install_dir" && exec env WINEQT_FORCE_STDERR_LOGGING=1 "${editor_env[@]}" \
        wine vexalo.exe "$@" >"$editor_log" 2>&1) &
    editor_pid=$!
}

# Starts the editor with start_editor's arguments after $1 and sets editor_window to its first
# window titled $1. On a busy machine Wine at times creates no window at all for a program, which
# the editor's log then says; such a start is said, ended, kept as ...-failed.log and made once
# more.
editor_window=
start_editor_window() {
    local title=$1 attempt
    shift
    for attempt in 1 2; do
        start_editor "$@"
        editor_window=$(find_window "$title") && return
        end_editor
        no_window_created || break
        mv "$editor_log" "${editor_log%.log}-failed.log"
        echo "Wine created no window for the editor (see $1-failed.log)"
    done
    fail "no window titled \"$title\""
}

no_window_created() {
    grep -q 'Failed to create platform window' "$editor_log"
}

editor_ended() {
    ! kill -0 "$editor_pid" 2>/dev/null
}

# Waits up to 120 s for the editor to end by itself and sets editor_status to its exit status,
# or ends it and sets "timeout". A variable, not output: a command substitution's subshell
# cannot wait for the editor.
editor_status=
wait_editor() {
    if ! wait_for "the editor to end after its window was closed" 120 editor_ended; then
        end_editor
        editor_status=timeout
        return
    fi
    editor_status=0
    wait "$editor_pid" || editor_status=$?
}

# Ends an editor that a failed check leaves running, so that the next checks start clean. Its lock
# goes too: Wine gives the next editor the same process id, so the lock would look held.
end_editor() {
    kill "$editor_pid" 2>/dev/null || true
    wait "$editor_pid" 2>/dev/null || true
    rm -f "$editor_lock"
}

# Sets found_window to the id of the first visible window whose title matches $1. A search fails
# outright when a window it is looking at goes away meanwhile, which Wine's short-lived windows
# at start-up do; it is then simply made again.
found_window=
window_matching() {
    found_window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [[ -n $found_window ]]
}

# Sets found_window like window_matching $1, and succeeds without one once the editor's log says
# that Wine created no window for it.
window_or_none() {
    window_matching "$1" || no_window_created
}

# The id of the first visible window whose whole title is $1, waiting up to two minutes for it.
find_window() {
    local pattern
    pattern="^$(sed 's/[]\\.[^$*+?(){}|]/\\&/g' <<<"$1")\$"
    wait_for "a visible window titled \"$1\"" 120 window_or_none "$pattern" &&
        [[ -n $found_window ]] && echo "$found_window"
}

# A screenshot of one window, kept as an artifact.
screenshot() {
    local window=$1 file=$2 X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/\1=/p')"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
}

# Gives window $1 the keyboard, waiting up to 60 s for it to take it.
focus_window() {
    timeout 60 xdotool windowfocus --sync "$1" ||
        fail "window $1 did not take the keyboard focus within 60 s"
}

# Closes a window the way its title bar's close button does.
close_window() {
    focus_window "$1" || return
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

# The text of screenshot $1 at screen_dpi, kept in $2 (beside it by default); the image
# operations after $2 are applied before OCR reads it. Only near-black text stays. Icons go
# whole, black bits included: they are found as grey or coloured areas some pixels thick, which
# a line of text never is, and whitened with their surroundings up to the gap before a name,
# since OCR reads an icon's remains as letters and then drops the dot of "7.21". A check may set
# ocr_language.
ocr_language=eng
screen_text() {
    local image=$1 text=${2:-${1%.png}.txt} scale=$((screen_dpi / 96))
    shift $(($# < 2 ? $# : 2))
    convert "$image" \
        \( +clone -fuzz 30% -fill black -opaque black -fuzz 12% -fill black -opaque white \
        -fill white +opaque black -morphology Open "Disk:$scale" \
        -morphology Dilate "Disk:$((3 * scale))" \) \
        \( -clone 0 -fuzz 30% -fill white +opaque black \) \
        -delete 0 -evaluate-sequence max -colorspace gray "$@" \
        -filter Mitchell -resize $((200 / scale))% -bordercolor white -border 20 "$work/ocr.png"
    tesseract "$work/ocr.png" - --psm 6 -l "$ocr_language" 2>/dev/null | tee "$text"
}

# Keeps a screenshot of window $1 as $2.png and sets window_text to what it shows; succeeds when
# that has the word $3.
window_text=
window_shows() {
    screenshot "$1" "$artifacts/$2.png"
    window_text=$(screen_text "$artifacts/$2.png")
    grep -qw -- "$3" <<<"$window_text"
}

# Waits for the editor's window and for it to show the word $2, keeps a screenshot of it as
# $1.png, sets window_text to what it shows and window_size to its size (WIDTHxHEIGHT), then
# closes it and waits for the editor to end.
window_size=
read_and_close_window() {
    local window
    window=$(find_window "$title") || true
    [[ -n $window ]] || { end_editor; fail "no window titled \"$title\""; return; }
    wait_for "the window to show \"$2\" (see $1.png)" 60 window_shows "$window" "$1" "$2" || true
    window_size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    close_window "$window" || { end_editor; return 1; }
    wait_editor
}

# The rows of the prepared network as the window shows them, in English and with -l de: the
# port column, a tab, the properties column.
rows_en=($'COM13\tLRR ID: 7, retries: 3, delay: 4000'
    $'7.21\tretries: 3 (inherit), delay: 4000 (inherit)'
    $'7.42\tretries: 2, delay: 900'
    $'COM24\tDirect TCU')
rows_de=($'COM13\tLRR-ID: 7, Wiederholungen: 3, Verzögerung: 4000'
    $'7.21\tWiederholungen: 3 (geerbt), Verzögerung: 4000 (geerbt)'
    $'7.42\tWiederholungen: 2, Verzögerung: 900'
    $'COM24\tDirekte TCU')

# Succeeds when a line of the window's text read last has text $1 and after it text $2, both
# whole. Spaces count on neither side, since OCR reads "LRR ID" as "LRRID".
line_has() {
    local line first=${1// /} second=${2// /}
    while IFS= read -r line; do
        line=${line// /}
        [[ $line == *"$first"*"$second"* ]] && return
    done <<<"$window_text"
    return 1
}

# Fails unless the window's text read last (screenshot $1.png) shows every row after $1 whole,
# both columns on one line, and no line of it ends in an ellipsis, which marks a text cut to fit
# its column.
rows_in_full() {
    local shot=$1 row
    shift
    for row in "$@"; do
        line_has "${row%%$'\t'*}" "${row#*$'\t'}" ||
            fail "the row \"${row/$'\t'/ | }\" is not read in full (see $shot.png)" || return
    done
    ! grep -qE '(…|\.\.\.) *$' <<<"$window_text" || fail "a row ends in \"…\" (see $shot.png)"
}

# The window over the prepared config.net at $1 dpi: every row whole, and closing it leaves the
# file as it was. Its size is kept in window_sizes for the comparison of the scales.
declare -A window_sizes
window_over_config() {
    local dpi=$1
    set_dpi "$dpi" || return
    write_config
    start_editor_window "$title" "editor-window-$dpi" || return
    read_and_close_window "editor-window-$dpi" COM24 || return
    window_sizes[$dpi]=$window_size
    echo "window at $dpi dpi: $window_size"
    rows_in_full "editor-window-$dpi" "${rows_en[@]}" || return
    [[ $editor_status == 0 ]] || fail "the editor did not end with status 0 when closed: $editor_status" || return
    cmp "$work/config.net.before" "$config" || fail "closing the window changed config.net"
}

# At 192 dpi the window is twice as wide and high as at 96 dpi, within 4 pixels.
window_scales() {
    local small=${window_sizes[96]:-} large=${window_sizes[192]:-}
    [[ -n $small && -n $large ]] ||
        fail "a window's size is missing: \"$small\" at 96 dpi, \"$large\" at 192 dpi" || return
    echo "$small at 96 dpi, $large at 192 dpi"
    local width=$((${large%x*} - 2 * ${small%x*})) height=$((${large#*x} - 2 * ${small#*x}))
    ((width >= -4 && width <= 4 && height >= -4 && height <= 4)) ||
        fail "the window at 192 dpi is not twice its size at 96 dpi"
}

# The style plugin is installed and the editor's debug log names the style it uses.
native_style() {
    local style
    [[ -f $install_dir/styles/qwindowsvistastyle.dll ]] ||
        fail "no styles/qwindowsvistastyle.dll in $install_dir" || return
    style=$(tr -d '\r' <"$artifacts/editor-window-192.log" | sed -n 's/^Style //p' | head -1)
    [[ -n $style ]] || fail "the debug log names no style (see editor-window-192.log)" || return
    echo "the editor's style: $style"
    [[ $style == windowsvista ]] || fail "the editor uses the style \"$style\", not windowsvista"
}

# Answering No starts the editor on an empty network and writes nothing, also when the window is
# closed. On a German system ($1 de) Qt's own buttons read Ja and Nein; the question itself is
# the editor's, in English without -l de.
question_without_config() {
    local question question_text button_text yes=Yes no=No suffix='' editor_env=()
    if [[ $1 == de ]]; then
        yes=Ja no=Nein suffix=-de editor_env=("${german[@]}")
    fi
    set_dpi 192 || return
    rm -f "$config"
    start_editor_window Enquiry "enquiry$suffix" || return
    question=$editor_window
    wait_for "the question to show \"$no\" (see enquiry$suffix.png)" 60 \
        window_shows "$question" "enquiry$suffix" "$no" || true
    # The box wraps its text: one line of words to match.
    question_text=$(tr -s ' \n' '  ' <<<"$window_text")
    # The focused button's text sits in a dotted frame that OCR reads as letters. At 192 dpi its
    # dots are squares of two pixels, alone among white, which a 3x3 median drops while the
    # letters' strokes stay.
    button_text=$(screen_text "$artifacts/enquiry$suffix.png" "$artifacts/enquiry$suffix-buttons.txt" \
        -statistic median 3x3)
    # N is the mnemonic of No and of Nein.
    focus_window "$question" || { end_editor; return 1; }
    xdotool key n
    read_and_close_window "empty-network$suffix" Properties || return
    grep -qF "Create default network configuration file?" <<<"$question_text" ||
        fail "the question is not the one about creating the file (see enquiry$suffix.png)" ||
        return
    grep -qw "$yes" <<<"$button_text" && grep -qw "$no" <<<"$button_text" ||
        fail "the question's buttons do not read $yes and $no (see enquiry$suffix.png)" || return
    # The header shows that the text was read; no port shows under it.
    grep -qw Properties <<<"$window_text" ||
        fail "no tree header read (see empty-network$suffix.png)" || return
    ! grep -qiE 'COM[0-9]|auto' <<<"$window_text" ||
        fail "the tree is not empty after No (see empty-network$suffix.png)" || return
    [[ $editor_status == 0 ]] || fail "the editor did not end with status 0 when closed: $editor_status" || return
    [[ ! -e $config ]] || fail "answering No created config.net"
}

# With -l de the window's own texts are German; its screenshot at 192 dpi is the README's.
german_window() {
    local editor_env=("${german[@]}") ocr_language=deu
    set_dpi 192 || return
    write_config
    start_editor_window "$title" editor-window-de -l de || return
    read_and_close_window editor-window-de COM24 || return
    grep -qw Eigenschaften <<<"$window_text" ||
        fail "the tree's header is not German (see editor-window-de.png)" || return
    rows_in_full editor-window-de "${rows_de[@]}" || return
    [[ $editor_status == 0 ]] || fail "the editor did not end with status 0 when closed: $editor_status"
}

port_lister() {
    local output
    output=$(cd "$install_dir" && timeout 60 wine vexalo-ports.exe 2>&1 | tr -d '\r') || true
    echo "$output" | tee "$artifacts/vexalo-ports.txt"
    grep -qE '^COM1 +\\\\\.\\COM1 ' <<<"$output" || fail "vexalo-ports does not list COM1"
}

# The prepared file checks as it loads, named by its path and as "config": its counts, status 0.
net_check() {
    local output status=0
    write_config
    output=$(cd "$install_dir" &&
        timeout 60 wine vexalo-net.exe check "$(winepath -w "$config")" config 2>&1) || status=$?
    output=$(tr -d '\r' <<<"$output")
    echo "$output" | tee "$artifacts/vexalo-net.txt"
    [[ $status == 0 ]] || fail "vexalo-net check exited with $status" || return
    [[ $(grep -c ': 2 ports, 2 devices$' <<<"$output") == 2 ]] ||
        fail "vexalo-net check did not count the prepared file twice"
}

uninstall_silently() {
    # The uninstaller copies itself away and returns at once; the removal follows.
    local status=0
    timeout 60 wine "$install_dir/uninstall.exe" /S || status=$?
    ((status == 0)) || fail "the uninstaller $(ended $status 60)" || return
    wait_for "$install_dir to go" 180 test ! -e "$install_dir" || true
    wine_settle || return
    [[ ! -e $install_dir ]] || { ls -R "$install_dir"; fail "$install_dir is still there"; return; }
    [[ ! -e $start_menu ]] || fail "the Start menu entry is still there" || return
    ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessarund' \
        >/dev/null 2>&1 || fail "the uninstall entry is still in the registry"
}

check "silent install" install_silently
check_installed "vexalo.exe -h" usage_text
check_installed "window over a prepared config.net at 96 dpi" window_over_config 96
check_installed "window over a prepared config.net at 192 dpi" window_over_config 192
check_installed "the window twice the size at 192 dpi" window_scales
check_installed "native style" native_style
check_installed "start-up question without config.net" question_without_config en
check_installed "start-up question on a German system" question_without_config de
check_installed "window in German with -l de" german_window
check_installed "vexalo-ports lists COM1" port_lister
check_installed "vexalo-net checks the prepared file" net_check
check_installed "silent uninstall" uninstall_silently

echo "windows installer: $passed passed, $failed failed, $skipped skipped" \
    "($(($(date +%s) - started)) s in all; artifacts in $artifacts)"
((failed == 0 && skipped == 0))
