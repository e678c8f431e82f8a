#!/usr/bin/env bash
# Installs Debian packages with apt-get, as root, waiting for another package
# installation to finish instead of failing at once: apt-get waits for the
# package manager's lock itself, and the refresh of the package lists, whose
# lock apt-get does not wait for, is tried again while another holds it.
#
#   tools/install/apt_install.sh [apt-get install options] PACKAGE... | FILE.deb...
#   tools/install/apt_install.sh          only refreshes the package lists
#
# ZORIKAN_APT_WAIT (default 300) is how many seconds to wait for each lock.
set -euo pipefail

wait_seconds=${ZORIKAN_APT_WAIT:-300}
export DEBIAN_FRONTEND=noninteractive

# The package lists, refreshed once per call.
deadline=$((SECONDS + wait_seconds))
told=no
while ! errors=$(apt-get -qq -o DPkg::Lock::Timeout="$wait_seconds" update 2>&1 >/dev/null); do
  if ! grep -q 'Could not get lock' <<< "$errors" || [ "$SECONDS" -ge "$deadline" ]; then
    echo "$errors" >&2
    exit 1
  fi
  if [ "$told" = no ]; then
    echo "Waiting for another package installation to finish..." >&2
    told=yes
  fi
  sleep 3
done
[ -z "$errors" ] || echo "$errors" >&2

[ $# -gt 0 ] || exit 0
apt-get install -y -qq -o DPkg::Lock::Timeout="$wait_seconds" "$@"
