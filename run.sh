#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Melvane.
#   ./run.sh -h 'songs/*.txt'   passes the arguments to the program (here: a web page per song)
#   ./run.sh                    writes the web page and the Word document of every example song
#                               into build/examples/ and says where they are
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=${MELVANE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh" >&2
"$root/scripts/build.sh" >&2

if (($# > 0)); then
  exec "$build/melvane" "$@"
fi

# The documents go beside copies of the songs, so the source tree stays clean. The set list is
# not a song.
out="$build/examples"
mkdir -p "$out"
for song in "$root"/examples/*.txt; do
  [ "$(basename "$song")" = SetList.txt ] || cp "$song" "$out/"
done
"$build/melvane" -h "$out/*.txt"
"$build/melvane" -r "$out/*.txt"
echo
echo "Web pages (.html) and Word documents (.rtf) of the example songs are in $out"
