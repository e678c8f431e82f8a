#!/usr/bin/env bash
# Installs the given Debian package with apt-get and proves the installed game
# works: its libraries and Qt and GStreamer plug-ins resolve, its desktop entry
# and metainfo validate where they were installed, its icons are there, and the
# desktop menu's command shows the title window on a private X display.
# Runs on the target system as root; check_package.sh runs it here, and
# check_fresh_debian.sh runs it inside a freshly bootstrapped Debian.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 PACKAGE.deb" >&2
  exit 2
fi
deb=$(realpath "$1")
package=$(dpkg-deb -f "$deb" Package)
app_id=net.zorikan.simulator
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
# The package alone first, without recommended packages, so that whatever the
# game needs must come from its own Depends and not from the check tools.
apt-get install -y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends --reinstall "$deb"

executable=$(dpkg -L "$package" | grep -E '^/usr/(games|bin)/[^/]+$' | head -n 1)
[ -x "$executable" ] || fail "the package installs no executable under /usr/games or /usr/bin"

# Every shared library must resolve: ldd prints "not found" for each that does
# not, and a missing one would only show as a crash on a player's machine.
unresolved() {
  ldd "$1" 2>&1 | grep 'not found' || true
}
missing=$(unresolved "$executable")
[ -z "$missing" ] || fail "$executable cannot find: $missing"

# Qt loads its X11 platform plug-in and the music back end at run time, so
# ldd on the executable does not see what they need.
plugins=$(find /usr/lib -path '*/qt6/plugins/*' \
  \( -name libqxcb.so -o -name 'libqxcb-*integration.so' -o -name libgstreamermediaplugin.so \))
for name in libqxcb.so libgstreamermediaplugin.so; do
  grep -q "/$name\$" <<<"$plugins" || fail "the Qt plug-in $name is not installed"
done
for plugin in $plugins; do
  missing=$(unresolved "$plugin")
  [ -z "$missing" ] || fail "the Qt plug-in $plugin cannot find: $missing"
done

# With no display the xcb plug-in cannot connect, but Qt reports first whether
# it could load the plug-in at all (a missing symbol shows here, not in ldd).
load_log=$({
  ulimit -c 0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_DEBUG_PLUGINS=1 timeout 20 "$executable"
} 2>&1 || true)
if ! grep -q 'libqxcb\.so" loaded library' <<<"$load_log"; then
  grep -i -E 'cannot load|libqxcb' <<<"$load_log" >&2 || true
  fail "Qt could not load its xcb platform plug-in"
fi

# The GStreamer plug-ins that open and decode the music files (wav, mp3, wma
# in its ASF container, MIDI) and play them through the desktop's sound server.
# GStreamer's own core elements mark its plug-in folder.
core_elements=$(find /usr/lib -name libgstcoreelements.so | head -n 1)
[ -n "$core_elements" ] || fail "GStreamer is not installed"
gst_dir=$(dirname "$core_elements")
for name in playback typefindfunctions audioconvert audioresample autodetect pulseaudio \
  wavparse audioparsers mpg123 asf libav midi fluidsynthmidi; do
  plugin=$gst_dir/libgst$name.so
  [ -f "$plugin" ] || fail "the GStreamer plug-in $plugin is not installed"
  missing=$(unresolved "$plugin")
  [ -z "$missing" ] || fail "the GStreamer plug-in $plugin cannot find: $missing"
done

# MIDI is synthesised from a sound font, and the windows need a font to draw.
compgen -G '/usr/share/sounds/sf[23]/*.sf[23]' >/dev/null ||
  fail "no General MIDI sound font is installed"
[ -n "$(fc-list)" ] || fail "no font is installed"
[ -n "$(fc-list :lang=ru)" ] || fail "no font draws the Russian texts"
echo "The package's libraries, plug-ins and fonts are all installed."

# Only now the check tools. They come without recommended packages too, and
# xvfb-run needs xauth.
tools="xvfb xauth xdotool desktop-file-utils appstream"
# The installers stand beside this script in a bootstrapped system, in tools/
# of the source tree (tools/install/) otherwise.
installer="$(dirname "$0")/install_missing.sh"
[ -x "$installer" ] || installer="$(dirname "$0")/../tools/install/install_missing.sh"
# shellcheck disable=SC2086 # one word per package
"$installer" --no-recommends $tools

desktop-file-validate /usr/share/applications/$app_id.desktop ||
  fail "desktop-file-validate rejected the desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml ||
  fail "appstreamcli rejected the metainfo"
for size in 48x48 128x128 256x256; do
  test -s /usr/share/icons/hicolor/$size/apps/$app_id.png || fail "the $size icon is missing"
done
test -s /usr/share/icons/hicolor/scalable/apps/$app_id.svg || fail "the scalable icon is missing"

# The menu's command, without its field codes, run from a folder that holds
# no data file, so only the installed one can be found.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/$app_id.desktop | sed 's/ %[fFuU]//g')
cd "$(mktemp -d)"
xvfb-run -a bash -c "
  $command &
  game=\$!
  for _ in \$(seq 1 100); do
    if xdotool search --onlyvisible --name '^ZORIKAN Simulator V4.1\$' >/dev/null 2>&1; then
      echo 'The installed game started and shows its title window.'
      kill \$game
      exit 0
    fi
    sleep 0.1
  done
  kill \$game 2>/dev/null
  exit 1
" || fail "the installed game did not show its title window within 10 seconds"
