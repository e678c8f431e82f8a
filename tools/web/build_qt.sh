#!/usr/bin/env bash
# Builds Qt for WebAssembly once, into a cache outside the tree, from Debian's
# own source package of the Qt the Linux build uses: qtbase (Core, Gui, Widgets
# and the browser's platform plug-in), static, without threads, with asyncify
# so that a modal box can wait for the player, and with tools/web/patches/
# applied. The compiler is Debian's emscripten; the host tools (moc, rcc, uic)
# are those of Debian's Qt packages.
#
#   tools/web/build_qt.sh        prints the Qt folder when done
#
# ZORIKAN_WEB_CACHE (default ~/.cache/zorikan-web) holds the source, the build
# folder and the installed Qt. A later run with the same Qt version, the same
# emscripten, the same options and the same patches returns at once.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${ZORIKAN_WEB_CACHE:-$HOME/.cache/zorikan-web}
jobs=${JOBS:-$(nproc)}

base_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)
qt_version=${base_version%%+*}
qt_version=${qt_version%%-*}
qt=$cache/qt-$qt_version-wasm

# What the Qt in the cache was built from and how; a change rebuilds it.
options=(-qt-host-path /usr -platform wasm-emscripten -release -static
  -no-feature-thread -device-option QT_EMSCRIPTEN_ASYNCIFY=1
  -nomake examples -nomake tests -no-zstd
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-dbus
  -no-feature-printsupport -no-feature-testlib -no-feature-concurrent
  -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake)
recipe="qt6-base $base_version emscripten $emscripten_version
${options[*]}
$(cat "$here"/patches/*.patch)"
if [ -f "$qt/zorikan-recipe" ] && [ "$(cat "$qt/zorikan-recipe")" = "$recipe" ]; then
  echo "$qt"
  exit 0
fi

log() { echo "== $*" >&2; }
. "$here/../install/debian_source.sh"

# Qt's CMake finds emscripten through an SDK folder: a stand-in holds the
# SDK's configuration file and the links to Debian's emscripten it looks for.
emsdk=$cache/emsdk
mkdir -p "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$emsdk/.emscripten"
for tool in emcc em++ emar emranlib; do ln -sf "/usr/bin/$tool" "$emsdk/upstream/emscripten/$tool"; done
ln -sfn /usr/share/emscripten/cmake "$emsdk/upstream/emscripten/cmake"
export EMSDK=$emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs

mkdir -p "$cache/build"
rm -f "$qt/zorikan-recipe"

# The patches go onto a freshly unpacked source: one patched before with
# other patches is unpacked again first.
source=$(fetch_debian_source qt6-base "$base_version" "$cache/src")
patched=$(cat "$here"/patches/*.patch | sha256sum)
if [ "$(cat "$source/.zorikan-patches" 2>/dev/null)" != "$patched" ]; then
  if [ -f "$source/.zorikan-patches" ]; then
    rm -f "$source"/.unpacked-*
    source=$(fetch_debian_source qt6-base "$base_version" "$cache/src")
  fi
  for patch in "$here"/patches/*.patch; do
    log "Applying $(basename "$patch")"
    patch -d "$source" -p1 --quiet < "$patch"
  done
  echo "$patched" > "$source/.zorikan-patches"
fi

# Qt keeps each feature it worked out in the cache as if it had been asked
# for: a new recipe starts from a fresh cache (the objects are reused).
log "Building qtbase for WebAssembly (the first time takes 10 to 20 minutes on two cores)"
rm -f "$cache/build/qtbase/CMakeCache.txt"
mkdir -p "$cache/build/qtbase"
(cd "$cache/build/qtbase" && "$source/configure" -prefix "$qt" "${options[@]}") \
  > "$cache/build/qtbase-configure.log" 2>&1 ||
  { tail -40 "$cache/build/qtbase-configure.log" >&2; exit 1; }
ninja -C "$cache/build/qtbase" -j "$jobs" > "$cache/build/qtbase-build.log" ||
  { tail -40 "$cache/build/qtbase-build.log" >&2; exit 1; }
ninja -C "$cache/build/qtbase" install > /dev/null

echo "$recipe" > "$qt/zorikan-recipe"
echo "$qt"
