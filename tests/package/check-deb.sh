#!/usr/bin/env bash
# Checks the Debian package that ./dev.sh package built: unpacked into a temporary root, exactly
# the expected files in their places, the desktop entry and AppStream data valid, and the
# unpacked editor, started from another folder, finding its German translation.
#   tests/package/check-deb.sh [build folder]
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-${VEXALO_BUILD_DIR:-$source_dir/build}}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
deb=$build_dir/tessarund_${version}_$(dpkg --print-architecture).deb

fail() {
    echo "check-deb: FAILED: $*" >&2
    exit 1
}

[[ -f $deb ]] || fail "$deb not found; run ./dev.sh package first"
work=$(realpath "$(mktemp -d)")
editor_pid=
cleanup() {
    [[ -n $editor_pid ]] && kill "$editor_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

root=$work/root
dpkg-deb -x "$deb" "$root"

expected=$(sort <<'LIST'
./usr/bin/vexalo
./usr/bin/vexalo-net
./usr/bin/vexalo-ports
./usr/share/applications/vexalo.desktop
./usr/share/icons/hicolor/128x128/apps/vexalo.png
./usr/share/icons/hicolor/16x16/apps/vexalo.png
./usr/share/icons/hicolor/256x256/apps/vexalo.png
./usr/share/icons/hicolor/32x32/apps/vexalo.png
./usr/share/icons/hicolor/48x48/apps/vexalo.png
./usr/share/icons/hicolor/64x64/apps/vexalo.png
./usr/share/icons/hicolor/scalable/apps/vexalo.svg
./usr/share/man/man1/vexalo-net.1.gz
./usr/share/man/man1/vexalo-ports.1.gz
./usr/share/man/man1/vexalo.1.gz
./usr/share/metainfo/example.tessarund.vexalo.metainfo.xml
./usr/share/vexalo/translations/vexalo_de_DE.qm
./usr/share/vexalo/translations/vexalo_en_US.qm
LIST
)
actual=$(cd "$root" && find . -type f | sort)
[[ $actual == "$expected" ]] || fail "files differ from the expected list:
$(diff <(echo "$expected") <(echo "$actual") || true)"

for program in vexalo vexalo-ports vexalo-net; do
    [[ -x $root/usr/bin/$program ]] || fail "$program is not executable"
done
for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/vexalo.png" |
        grep -q "PNG image data, $size x $size," || fail "the ${size}x$size icon has another size"
done
for page in vexalo vexalo-ports vexalo-net; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1" ||
        fail "manual page $page(1) is unreadable"
done
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt5widgets5' <<<"$depends" || fail "Depends lacks the Qt libraries: $depends"
# Without them Qt's own buttons and dialogs stay English on a German system.
recommends=$(dpkg-deb --field "$deb" Recommends)
grep -qw 'qttranslations5-l10n' <<<"$recommends" ||
    fail "Recommends lacks Qt's translations: $recommends"
desktop-file-validate "$root/usr/share/applications/vexalo.desktop" ||
    fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.tessarund.vexalo.metainfo.xml" ||
    fail "the AppStream data is not valid"

# The installed programs, started from a folder that holds no translation files.
elsewhere=$work/elsewhere
mkdir -p "$elsewhere/home"
cd "$elsewhere"
"$root/usr/bin/vexalo" -l de -h 2>usage.txt || fail "vexalo -l de -h did not exit with 0"
grep -qx "Usage: $root/usr/bin/vexalo" usage.txt || fail "vexalo -h printed: $(cat usage.txt)"
"$root/usr/bin/vexalo-ports" -h >/dev/null || fail "vexalo-ports -h did not exit with 0"
"$root/usr/bin/vexalo-net" -l de -h 2>net-usage.txt || fail "vexalo-net -l de -h did not exit with 0"
grep -q "^Aufruf: vexalo-net" net-usage.txt || fail "vexalo-net -l de -h printed: $(cat net-usage.txt)"

# Without a configuration the editor stops at its first question; its debug log has said by
# then which translation it loaded.
HOME=$elsewhere/home XDG_DATA_HOME=$elsewhere/home/share QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/vexalo" -l de 2>editor.log &
editor_pid=$!
loaded="Load translation from $root/usr/share/vexalo/translations/vexalo_de_DE.qm"
for _ in $(seq 100); do
    grep -qF "$loaded" editor.log && break
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.2
done
grep -qF "$loaded" editor.log || fail "the editor did not load the installed German translation:
$(cat editor.log)"
! grep -q 'Application translation file' editor.log || fail "missing translation: $(cat editor.log)"
kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
editor_pid=

echo "check-deb: $(basename "$deb") passed: files, desktop entry, AppStream data, German start"
