#!/usr/bin/env bash
# Cross-builds the game for 64-bit Windows against the Qt of build_qt.sh and
# packs what a player unzips and runs: zorikan.exe, ZORIGAME.dat, the music
# module, the Qt libraries and plug-ins the game loads, the MinGW run-time
# libraries and a short text on how to start it.
#
#   tools/windows/make_zip.sh QT_FOLDER     prints the zip's path
#
# The build folder is build-windows/build; the core tests (core_tests.exe)
# are built there too, for tools/windows/check_under_wine.sh.
set -euo pipefail

qt=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-windows
build=$out/build
jobs=${JOBS:-$(nproc)}
triple=x86_64-w64-mingw32

# ZORIGAME.dat is made by make_gamedata on this machine, from a native build.
cmake -S "$root" -B "$root/build" > /dev/null
cmake --build "$root/build" --target make_gamedata -j "$jobs" > /dev/null

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DZORIKAN_BUILD_BENCH=OFF \
  -DZORIKAN_MAKE_GAMEDATA="$root/build/data/make_gamedata" > /dev/null
cmake --build "$build" -j "$jobs" --target zorikan zorikan_music core_tests

version=$(sed -n 's/^project(ZorikanSimulator VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=ZORIKAN-Simulator-$version-windows-x64
stage=$out/$name
rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"
cp "$build/zorikan.exe" "$build/zorikan_music.dll" "$build/ZORIGAME.dat" "$stage/"
# The player's text, with Windows line ends.
sed 's/$/\r/' "$root/packaging/windows/README.txt" > "$stage/README.txt"

# The plug-ins, in the folders beside the executable where Qt looks first:
# the window system, the native look, and the music's Media Foundation back end.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll \
              multimedia/windowsmediaplugin.dll; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Every library these load, found by following their imports; Windows' own
# libraries are left out.
gcc_runtime=$(dirname "$($triple-g++-posix -print-libgcc-file-name)")
search=("$qt/bin" "$gcc_runtime" "/usr/$triple/lib")
imports() { "$triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
pending=("$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(imports "$file"); do
    [ -e "$stage/$dll" ] && continue
    for folder in "${search[@]}"; do
      if [ -f "$folder/$dll" ]; then
        cp "$folder/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done
done
# Smaller libraries: the debugging symbols stay in the build.
"$triple-strip" --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$out/$name.zip"
