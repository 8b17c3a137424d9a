#!/usr/bin/env bash
# Builds the part of Qt 5.15.8 the editor needs (Core, Gui, Widgets, the windows platform plugin,
# the ico image plugin, the windowsvista style plugin and the host tools moc, uic, rcc, qmake) for
# x86_64-w64-mingw32, from Debian's qtbase source package. Run as root on Debian 12:
#   tools/windows/build-qt.sh [QT_DIR]
#   tools/windows/build-qt.sh --is-complete [QT_DIR]   only tells whether QT_DIR is ready (status)
#   tools/windows/build-qt.sh --dir                    only prints the folder QT_DIR defaults to
# QT_DIR defaults to $VEXALO_QT_DIR, else ~/.cache/tessarund/qt-5.15.8-mingw-w64. The marker written last names the
# parts the folder holds: a build with every part named here is reused; any other folder (an
# interrupted build, or one made before a part was added) is built again.
# Qt is built in place (prefix = build folder), so bin/qmake and lib/cmake work from there.
set -euo pipefail

qt_version=5.15.8
default_dir=${VEXALO_QT_DIR:-$HOME/.cache/tessarund/qt-$qt_version-mingw-w64}
only_check=false
case ${1:-} in
--dir)
    echo "$default_dir"
    exit
    ;;
--is-complete)
    only_check=true
    shift
    ;;
esac
qt_dir=${1:-$default_dir}
marker=$qt_dir/.tessarund-qt-complete
jobs=${VEXALO_JOBS:-2}
# What the marker records; change it whenever a part is added below.
parts="qt $qt_version: core gui widgets platform-windows imageformat-ico style-windowsvista"

is_complete() { [[ -f $marker && $(<"$marker") == "$parts" ]]; }

if $only_check; then
    is_complete
    exit
fi

# Qt's CMake files name every plugin it could build and refuse to load when one is missing:
# drop the ones that were not built. Also run on a finished cache, which an older version of this
# script left with them.
drop_unbuilt_plugins() {
    local config plugin
    for config in "$qt_dir"/lib/cmake/Qt5*/Qt5*_*Plugin.cmake; do
        [[ -f $config ]] || continue
        plugin=$(sed -n 's/^_populate_[A-Za-z]*_plugin_properties([A-Za-z0-9]* RELEASE "\([^"]*\)".*/\1/p' "$config")
        [[ -f $qt_dir/plugins/$plugin ]] || rm "$config"
    done
}

if is_complete; then
    drop_unbuilt_plugins
    echo "Qt $qt_version for mingw-w64 already built in $qt_dir"
    exit 0
elif [[ -f $marker ]]; then
    echo "Qt in $qt_dir was built with \"$(<"$marker")\", not \"$parts\": building it again"
fi

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        g++ make perl python3 xz-utils ca-certificates) missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

work=$(mktemp -d /tmp/tessarund-qt.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Only the source download sees the deb-src entry, and it keeps its package lists in the work
# folder: the system's own sources and lists stay as they are.
fetch_source() {
    local apt_options=(-o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=-
        -o Dir::State::Lists="$work/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
        -o APT::Sandbox::User=root)
    echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/sources.list"
    mkdir -p "$work/lists/partial" "$work/download"
    apt-get "${apt_options[@]}" update
    (cd "$work/download" && apt-get "${apt_options[@]}" source --download-only qtbase-opensource-src)
    local tarball
    tarball=$(ls "$work"/download/qtbase-opensource-src_"$qt_version"*.orig.tar.xz)
    tar -xJf "$tarball" -C "$work"
}

# The -posix compilers: their runtime supports std::thread, which Qt needs.
posix_compilers() {
    mkdir -p "$work/compilers"
    for tool in gcc g++ c++ cpp; do
        ln -s "$(command -v x86_64-w64-mingw32-$tool-posix)" "$work/compilers/x86_64-w64-mingw32-$tool"
    done
    export PATH="$work/compilers:$PATH"
}

elapsed() { echo "$(($(date +%s) - $1)) s"; }

install_missing_packages
posix_compilers
rm -rf "$qt_dir"
mkdir -p "$(dirname "$qt_dir")"

start=$(date +%s)
echo "== fetching qtbase-opensource-src $qt_version"
fetch_source
mv "$work/qtbase-everywhere-src-$qt_version" "$qt_dir"
echo "== fetch took $(elapsed "$start")"

build_start=$(date +%s)
cd "$qt_dir"
# configure builds qmake with plain make; this lets it use the same number of jobs.
export MAKEFLAGS=-j$jobs
# Debian's source lacks the tablet headers the windows plugin would use.
./configure -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -prefix "$qt_dir" -opensource -confirm-license -release -shared \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype \
    -no-sql-sqlite -no-feature-sql -no-feature-concurrent -no-feature-tabletevent
echo "== configure took $(elapsed "$build_start")"

make -j"$jobs" sub-src-qmake_all
make -C src -j"$jobs" sub-widgets-make_first
make -C src -j"$jobs" sub-platformsupport-make_first sub-winmain-make_first
make -C src/plugins/platforms -j"$jobs" sub-windows-make_first
make -C src/plugins/imageformats -j"$jobs" sub-ico-make_first
make -C src/plugins/styles -j"$jobs" sub-windowsvista-make_first
echo "== build took $(elapsed "$build_start")"

drop_unbuilt_plugins
# Object files are not needed to build against this Qt.
find "$qt_dir/src" -type d -name .obj -prune -exec rm -rf {} +
echo "$parts" >"$marker"
echo "== Qt $qt_version for mingw-w64 ready in $qt_dir ($(elapsed "$start") in all)"
