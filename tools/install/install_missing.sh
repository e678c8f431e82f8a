#!/bin/sh
# Installs those of the given Debian packages that are not installed yet,
# through tools/install/apt_install.sh, which waits for another package installation
# instead of failing:
#   tools/install/install_missing.sh [--no-recommends] PACKAGE...
# --no-recommends leaves out the packages they only recommend. As another
# user than root it lists what to install and fails.
set -eu

recommends=""
if [ "${1:-}" = "--no-recommends" ]; then
  recommends="--no-install-recommends"
  shift
fi

missing=""
for p in "$@"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' ||
    missing="$missing $p"
done
[ -n "$missing" ] || exit 0

if [ "$(id -u)" != 0 ]; then
  echo "Missing packages. Run as root:"
  echo "  apt-get install -y$missing"
  exit 1
fi
echo "Installing:$missing"
# shellcheck disable=SC2086 # one word per package
"$(dirname "$0")/apt_install.sh" $recommends $missing
