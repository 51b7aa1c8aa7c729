#!/usr/bin/env bash
# Times the command-line batch against the file work it cannot avoid, side by side in one run:
#   html   melvane -h on every song
#   rtf    melvane -r on every song
#   cp     cp -r of the same songs into a fresh folder
#   files  batch_file_steps: read each song, write the temporary file, back up the old
#          document, copy the temporary file into place, delete it (no formatting)
# Each variant works on its own copy of the songs, after one untimed run so that every timed
# run finds the old documents and makes backups as a repeated batch does. Prints medians of
# the wall times, ratios to `files`, and the peak resident memory (/usr/bin/time -v).
#   bench/batch_vs_files.sh [songs] [lines per song] [rounds]     defaults: 2000 50 7
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
songs=${1:-2000}
lines=${2:-50}
rounds=${3:-7}
build=${MELVANE_BENCH_BUILD_DIR:-$root/build-bench}

if [ ! -x /usr/bin/time ]; then "$root/scripts/install-deps.sh" >&2; fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMELVANE_BENCH=ON -DMELVANE_TESTS=OFF \
  -DMELVANE_GUI=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target melvane make_batch_songs batch_file_steps >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
"$build/bench/make_batch_songs" "$work/corpus" "$songs" "$lines"
for variant in html rtf files; do cp -r "$work/corpus" "$work/$variant"; done

# The command of each variant, in the array `command`.
command_of() {
  case $1 in
    html) command=("$build/melvane" -h "$work/html/*.txt") ;;
    rtf) command=("$build/melvane" -r "$work/rtf/*.txt") ;;
    files) command=("$build/bench/batch_file_steps" "$work/files") ;;
    cp) command=(cp -r "$work/corpus" "$work/copy") ;;
  esac
}

# One run: wall time in microseconds from the clock around it, peak memory from time -v. The
# batch's lines go to /dev/null. Written data of the run before is flushed first (sync, not
# timed), so that no run pays for another's write-back.
measure() {
  local variant=$1 start end kib
  command_of "$variant"
  rm -rf "$work/copy"
  sync
  start=$(date +%s%N)
  /usr/bin/time -v -o "$work/time.txt" "${command[@]}" >/dev/null
  end=$(date +%s%N)
  kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
  echo "$variant $(((end - start) / 1000)) $kib" >>"$work/${2:-results}.txt"
}

for variant in html rtf files cp; do measure "$variant" warm-up; done
# The order turns round by round, so that no variant always follows the same one.
order=(html rtf cp files)
for ((round = 0; round < rounds; round++)); do
  for ((i = 0; i < 4; i++)); do measure "${order[(round + i) % 4]}"; done
done

size=$(du -sk "$work/corpus" | cut -f1)
echo "$songs songs of $lines lines ($size KiB), $rounds rounds, $(nproc) cores"
awk '
  { times[$1] = times[$1] " " $2; if ($3 > peak[$1]) peak[$1] = $3 }
  function median(list,   values, n, i, j, t) {
    n = split(list, values, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
      if (values[j] + 0 < values[i] + 0) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  END {
    base = median(times["files"])
    printf "| variant | median wall time | per song | ratio to files | peak memory |\n"
    printf "|---|---|---|---|---|\n"
    split("html rtf cp files", order, " ")
    for (k = 1; k <= 4; k++) {
      v = order[k]; m = median(times[v])
      printf "| %s | %.1f ms | %.1f us | %.2f | %d KiB |\n", v, m / 1000, m / '"$songs"', m / base, peak[v]
    }
  }' "$work/results.txt"
