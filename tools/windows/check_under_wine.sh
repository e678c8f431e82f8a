#!/usr/bin/env bash
# Proves the Windows build on this machine with Debian's Wine:
#   1. the core tests, cross-built, pass under Wine;
#   2. the game from the zip, unpacked into a folder named with accents and
#      non-Latin letters, starts on a virtual screen, plays a new game with
#      keys to a won wild battle and closes with its game saved;
#   3. that saved game, loaded and saved by the Linux build, comes out byte
#      for byte the same; and the Linux build's file, loaded and saved by the
#      Windows build, too.
# Screenshots of the title and of the battle land in build-windows/.
#
#   tools/windows/check_under_wine.sh     after `make windows`; as root it
#                                         installs what it is missing
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-windows
cache=${ZORIKAN_WINDOWS_CACHE:-$HOME/.cache/zorikan-windows}
zip=$(ls "$out"/ZORIKAN-Simulator-*-windows-x64.zip 2>/dev/null | head -1)
[ -n "$zip" ] || { echo "No zip in build-windows/: run make windows first." >&2; exit 1; }

make -s -C "$root" deps PACKAGES="wine wine64 fonts-wine xvfb openbox xdotool x11-utils imagemagick"
make -s -C "$root" build > /dev/null  # the Linux game, for the saved games' round trip

export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
cleanup() {
  wineserver -k 2> /dev/null || true
  kill "${openbox:-}" "${xvfb:-}" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
step() { echo "== $*"; }
fail() {
  echo "FAILED: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$out/wine-failure.png" && echo "screen: $out/wine-failure.png" >&2
  exit 1
}

[ -d "$WINEPREFIX" ] || { step "Creating the Wine prefix"; wineboot --init > /dev/null 2>&1; }

step "Core tests under Wine"
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
# From the source folder, on Wine's drive for the whole file system, where
# the tests find the data file and the sources by their Linux paths.
tests_passed=yes
(cd "$root" && WINEPATH="$gcc_runtime;/usr/x86_64-w64-mingw32/lib" \
  wine "$out/build/tests/core_tests.exe" --gtest_brief=1 2>&1 | tr -d '\r' | tail -25) ||
  tests_passed=no

step "The game from the zip on a virtual screen"
folder="$work/Spiele Ørsted 冒険"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
game_dir=$(ls -d "$folder"/ZORIKAN-Simulator-*)
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox > /dev/null 2>&1 &
openbox=$!

# Waits for a window whose title matches, and gives it the keyboard.
window() {
  local id=""
  for _ in $(seq 1 120); do
    # Windows come and go meanwhile (the loader), so a search may fail once.
    id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1) || true
    [ -n "$id" ] && break
    sleep 0.5
  done
  [ -n "$id" ] || fail "no window \"$1\""
  xdotool windowactivate --sync "$id" 2> /dev/null || true
  sleep 0.5
  echo "$id"
}
keys() { xdotool key --delay 150 "$@"; }
type_text() { xdotool type --delay 60 "$1"; }
shot() { import -window root "$out/$1"; }

# Plays one wild battle with the first attack and ends it: the search, its
# box, F6 to the statistics window, the creature's box, "Choose ...?" Yes,
# the first attack checked (Down and Up again), Tab to "Go!" and Enter until
# "End Fight".
wild_battle() {
  keys alt+a; sleep 0.5; keys Down Right Return
  answer_box                  # "Select a ZORIKAN from the Statistics Window..."
  keys F6; sleep 0.7; keys Return
  answer_box                  # the creature's level and experience
  answer_box                  # "Choose ...?": Yes
  sleep 1
  keys Down Up Tab
  for turn in $(seq 1 30); do
    keys Return
    sleep 0.3
    if [ "$turn" = 2 ] && [ -n "${1:-}" ]; then shot "$1"; fi
  done
}
# Waits for a message box and presses its default button.
answer_box() {
  window "^ZORIKAN Simulator$" > /dev/null
  keys Return
  sleep 0.7
}
# The game's wins, from its saved game (the tenth line).
wins() { sed -n 10p "$1" | tr -d '\r'; }
# Closes the main window as its close box does, and waits for the game to end.
close_game() {
  xdotool windowactivate --sync "$1" 2> /dev/null || true
  keys alt+F4
  for _ in $(seq 1 30); do [ -s "$work/game.rc" ] && break; sleep 1; done
  [ "$(cat "$work/game.rc" 2> /dev/null)" = 0 ] || fail "the game did not end with 0"
}

