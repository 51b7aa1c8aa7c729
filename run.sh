#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Melvane.
#   ./run.sh -h 'songs/*.txt'   passes the arguments to the program (here: a web page per song)
#   ./run.sh                    opens the window on a copy of an example song (build/examples/);
#                               without a display it writes the example songs' web pages and
#                               Word documents there instead and says where they are
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=${MELVANE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh" >&2
"$root/scripts/build.sh" >&2

if (($# > 0)); then
  exec "$build/melvane" "$@"
fi

# The example songs are copied into the build folder, so that whatever the user does with them
# (transposing, copying, documents) leaves the source tree as it is. The set list comes along.
out="$build/examples"
mkdir -p "$out"
cp -n "$root"/examples/*.txt "$out/" 2>/dev/null || true

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/melvane" "$out/amazing-grace.txt"
fi

# No display: show what the batch makes of the examples instead.
echo "No display is available, so the window cannot open; writing the example documents instead." >&2
songs=()
for song in "$out"/*.txt; do
  [ "$(basename "$song")" = SetList.txt ] || songs+=("$song")
done
for song in "${songs[@]}"; do "$build/melvane" -h "$song"; done
for song in "${songs[@]}"; do "$build/melvane" -r "$song"; done
echo
echo "Web pages (.html) and Word documents (.rtf) of the example songs are in $out"
