#!/bin/sh
# Installs those of the given Debian packages that are not installed yet:
#   tools/install_missing.sh [--no-recommends] package...
# --no-recommends leaves out the packages they only recommend. Another
# apt-get holding the package manager's lock is waited for, not failed on.
# As another user than root it lists what to install and fails.
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
lock="-o DPkg::Lock::Timeout=900"
# shellcheck disable=SC2086 # one word per package and option
apt-get $lock update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive apt-get $lock install -y -qq $recommends $missing
