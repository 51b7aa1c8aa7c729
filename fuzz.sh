#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for SECONDS (default 60), seeded from the example songs and the test sheets.
# A crash leaves its input in build-fuzz/findings/<target>/ and fails the run.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")" && pwd)
build=$root/build-fuzz
"$root/scripts/install-deps.sh" >&2
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DMELVANE_FUZZ=ON -DMELVANE_SANITIZE=ON -DMELVANE_GUI=OFF \
  -DMELVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

seeds=$build/seeds
rm -rf "$seeds" && mkdir -p "$seeds"
# Seeds: every line of the example songs and test sheets, and the files whole.
for file in "$root"/examples/*.txt "$root"/tests/data/corpus/*.txt; do
  [ -f "$file" ] || continue
  cp "$file" "$seeds/$(basename "$file")"
  split -l 1 -a 4 "$file" "$seeds/$(basename "$file" .txt)-line-"
done

failed=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$build/corpus/$name
  findings=$build/findings/$name
  mkdir -p "$corpus" "$findings"
  echo "fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/" -print_final_stats=0 "$corpus" "$seeds" >"$build/$name.log" 2>&1; then
    echo "FAILED: $name (see $build/$name.log and $findings)"
    tail -n 30 "$build/$name.log"
    failed=1
  fi
done
exit $failed
