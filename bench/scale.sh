#!/usr/bin/env bash
# Time and peak memory of transposing a large song and writing its page and document, for
# songs of 5, 10 and 20 MB (the writers should grow linearly, the transposer stay small).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMELVANE_BENCH=ON -DMELVANE_TESTS=OFF -DMELVANE_GUI=OFF >/dev/null
cmake --build "$build" --target song_scale -j "$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for megabytes in 5 10 20; do
  song=$work/song-$megabytes.txt
  "$build/bench/song_scale" make "$song" "$megabytes"
  echo "== $megabytes MB"
  for operation in transpose html rtf; do
    best=""
    for round in 1 2 3; do
      line=$("$build/bench/song_scale" "$operation" "$song")
      best="$best"$'\n'"$line"
    done
    # The fastest of three rounds (the machine is shared).
    printf '%s\n' "$best" | sed '/^$/d' | sort -t: -k2 -n | head -n 1
  done
done
