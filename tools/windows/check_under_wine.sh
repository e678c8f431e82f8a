#!/usr/bin/env bash
# Proves the Windows build on this machine with Debian's Wine:
#   1. the core tests, cross-built, pass under Wine;
#   2. the game from the zip, unpacked into a folder named with accents and
#      non-Latin letters, starts on a virtual screen, plays a new game with
#      keys to a won wild battle and closes with its game saved;
#   3. that saved game, loaded and saved by the Linux build, comes out byte
#      for byte the same; and the Linux build's file, loaded and saved by the
#      Windows build, too; a second copy on that saved game is refused and
#      ends with 1, and a battle played before the game is killed stays in it;
#   4. the installer, in a fresh Wine prefix: a version installed over an
#      older one for the current user, its Start-menu entry and saved-game
#      file type read back from the registry and the folders, a saved game
#      opened through the registered command, a silent uninstall that leaves
#      the saved games and nothing else; then the same for all users, with
#      the saved game opened as a double-click does, through the file type.
# Screenshots of the title and of the battle land in build-windows/.
#
#   tools/windows/check_under_wine.sh             after `make windows`; as root
#                                                 it installs what it is missing
#   tools/windows/check_under_wine.sh installer   the installer's checks alone
set -euo pipefail
only=${1:-all}

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-windows
cache=${ZORIKAN_WINDOWS_CACHE:-$HOME/.cache/zorikan-windows}
zip=$(ls "$out"/ZORIKAN-Simulator-*-windows-x64.zip 2>/dev/null | head -1)
setup=$(ls "$out"/ZORIKAN-Simulator-*-windows-x64-setup.exe 2>/dev/null | head -1)
[ -n "$zip" ] && [ -n "$setup" ] ||
  { echo "No zip or installer in build-windows/: run make windows first." >&2; exit 1; }

make -s -C "$root" deps PACKAGES="wine wine64 fonts-wine xvfb openbox xdotool x11-utils imagemagick nsis"
[ "$only" = installer ] ||
  make -s -C "$root" build > /dev/null  # the Linux game, for the saved games' round trip

# Wine's menu builder stays off: it would copy the installer's entries into
# this machine's own desktop menus.
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
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

# The display for the games and their windows.
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

