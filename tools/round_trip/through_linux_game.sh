#!/usr/bin/env bash
# A saved game written by another build of the game (Windows, the web page)
# loaded and saved by the Linux game: the Linux game must write the same
# bytes back, so that a game moves between the systems unchanged.
#
#   tools/round_trip/through_linux_game.sh SAVED_GAME COPY
#
# COPY (a new file) is where the Linux game writes, and it stays for the next
# step of the caller's check. Needs the Linux game in build/ (make build).
# Ends with 1, saying why, when the Linux game fails or writes other bytes.
set -euo pipefail

saved=$1 copy=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAILED: $*" >&2; exit 1; }

cp "$saved" "$copy"
touch -d 2000-01-01 "$copy"  # a rewrite shows in its date
QT_QPA_PLATFORM=offscreen "$root/build/zorikan" "$copy" 2> /dev/null &
linux=$!
sleep 3
kill -TERM "$linux"
wait "$linux" || fail "the Linux game did not end with 0"
[ "$(date -r "$copy" +%Y)" != 2000 ] || fail "the Linux game did not write the file"
cmp "$saved" "$copy" || fail "the Linux game wrote other bytes"
echo "identical bytes after a Linux load and save"
