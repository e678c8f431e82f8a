#!/usr/bin/env bash
# Builds the Debian package, then installs and checks it on this machine with
# check_installed.sh: its libraries and plug-ins resolve, its desktop entry and
# metainfo validate where they were installed, and the game started the way
# the desktop's menu does shows its title window on a private X display:
# proof that the installed game finds its data file. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

make package
# shellcheck disable=SC2012 # our own file names; ls sorts them newest first
deb=$(ls -t build-package/zorikan-simulator_*.deb | head -n 1)
packaging/check_installed.sh "$deb"
