#!/usr/bin/env bash
# Proves the Debian package declares every package the game needs: bootstraps
# a minimal Debian 12 with nothing else installed, installs the package there
# with apt-get and runs check_installed.sh inside it, up to the title window.
# A development machine cannot show this, since it already has every library.
#
#   packaging/check_fresh_debian.sh [PACKAGE.deb]     (as root)
#
# Without an argument the package is built first with `make package`. The
# system is bootstrapped from the mirror this machine's apt uses, in a folder
# under /var/tmp (or WORK_PARENT) that is removed afterwards. A few hundred MB
# are downloaded; it takes several minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

suite=bookworm
work_parent=${WORK_PARENT:-/var/tmp}

if [ "$(id -u)" != 0 ]; then
  echo "FAILED: run as root (debootstrap, chroot and mount need it)." >&2
  exit 1
fi

if [ $# -ge 1 ]; then
  deb=$(realpath "$1")
else
  make package
  # shellcheck disable=SC2012 # our own file names; ls sorts them newest first
  deb=$(realpath "$(ls -t build-package/zorikan-simulator_*.deb | head -n 1)")
fi
[ -f "$deb" ] || { echo "FAILED: no package at $deb" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then
  tools/install/apt_install.sh debootstrap
fi

# The mirror URI for each suite, read from this machine's apt sources: the
# one-line sources.list format and the deb822 *.sources format.
sources_uris() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    # deb [options] URI suite components...
    sed -E -n 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+([^[:space:]]+).*/\3 \2/p' \
      "$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    # One stanza per paragraph; print "suite URI" for each suite of an
    # enabled stanza of binary packages.
    awk '
      function flush(   i, n, s) {
        if (types ~ /(^|[[:space:]])deb([[:space:]]|$)/ && tolower(enabled) != "no" && uri != "") {
          n = split(suites, s, /[[:space:]]+/)
          for (i = 1; i <= n; i++) if (s[i] != "") print s[i], uri
        }
        types = ""; uri = ""; suites = ""; enabled = ""
      }
      /^[[:space:]]*$/ { flush(); next }
      /^#/ { next }
      tolower($1) == "types:"   { $1 = ""; types = $0 }
      tolower($1) == "uris:"    { uri = $2 }
      tolower($1) == "suites:"  { $1 = ""; suites = $0 }
      tolower($1) == "enabled:" { enabled = $2 }
      END { flush() }
    ' "$file"
  done
}
uri_for() {
  sources_uris | awk -v suite="$1" '$1 == suite { print $2; exit }'
}
mirror=$(uri_for "$suite")
if [ -z "$mirror" ]; then
  echo "FAILED: this machine's apt sources list no mirror for $suite." >&2
  exit 1
fi
updates=$(uri_for "$suite-updates")
security=$(uri_for "$suite-security")

root=$(realpath "$(mktemp -d "$work_parent/zorikan-fresh-debian.XXXXXX")")
mounted=()
step="preparing the system"
# The folder becomes the system's /, which every user must be able to enter
# (apt downloads as its own user, for one).
chmod 755 "$root"

# Runs even when a step fails: stop what still runs inside the system, undo
# the mounts (the newest first), and remove the folder only once nothing of
# this machine is mounted inside it any more.
cleanup() {
  local status=$? pid i reason
  trap - EXIT INT TERM
  for pid in /proc/[0-9]*; do
    if [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ]; then
      kill -9 "${pid#/proc/}" 2>/dev/null || true
    fi
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  # The check's own reason, when it gave one, says best what failed.
  reason=$(grep '^FAILED: ' "$root/check.log" 2>/dev/null | tail -n 1 | sed 's/^FAILED: //' || true)
  if grep -q " $root/" /proc/mounts; then
    echo "Left $root in place: something is still mounted inside it." >&2
  else
    rm -rf --one-file-system "$root"
  fi
  if [ "$status" = 0 ]; then
    echo "SUCCESS: on a fresh Debian 12 the package installed with only its declared dependencies and the game showed its title window."
  else
    echo "FAILED on a fresh Debian 12 while $step${reason:+: $reason}" >&2
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
step="bootstrapping Debian $suite"
echo "== Bootstrapping a minimal Debian $suite into $root =="
debootstrap --variant=minbase "$suite" "$root" "$mirror"

{
  echo "deb $mirror $suite main"
  echo "deb ${updates:-$mirror} $suite-updates main"
  [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$root/etc/apt/sources.list"
# Package scripts must not start services inside the system.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

step="mounting /proc, /sys, /dev and /tmp inside the system"
mount_in() {
  mount "$@"
  mounted+=("${*: -1}")
}
mount_in -t proc proc "$root/proc"
mount_in -t sysfs sysfs "$root/sys"
mount_in --bind /dev "$root/dev"
# Mounts made inside the system must not spread back to this machine's /dev.
mount --make-rslave "$root/dev"
mount_in --bind /dev/pts "$root/dev/pts"
mount_in -t tmpfs tmpfs "$root/tmp"

mkdir -p "$root/root/check"
cp "$deb" packaging/check_installed.sh tools/install/install_missing.sh tools/install/apt_install.sh "$root/root/check/"

# A clean environment, so nothing of this machine's session (display, Qt
# settings) leaks into the check.
in_root() {
  env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive chroot "$root" "$@"
}
step="updating the package lists"
echo "== Updating the package lists =="
in_root apt-get update -qq
step="installing and checking the package"
echo "== Installing and checking $(basename "$deb") =="
in_root /root/check/check_installed.sh "/root/check/$(basename "$deb")" 2>&1 | tee "$root/check.log"
echo "The check took $(($(date +%s) - started)) seconds after the package was built."
