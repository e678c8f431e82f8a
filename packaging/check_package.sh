#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, validates its desktop
# entry and metainfo where they were installed, and starts the game the way
# the desktop's menu does, on a private X display, until its title window
# shows: proof that the installed game finds its data file. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

tools="xvfb xdotool desktop-file-utils appstream"
missing=$(for p in $tools; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || echo "$p"
done)
if [ -n "$missing" ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi

make package
deb=$(ls -t build-package/zorikan-simulator_*.deb | head -n 1)
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb"

app_id=net.zorikan.simulator
desktop-file-validate /usr/share/applications/$app_id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml
for size in 48x48 128x128 256x256; do
  test -s /usr/share/icons/hicolor/$size/apps/$app_id.png
done
test -s /usr/share/icons/hicolor/scalable/apps/$app_id.svg

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
  echo 'The installed game did not show its title window within 10 seconds.' >&2
  kill \$game 2>/dev/null
  exit 1
"