(cd "$game_dir" && wine zorikan.exe > "$work/game.log" 2>&1; echo $? > "$work/game.rc") &
window "^ZORIKAN Simulator V4.1$" > /dev/null
shot wine-title.png
keys Return                                   # "Start a new game!"
window "^Save game as$" > /dev/null
type_text "$(winepath -w "$work/wine")"; keys Return
window "^Enter your name:$" > /dev/null
type_text "Wine"; keys Return
main=$(window "^ZORIKAN Simulator V4.1 - Wine ")
keys Down Return                              # the second starter
sleep 1
# Until a battle is won (a starter at level 5 may lose to a wild one), and a
# few screens of the battle on the way.
for battle in $(seq 1 8); do
  xdotool windowactivate --sync "$main" 2> /dev/null || true
  if [ "$battle" = 1 ]; then wild_battle wine-battle.png; else wild_battle; fi
  close_game "$main"
  saved=$(ls "$work"/wine.* | head -1)
  [ -s "$saved" ] || fail "no saved game written"
  [ "$(wins "$saved")" -ge 1 ] && break
  rm -f "$work/game.rc"
  (cd "$game_dir" && wine zorikan.exe "$(winepath -w "$saved")" > "$work/game.log" 2>&1
   echo $? > "$work/game.rc") &
  main=$(window "^ZORIKAN Simulator V4.1 - Wine ")
done
[ "$(wins "$saved")" -ge 1 ] || fail "no wild battle won in eight"
echo "saved after $battle battles: $(wc -l < "$saved") lines, all ending in CR LF: \
$([ "$(grep -c $'\r$' "$saved")" = "$(wc -l < "$saved")" ] && echo yes || echo no), wins $(wins "$saved")"
cp "$saved" "$work/wine.zgs"

step "The Windows game's file through the Linux game"
cp "$work/wine.zgs" "$work/linux.zgs"
touch -d 2000-01-01 "$work/linux.zgs"  # a rewrite shows in its date
QT_QPA_PLATFORM=offscreen "$root/build/zorikan" "$work/linux.zgs" 2> /dev/null &
linux=$!
sleep 3
kill -TERM "$linux"
wait "$linux" || fail "the Linux game did not end with 0"
[ "$(date -r "$work/linux.zgs" +%Y)" != 2000 ] || fail "the Linux game did not write the file"
cmp "$work/wine.zgs" "$work/linux.zgs" || fail "the Linux game wrote other bytes"
echo "identical bytes after a Linux load and save"

step "The Linux game's file through the Windows game"
cp "$work/linux.zgs" "$folder/Pässe ζ.zgs"
touch -d 2000-01-01 "$folder/Pässe ζ.zgs"
rm -f "$work/game.rc"
(cd "$game_dir" && wine zorikan.exe "$(winepath -w "$folder/Pässe ζ.zgs")" > "$work/game.log" 2>&1
 echo $? > "$work/game.rc") &
main=$(window "^ZORIKAN Simulator V4.1 - Wine \[Pässe ζ.zgs\]$")
close_game "$main"
[ "$(date -r "$folder/Pässe ζ.zgs" +%Y)" != 2000 ] || fail "the Windows game did not write the file"
cmp "$work/linux.zgs" "$folder/Pässe ζ.zgs" || fail "the Windows game wrote other bytes"
echo "identical bytes after a Windows load and save"

[ "$tests_passed" = yes ] || fail "core tests under Wine"
echo "All checks passed."
