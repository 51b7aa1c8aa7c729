#!/usr/bin/env bash
# Starts Melvane under a virtual X server and saves PNGs of its window: the main dialog, and
# the About box opened from the dialog's context menu. The settings live in a throwaway folder
# (the user's own remembered path is never read or changed). An example song is named on the
# command line, relative to the repository, so the status line shows its absolute path.
#
# Usage: scripts/screenshot.sh [output.png]   (default: build/screenshot.png; the About box
#        goes beside it as <name>-about.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MELVANE_BUILD_DIR:-$root/build}
out=${1:-$build/screenshot.png}
about=${out%.png}-about.png
[ -x "$build/melvane" ] || "$root/scripts/build.sh"

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The first free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export XDG_CONFIG_HOME=$work/config

(cd "$root" && QT_QPA_PLATFORM=xcb exec "$build/melvane" examples/amazing-grace.txt >"$work/melvane.log" 2>&1) &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Song Melvane' | head -n 1)
sleep 1
import -window "$window" "$out"
echo "Saved $out"

# The context menu's About entry, by keyboard: the menu key opens it, its mnemonic chooses it.
xdotool key --window "$window" --clearmodifiers Menu
sleep 0.5
xdotool key a
about_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Melvane$' | head -n 1)
sleep 1
import -window "$about_window" "$about"
echo "Saved $about"
xdotool key Return
sleep 0.3
xdotool key Escape
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then echo "Melvane did not close on Escape" >&2; exit 1; fi
app_pid=
