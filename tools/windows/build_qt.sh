#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once, into a cache outside the tree, from
# Debian's own source packages of the Qt the Linux build uses: qtbase (Core,
# Gui, Widgets, the Windows platform plug-in and styles, the image formats,
# and Network and Concurrent, which Multimedia needs) and qtmultimedia (the
# Windows Media Foundation back end).
# The host tools (moc, rcc, uic) are those of Debian's Qt packages.
#
#   tools/windows/build_qt.sh        prints the Qt folder when done
#
# ZORIKAN_WINDOWS_CACHE (default ~/.cache/zorikan-windows) holds the sources,
# the build folders and the installed Qt. A later run with the same Qt
# version and the same configuration returns at once.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${ZORIKAN_WINDOWS_CACHE:-$HOME/.cache/zorikan-windows}
jobs=${JOBS:-$(nproc)}

base_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
media_version=$(dpkg-query -W -f='${Version}' qt6-multimedia-dev)
qt_version=${base_version%%+*}
qt_version=${qt_version%%-*}
qt=$cache/qt-$qt_version-mingw

# What the Qt in the cache was built from and how; a change rebuilds it.
base_options=(
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_WITH_PCH=OFF
  -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF
  -DFEATURE_xml=OFF
  # Debian's source leaves out the tablet (Wintab) headers.
  -DFEATURE_tabletevent=OFF
)
# Qt looks for the Media Foundation libraries by their Windows names (Mf,
# Mfplat...); MinGW-w64 names its import libraries in lower case.
mingw_lib=/usr/x86_64-w64-mingw32/lib
media_options=(-DFEATURE_spatialaudio=OFF -DFEATURE_ffmpeg=OFF
  -DWMF_MF_LIBRARY=$mingw_lib/libmf.a -DWMF_MFPLAT_LIBRARY=$mingw_lib/libmfplat.a
  -DWMF_MFUUID_LIBRARY=$mingw_lib/libmfuuid.a -DWMF_MFCORE_LIBRARY=$mingw_lib/libmfcore.a
  -DWMF_PROPSYS_LIBRARY=$mingw_lib/libpropsys.a)
recipe="qt6-base $base_version qt6-multimedia $media_version
${base_options[*]} ${media_options[*]}
$(cat "$here/mingw-w64.cmake" "$here"/no-shader-tools/*)"
if [ -f "$qt/zorikan-recipe" ] && [ "$(cat "$qt/zorikan-recipe")" = "$recipe" ]; then
  echo "$qt"
  exit 0
fi

log() { echo "== $*" >&2; }

. "$here/../install/debian_source.sh"

mkdir -p "$cache/src" "$cache/build"
# Qt keeps each feature it worked out in the cache as if it had been asked
# for: a new recipe starts from fresh caches (the objects are reused).
rm -f "$cache"/build/*/CMakeCache.txt
cp "$here/mingw-w64.cmake" "$cache/mingw-w64.cmake"
rm -rf "$cache/no-shader-tools" && cp -r "$here/no-shader-tools" "$cache/"
rm -f "$qt/zorikan-recipe"

base_source=$(fetch_debian_source qt6-base "$base_version" "$cache/src")
media_source=$(fetch_debian_source qt6-multimedia "$media_version" "$cache/src")

log "Building qtbase for Windows (the first time takes about an hour on two cores)"
cmake -S "$base_source" -B "$cache/build/qtbase" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release \
  "${base_options[@]}" > "$cache/build/qtbase-configure.log"
ninja -C "$cache/build/qtbase" -j "$jobs" > "$cache/build/qtbase-build.log" ||
  { tail -40 "$cache/build/qtbase-build.log" >&2; exit 1; }
ninja -C "$cache/build/qtbase" install > /dev/null

# Its Windows sources name some headers as Windows spells them (Mferror.h,
# QUrl.h); MinGW-w64 and Qt ship them in lower case, so each gets an alias.
mingw_case=$cache/build/mingw-case
mkdir -p "$mingw_case"
grep -rhoE '#include [<"][A-Za-z0-9_]+\.h[>"]' "$media_source/src" | sed -E 's/#include [<"]//; s/[>"]//' |
  sort -u | while read -r header; do
    found=$(find /usr/share/mingw-w64/include "$qt/include" -maxdepth 2 -iname "$header" | head -1)
    if [ -n "$found" ] && [ "$(basename "$found")" != "$header" ]; then
      ln -sf "$found" "$mingw_case/$header"
    fi
  done

log "Building qtmultimedia for Windows"
cmake -S "$media_source" -B "$cache/build/qtmultimedia" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQt6ShaderTools_DIR="$cache/no-shader-tools" -DCMAKE_CXX_FLAGS="-isystem $mingw_case" \
  -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release \
  "${media_options[@]}" > "$cache/build/qtmultimedia-configure.log"
grep -q "Windows Media Foundation .* yes" "$cache/build/qtmultimedia/config.summary" ||
  { echo "Qt Multimedia found no Windows Media Foundation" >&2; exit 1; }
ninja -C "$cache/build/qtmultimedia" -j "$jobs" > "$cache/build/qtmultimedia-build.log" ||
  { tail -40 "$cache/build/qtmultimedia-build.log" >&2; exit 1; }
ninja -C "$cache/build/qtmultimedia" install > /dev/null

echo "$recipe" > "$qt/zorikan-recipe"
echo "$qt"
