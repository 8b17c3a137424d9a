#!/bin/bash
# Regenerates every image of res/ from the installed Tango icon theme and the
# drawings in src/. The results are committed, so a build never needs the theme.
# Needs: rsvg-convert (librsvg2-bin), icotool (icoutils), tango-icon-theme.
set -euo pipefail

cd "$(dirname "$0")"
readonly TANGO=/usr/share/icons/Tango

for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null || { echo "make-icons.sh: $tool is missing" >&2; exit 1; }
done
[[ -d $TANGO/scalable ]] || { echo "make-icons.sh: $TANGO is missing (tango-icon-theme)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() { # svg size png
    rsvg-convert --width "$2" --height "$2" --output "$3" "$1"
}

pack() { # name png...
    local name=$1
    shift
    icotool --create --bit-depth=32 --output "$name.ico" "$@"
}

# Tango ships hand-tuned bitmaps up to 32 px; 48 px is its scalable drawing.
from_theme() { # name theme-icon
    local name=$1 icon=$2
    render "$TANGO/scalable/$icon.svg" 48 "$work/$name-48.png"
    pack "$name" "$TANGO/16x16/$icon.png" "$TANGO/24x24/$icon.png" "$TANGO/32x32/$icon.png" \
        "$work/$name-48.png"
}

# src/NAME-SIZE.svg, where present, is a redrawing for that small size.
drawing_for() { # name size
    if [[ -f src/$1-$2.svg ]]; then echo "src/$1-$2.svg"; else echo "src/$1.svg"; fi
}

# A 256 px image goes in as PNG, as Windows expects it; the small ones as bitmaps.
drawn() { # name size...
    local name=$1 size png
    shift
    local images=()
    for size in "$@"; do
        png="$work/$name-$size.png"
        render "$(drawing_for "$name" "$size")" "$size" "$png"
        if ((size >= 256)); then images+=("--raw=$png"); else images+=("$png"); fi
    done
    pack "$name" "${images[@]}"
}

from_theme find actions/system-search
from_theme edit-copy actions/edit-copy
from_theme edit-cut actions/edit-cut
from_theme edit-paste actions/edit-paste
from_theme list-add actions/list-add
from_theme list-remove actions/list-remove
from_theme application-exit actions/system-log-out
from_theme dialog-cancel actions/process-stop
from_theme edit apps/accessories-text-editor
from_theme network-wired-3 devices/network-wired
from_theme network-wireless devices/network-wireless

drawn dialog-apply 16 24 32 48
drawn ignore 16 24 32 48
drawn usb 16 24 32 48
drawn device 16 24 32 48
drawn vexalo 16 24 32 48 256

render src/vexalo.svg 256 vexalo.png

# The desktop's icon theme takes the picture as PNG files by size, installed from hicolor/.
mkdir -p hicolor
for size in 16 32 48 64 128 256; do
    render "$(drawing_for vexalo "$size")" "$size" "hicolor/vexalo-$size.png"
done
