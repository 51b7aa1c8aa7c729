// The chord-line test and line transposition over a generated song of a few thousand lines.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GeneratedSong.h"
#include "songtext/ChordLine.h"
#include "songtext/Transpose.h"

namespace {

std::int64_t TotalBytes(const std::vector<std::string>& lines) {
  std::int64_t bytes = 0;
  for (const std::string& line : lines) bytes += static_cast<std::int64_t>(line.size());
  return bytes;
}

void BM_IsChordLine(benchmark::State& state) {
  const std::vector<std::string> song = bench::GenerateSong(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    int chordLines = 0;
    for (const std::string& line : song) chordLines += IsChordLine(line) ? 1 : 0;
    benchmark::DoNotOptimize(chordLines);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(song.size()));
  state.SetBytesProcessed(state.iterations() * TotalBytes(song));
}
BENCHMARK(BM_IsChordLine)->Arg(4000);

void BM_TransposeLineText(benchmark::State& state) {
  const std::vector<std::string> song = bench::GenerateSong(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    for (const std::string& line : song) {
      std::string moved = TransposeLineText(line, 3, 1);
      benchmark::DoNotOptimize(moved.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(song.size()));
  state.SetBytesProcessed(state.iterations() * TotalBytes(song));
}
BENCHMARK(BM_TransposeLineText)->Arg(4000);

}  // namespace
