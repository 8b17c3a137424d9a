#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tessarund, builds it and then either starts the editor or runs
# the whole test suite:
#   ./dev.sh run [editor options]   e.g. ./dev.sh run -l de
#   ./dev.sh test
#   ./dev.sh sanitize               the test suite built with the address and UB sanitizers
#   ./dev.sh package                the Debian package build/tessarund_VERSION_ARCH.deb
#   ./dev.sh windows                the Windows zip and installer in build-windows/ (see README)
set -euo pipefail

cd "$(dirname "$0")"
source_dir=$(pwd)
build_dir=${VEXALO_BUILD_DIR:-$source_dir/build}

packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    clang libclang-rt-14-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

build() {
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" -j "$(nproc)"
}

run_tests() {
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
run)
    install_missing_packages
    build
    # The editor finds its translation files beside itself, whatever the working directory.
    exec "$build_dir/vexalo" "$@"
    ;;
test)
    install_missing_packages
    build
    run_tests
    ;;
package)
    # dpkg-shlibdeps finds the package's dependencies; CPack recognises programs with file;
    # tests/package/check-deb.sh validates the desktop entry and the AppStream data.
    packages+=(dpkg-dev file desktop-file-utils appstream)
    install_missing_packages
    build
    (cd "$build_dir" && cpack)
    ;;
sanitize)
    install_missing_packages
    build_dir=${VEXALO_SANITIZE_BUILD_DIR:-$source_dir/build-sanitize}
    build -DVEXALO_SANITIZE=ON -DVEXALO_BUILD_BENCH=OFF -DVEXALO_FUZZ=OFF
    export LSAN_OPTIONS="suppressions=$source_dir/tests/leak-suppressions.txt:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1"
    run_tests
    ;;
windows)
    # Cross compilers, installer maker, and what the Wine check of the installer runs on.
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        perl python3 xz-utils ca-certificates nsis zip qttranslations5-l10n
        wine wine64 xvfb xdotool imagemagick tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu
        fonts-wine locales
    )
    install_missing_packages
    exec tools/windows/build-package.sh
    ;;
*)
    echo "usage: $0 run [editor options] | $0 test | $0 sanitize | $0 package | $0 windows" >&2
    exit 2
    ;;
esac
