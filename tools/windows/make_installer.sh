#!/usr/bin/env bash
# Builds the Windows installer from the folder make_zip.sh packed, with
# Debian's NSIS and packaging/windows/installer.nsi. The installer and its
# uninstaller name every file they handle, so the lists of the folder's files
# are written here, beside the installer.
#
#   tools/windows/make_installer.sh [FOLDER [VERSION]]   prints the installer's path
#
# FOLDER defaults to the one make_zip.sh leaves in build-windows/, VERSION to
# the project's.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
version=${2:-$(sed -n 's/^project(ZorikanSimulator VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")}
stage=$(cd "${1:-$root/build-windows/ZORIKAN-Simulator-$version-windows-x64}" && pwd)
out=$(dirname "$stage")
lists=$out/installer-$version
setup=$out/ZORIKAN-Simulator-$version-windows-x64-setup.exe

rm -rf "$lists"
mkdir -p "$lists"
# Everything the folder holds but the zip's own text for the player, which
# speaks of unzipping.
files=$(cd "$stage" && find . -type f ! -path ./README.txt | sed 's|^\./||' | LC_ALL=C sort)
# shellcheck disable=SC2086 # one file a word
folders=$(dirname $files | LC_ALL=C sort -u)
windows() { tr / '\\' <<< "$1"; }
for folder in $folders; do
  if [ "$folder" = . ]; then echo 'SetOutPath "$INSTDIR"'; else echo "SetOutPath \"\$INSTDIR\\$(windows "$folder")\""; fi
  for file in $files; do
    [ "$(dirname "$file")" = "$folder" ] && echo "File \"$stage/$file\""
  done
done > "$lists/install_files.nsh"
{
  for file in $files; do echo "Delete \"\$INSTDIR\\$(windows "$file")\""; done
  # The deepest folders first; the game's own folder is the script's.
  for folder in $(LC_ALL=C sort -r <<< "$folders"); do
    [ "$folder" = . ] || echo "RMDir \"\$INSTDIR\\$(windows "$folder")\""
  done
} > "$lists/uninstall_files.nsh"

# The picture beside the first and last pages: the game's icon on the yellow
# of its title window.
convert -size 164x314 xc:'#fff04a' "$root/packaging/icons/net.zorikan.simulator-128.png" \
  -gravity north -geometry +0+56 -composite BMP3:"$lists/side.bmp"

size_kb=$(cd "$stage" && du -sk --apparent-size $files | awk '{ total += $1 } END { print total }')
makensis -V2 -NOCD -DVERSION="$version" -DOUTFILE="$setup" -DFILES="$lists" -DSIZE_KB="$size_kb" \
  -DICON="$root/packaging/windows/zorikan.ico" \
  -DSIDE_PICTURE="$lists/side.bmp" "$root/packaging/windows/installer.nsi" >&2
echo "$setup"
