#!/usr/bin/env bash
# How long the game takes from its launch to its title window, against an
# empty Qt window built in the same tree and measured the same way in the same
# run: the median of RUNS launches of each, taken in turns, on a private X
# display. Between them, the same way to a title window in plain Qt (a
# loader with text, painted, then a window of buttons) tells what that way
# costs in Qt itself from what the game adds. Needs xvfb and python3-xlib.
#   tools/measure/startup_time.sh [BUILD_DIR [RUNS]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-15}

command -v Xvfb > /dev/null || { echo "Xvfb is missing: apt-get install -y xvfb" >&2; exit 1; }
# The system's Python, where Debian installs python3-xlib, when the first on PATH lacks it.
python=python3
$python -c 'import Xlib' 2> /dev/null || python=/usr/bin/python3
$python -c 'import Xlib' 2> /dev/null || { echo "apt-get install -y python3-xlib" >&2; exit 1; }

cmake --build "$build" --target zorikan zorikan_empty_window zorikan_plain_start > /dev/null

# The X server picks a free display itself and names it once it is ready.
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$scratch/display" > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; wait $xvfb 2> /dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
n=$(cat "$scratch/display")

# A session bus as on a desktop (without one, the first program to ask for
# it would start one of its own), and no saved desktop settings: every
# launch meets the same session.
bus=()
if command -v dbus-run-session > /dev/null; then
  bus=(dbus-run-session --)
else
  echo "dbus-run-session is missing (apt-get install -y dbus): measuring without a session bus" >&2
fi
HOME="$scratch" DISPLAY=":$n" QT_QPA_PLATFORM=xcb "${bus[@]}" $python tools/measure/startup_time.py "$runs" \
  "Empty window" "$build/tools/zorikan_empty_window" \
  "Plain start" "$build/tools/zorikan_plain_start" \
  "ZORIKAN Simulator V4.1" "$build/zorikan"
