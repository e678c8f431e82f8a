# Debian's own source packages, fetched through the machine's Debian mirror
# and unpacked with Debian's patches applied. Sourced by the Qt builds for
# other platforms (tools/windows/build_qt.sh, tools/web/build_qt.sh).
#
#   fetch_debian_source PACKAGE VERSION FOLDER   prints the unpacked source

debian_source_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# A deb-src entry for the mirror the machine already installs from.
debian_source_entry() {
  . /etc/os-release
  local targets mirror
  targets=$(apt-get indextargets --format '$(TARGET_OF) $(RELEASE) $(COMPONENT) $(REPO_URI)')
  grep -q "^deb-src $VERSION_CODENAME main " <<< "$targets" && return
  mirror=$(sed -n "s|^deb $VERSION_CODENAME main ||p" <<< "$targets" | head -1)
  [ -n "$mirror" ] || { echo "No Debian mirror for $VERSION_CODENAME is configured." >&2; exit 1; }
  if [ "$(id -u)" != 0 ]; then
    echo "Qt's sources need a deb-src entry for $mirror. Run as root." >&2
    exit 1
  fi
  echo "== Adding a deb-src entry for $mirror" >&2
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
    "$mirror" "$VERSION_CODENAME" /usr/share/keyrings/debian-archive-keyring.gpg \
    > /etc/apt/sources.list.d/zorikan-deb-src.sources
  "$debian_source_tools/apt_install.sh"  # refreshes the package lists, waiting for their lock
}

fetch_debian_source() {  # package version folder -> prints the unpacked folder
  local package=$1 version=$2 into=$3 upstream=${2%-*}
  local folder=$into/$package-$upstream
  if [ ! -f "$folder/.unpacked-$version" ]; then
    echo "== Fetching the source of $package $version" >&2
    rm -rf "$folder"
    mkdir -p "$into"
    debian_source_entry
    (cd "$into" && apt-get source -qq "$package=$version" >&2)
    touch "$folder/.unpacked-$version"
  fi
  echo "$folder"
}