# The installer's checks. Wine keeps its registry by the key; reg_value
# prints one value of a key ("" for the key's default value), or nothing.
reg_value() {
  local name=(/v "$2")
  [ -n "$2" ] || name=(/ve)
  wine reg query "$1" "${name[@]}" 2> /dev/null | tr -d '\r' |
    sed -nE 's/^    .*    REG_[A-Z_]+    ?//p' | head -1
}
reg_show() { wine reg query "$1" /s 2> /dev/null | tr -d '\r' | sed '/^$/d'; }
no_key() { ! wine reg query "$1" > /dev/null 2>&1 || fail "the key $1 is still there"; }
windows_folder() { wine cmd /c echo "%$1%" 2> /dev/null | tr -d '\r'; }
# Runs an installer or uninstaller and waits for it and all it started.
run_silently() {
  local status=0
  wine "$@" > /dev/null 2>&1 || status=$?
  [ "$status" = 0 ] || fail "$* ended with $status"
  timeout 120 wineserver -w || fail "$1 did not end"
}
# Runs a registered command line, program in quotes and its arguments.
run_command_line() {
  local program=${1#\"}
  program=${program%%\"*}
  # shellcheck disable=SC2086 # the arguments are single words
  run_silently "$program" ${1#\""$program"\" }
}
# A saved game of one creature, for the player Wine.
write_saved_game() {
  {
    echo VERSION2SAVEFILEIDENTIFIER
    echo Wine
    printf 'FALSE\n%.0s' 1 2 3 4 5
    printf '%s\n' 0 500 0 0 0 0 3 0 0 0 0 0 TRUE
    printf 'FALSE\n%.0s' $(seq 2 386)
    printf '%s\n' 1 5 125
    printf '0\n0\n0\n%.0s' $(seq 2 10000)
  } | sed 's/$/\r/' > "$1"
}
# Waits for the game's main window on a saved game, shows its caption and the
# program behind it, and closes it as its close box does: the game writes the
# saved game back, which its date shows.
open_and_close() {  # saved game, the folder the game must run from
  local id pid program
  id=$(window "^ZORIKAN Simulator V4.1 - Wine \[$(basename "$1")\]$")
  pid=$(xprop -id "$id" _NET_WM_PID | sed 's/.* = //')
  program=$(tr '\0' ' ' < "/proc/$pid/cmdline" | sed 's/ *$//')
  echo "window: $(xdotool getwindowname "$id")"
  echo "program: $program"
  [[ "$program" == "$2\\zorikan.exe "* ]] || fail "the game did not run from $2"
  keys alt+F4
  for _ in $(seq 1 30); do
    xdotool search --name "^ZORIKAN Simulator V4.1 - " > /dev/null 2>&1 || break
    sleep 1
  done
  ! xdotool search --name "^ZORIKAN Simulator V4.1 - " > /dev/null 2>&1 || fail "the game did not close"
  timeout 60 wineserver -w || true
  [ "$(date -r "$1" +%Y)" != 2000 ] || fail "the game did not write $(basename "$1") back"
}
# Checks what an installation added, for the current user (HKCU) or for all
# users (HKLM), and prints it.
check_installed() {  # root key, Start-menu folder variable
  local root=$1 folder
  install_win=$(reg_value "$root\\$app_key" InstallFolder)
  [ -n "$install_win" ] || fail "no installation folder in $root\\$app_key"
  install=$(winepath -u "$install_win" 2> /dev/null)
  if [ ! -f "$install/zorikan.exe" ] || [ ! -f "$install/ZORIGAME.dat" ]; then
    fail "no game in $install_win"
  fi
  echo "folder: $install_win, $(find "$install" -type f | wc -l) files"
  folder=$(windows_folder "$2")
  shortcut="$(winepath -u "$folder" 2> /dev/null)/Microsoft/Windows/Start Menu/Programs/ZORIKAN Simulator.lnk"
  [ -f "$shortcut" ] || fail "no Start-menu entry in $folder"
  echo "Start menu: $folder\\Microsoft\\Windows\\Start Menu\\Programs\\ZORIKAN Simulator.lnk"
  reg_show "$root\\$classes\\.zgs"
  reg_show "$root\\$classes\\$progid"
  reg_show "$root\\$uninstall_key"
  [ "$(reg_value "$root\\$classes\\.zgs" "")" = "$progid" ] || fail ".zgs is not the game's"
  [ "$(reg_value "$root\\$classes\\$progid" "")" = "ZORIKAN saved game" ] || fail "the file type's name"
  [ "$(reg_value "$root\\$classes\\$progid\\DefaultIcon" "")" = "\"$install_win\\zorikan.exe\",0" ] ||
    fail "the file type's icon"
  [ "$(reg_value "$root\\$classes\\$progid\\shell\\open\\command" "")" = \
    "\"$install_win\\zorikan.exe\" \"%1\"" ] || fail "the file type's command"
  for value in DisplayName DisplayVersion Publisher EstimatedSize DisplayIcon UninstallString; do
    [ -n "$(reg_value "$root\\$uninstall_key" "$value")" ] || fail "no $value in Apps & features"
  done
  [ "$(reg_value "$root\\$uninstall_key" DisplayVersion)" = "$version" ] || fail "not version $version"
}
# Uninstalls silently as Apps & features would, and checks that the game's
# files, its Start-menu entry and its keys are gone, and the saved games not.
check_uninstalled() {  # root key
  local command left
  command=$(reg_value "$1\\$uninstall_key" QuietUninstallString)
  echo "uninstalling: $command"
  run_command_line "$command"
  left=$( (cd "$install" 2> /dev/null && find . -mindepth 1) || true)
  [ "$left" = "${2:-}" ] || fail "left in $install_win: ${left:-nothing}"
  [ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
  for key in "$classes\\.zgs" "$classes\\$progid" "$uninstall_key" "$app_key"; do
    no_key "$1\\$key"
  done
  for saved in "$saves"/*.zgs ${2:+"$install/${2#./}"}; do
    cmp "$saved" "$work/kept/$(basename "$saved")" || fail "$(basename "$saved") changed"
  done
  echo "left: ${left:-no file} in the game's folder; no key of the game; the saved games unchanged"
}

check_installer() {
  app_key='Software\ZORIKAN Simulator'
  uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORIKAN Simulator'
  classes='Software\Classes'
  progid=ZORIKAN.SavedGame
  version=$(basename "$setup" | sed -E 's/^ZORIKAN-Simulator-(.*)-windows-x64-setup\.exe$/\1/')
  saves="$work/Spielstände ∂"
  mkdir -p "$saves" "$work/kept"
  write_saved_game "$saves/Doppelklick ß.zgs"

  step "The installer in a fresh Wine prefix: a newer version over an older one, for the current user"
  wineserver -k 2> /dev/null || true
  export WINEPREFIX=$work/prefix
  wineboot --init > /dev/null 2>&1
  # The older version, with a library the newer one no longer has.
  older=$work/older/ZORIKAN-Simulator-0.9-windows-x64
  mkdir -p "$work/older"
  cp -r "$out/ZORIKAN-Simulator-$version-windows-x64" "$older"
  echo "of an older version" > "$older/retired.dll"
  "$root/tools/windows/make_installer.sh" "$older" 0.9 > /dev/null 2>&1
  run_silently "$work/older/ZORIKAN-Simulator-0.9-windows-x64-setup.exe" /S
  [ "$(reg_value "HKCU\\$uninstall_key" DisplayVersion)" = 0.9 ] || fail "version 0.9 is not installed"
  older_folder=$(reg_value "HKCU\\$app_key" InstallFolder)
  [ -f "$(winepath -u "$older_folder" 2> /dev/null)/retired.dll" ] || fail "version 0.9 has no retired.dll"
  echo "version 0.9 installed in $older_folder"
  run_silently "$setup" /S
  check_installed HKCU APPDATA
  [ "$install_win" = "$older_folder" ] || fail "version $version went to $install_win, not in place"
  [ ! -e "$install/retired.dll" ] || fail "the older version's retired.dll stayed"
  [ "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2> /dev/null |
       grep -c 'ZORIKAN')" = 1 ] || fail "more than one entry in Apps & features"
  echo "version $version replaced version 0.9 in place: retired.dll gone, one entry in Apps & features"

  step "A saved game through the current user's file type"
  # Wine's HKEY_CLASSES_ROOT shows only the file types of all users, so the
  # current user's registered command line runs as Explorer would run it.
  command=$(reg_value "HKCU\\$classes\\$progid\\shell\\open\\command" "")
  touch -d 2000-01-01 "$saves/Doppelklick ß.zgs"
  program=${command#\"}
  program=${program%%\"*}
  (wine "$program" "$(winepath -w "$saves/Doppelklick ß.zgs")" > /dev/null 2>&1 &)
  open_and_close "$saves/Doppelklick ß.zgs" "$install_win"

  step "A silent uninstall for the current user"
  cp "$saves/Doppelklick ß.zgs" "$install/Im Spielordner.zgs"
  cp "$saves"/*.zgs "$install/Im Spielordner.zgs" "$work/kept/"
  check_uninstalled HKCU "./Im Spielordner.zgs"
  rm -rf "$install"

  step "The installer for all users, and a saved game double-clicked"
  run_silently "$setup" /S /AllUsers
  check_installed HKLM ProgramData
  [ "$install_win" = "$(windows_folder ProgramFiles)\\ZORIKAN Simulator" ] ||
    fail "all users' game not in Program Files"
  no_key "HKCU\\$uninstall_key"
  no_key "HKCU\\$classes\\.zgs"
  echo "HKEY_CLASSES_ROOT\\.zgs: $(reg_value 'HKCR\.zgs' '')"
  touch -d 2000-01-01 "$saves/Doppelklick ß.zgs"
  # As Explorer does on a double-click: the file, opened through its type.
  (wine start /unix "$saves/Doppelklick ß.zgs" > /dev/null 2>&1 &)
  open_and_close "$saves/Doppelklick ß.zgs" "$install_win"

  step "A silent uninstall for all users"
  cp "$saves"/*.zgs "$work/kept/"
  check_uninstalled HKLM
}

if [ "$only" = installer ]; then
  check_installer
  echo "All checks passed."
  exit 0
fi

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
"$root/tools/round_trip/through_linux_game.sh" "$work/wine.zgs" "$work/linux.zgs" ||
  fail "the Windows game's file did not come through the Linux game"

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

step "One copy per saved game, and a killed copy's play kept"
start_on() {  # file name: the Windows game on a saved game; its exit code lands in NAME.rc
  # (set -e would end the subshell at a game that ends with 1, before its code is kept.)
  (cd "$game_dir" || exit
   status=0
   wine zorikan.exe "$(winepath -w "$1")" > "$work/$2.log" 2>&1 || status=$?
   echo "$status" > "$work/$2.rc") &
}
fights() { sed -n 12p "$1" | tr -d '\r'; }
kept="$folder/Pässe ζ.zgs"
rm -f "$work/game.rc" "$work/second.rc"
start_on "$kept" game
main=$(window "^ZORIKAN Simulator V4.1 - Wine \[Pässe ζ.zgs\]$")
fights_before=$(fights "$kept")
start_on "$kept" second
# Its box: "This saved game is already open in another ZORIKAN Simulator
# window." Its loader has the box's title, so Return goes to whichever shows
# until the copy has ended.
for _ in $(seq 1 60); do
  [ -s "$work/second.rc" ] && break
  box=$(xdotool search --onlyvisible --name "^ZORIKAN Simulator$" 2> /dev/null | head -1) || true
  if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" 2> /dev/null || true
    keys Return
  fi
  sleep 1
done
second_rc=$(cat "$work/second.rc" 2> /dev/null) || true
[ "$second_rc" = 1 ] ||
  fail "a second copy on the same saved game ended with \"$second_rc\", not 1: $(cat "$work/second.log")"
xdotool windowactivate --sync "$main" 2> /dev/null || true
wild_battle
sleep 2
# Ended as a crash or a power cut ends it: the battle is in the file already.
pkill -KILL -f 'zorikan[.]exe' || true
for _ in $(seq 1 30); do [ -s "$work/game.rc" ] && break; sleep 1; done
[ "$(fights "$kept")" -gt "$fights_before" ] || fail "the battle before the kill is not in the saved game"
rm -f "$work/game.rc"
start_on "$kept" game
main=$(window "^ZORIKAN Simulator V4.1 - Wine \[Pässe ζ.zgs\]$")
close_game "$main"
! ls -A "$folder" | grep -q '[.]lock$' || fail "a lock file is left beside the saved game"
echo "a second copy refused, the play before a kill kept, nothing left beside the game"

check_installer

[ "$tests_passed" = yes ] || fail "core tests under Wine"
echo "All checks passed."
