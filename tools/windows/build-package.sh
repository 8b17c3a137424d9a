#!/usr/bin/env bash
# Cross-builds the editor for 64-bit Windows against Qt for mingw-w64 (built first by
# build-qt.sh when its cache is missing) and packages it as a zip and an NSIS installer:
#   tools/windows/build-package.sh
# Output in build-windows/ (or VEXALO_WINDOWS_BUILD_DIR): tessarund-VERSION-windows.zip and
# tessarund-VERSION-setup.exe. Expects the Debian packages that ./dev.sh windows installs.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build_dir=${VEXALO_WINDOWS_BUILD_DIR:-$source_dir/build-windows}
qt_dir=$("$here/build-qt.sh" --dir)
jobs=${VEXALO_JOBS:-2}
# Debian's qttranslations5-l10n; .qm files are the same on every platform.
toolkit_translations=/usr/share/qt5/translations

"$here/build-qt.sh" "$qt_dir"

# The translations are compiled by the build machine's own Qt tools: the cross-built Qt has none.
linguist_dir=$(dirname "$(dpkg -L qttools5-dev | grep '/Qt5LinguistToolsConfig.cmake$')")
cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DQt5_DIR="$qt_dir/lib/cmake/Qt5" -DQt5LinguistTools_DIR="$linguist_dir" \
    -DVEXALO_BUILD_TESTS=OFF -DVEXALO_BUILD_BENCH=OFF
cmake --build "$build_dir" -j "$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
package=tessarund-$version
stage=$build_dir/stage/$package
# The toolchain file chooses the compiler, so CMake records it with the compiler's facts, not in
# the cache.
cxx=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$build_dir"/CMakeFiles/*/CMakeCXXCompiler.cmake)

# The mingw-w64 runtime the programs and Qt were linked with.
runtime_dll() {
    local path
    path=$("$cxx" -print-file-name="$1")
    [[ -f $path ]] || { echo "runtime library $1 not found by $cxx" >&2; exit 1; }
    echo "$path"
}

rm -rf "$build_dir/stage"
mkdir -p "$stage/platforms" "$stage/imageformats" "$stage/styles" "$stage/translations"
cp "$build_dir/vexalo.exe" "$build_dir/vexalo-net.exe" "$build_dir/tools/ports/vexalo-ports.exe" \
    "$build_dir"/vexalo_*.qm "$stage/"
cp "$qt_dir"/bin/Qt5{Core,Gui,Widgets}.dll "$stage/"
cp "$qt_dir/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt_dir/plugins/imageformats/qico.dll" "$stage/imageformats/"
cp "$qt_dir/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
# Qt's own texts in German: qt_de.qm loads the others named here and fails without any of them.
for catalog in qt qtbase qtscript qtmultimedia qtxmlpatterns; do
    cp "$toolkit_translations/${catalog}_de.qm" "$stage/translations/"
done
# Without qt.conf, Qt looks for its translations under the cross-build's prefix on the build
# machine; with it, in the program's translations folder.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(runtime_dll "$dll")" "$stage/"
done
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

zip_file=$build_dir/$package-windows.zip
rm -f "$zip_file"
(cd "$build_dir/stage" && zip -qr "$zip_file" "$package")
echo "== $zip_file"

# The installer's file lists, made from the staged folder so that the uninstaller removes
# exactly what was installed.
files=$build_dir/nsis
mkdir -p "$files"
(
    cd "$stage"
    current=
    find . -type f | sed 's|^\./||' | sort | while read -r file; do
        dir=$(dirname "$file")
        if [[ $dir != "$current" ]]; then
            [[ $dir == . ]] && printf 'SetOutPath "$INSTDIR"\n' ||
                printf 'SetOutPath "$INSTDIR\\%s"\n' "${dir//\//\\}"
            current=$dir
        fi
        printf 'File "%s"\n' "$stage/$file"
    done
) >"$files/install.nsh"
(
    cd "$stage"
    find . -type f | sed 's|^\./||' | sort | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
    done
    find . -depth -type d ! -name . | sed 's|^\./||' | while read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
) >"$files/uninstall.nsh"

installer=$build_dir/$package-setup.exe
makensis -V2 -DVERSION="$version" -DICON="$source_dir/res/vexalo.ico" -DSTAGE="$stage" \
    -DFILES="$files" -DOUTFILE="$installer" "$here/installer.nsi"
echo "== $installer"
