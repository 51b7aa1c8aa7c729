#pragma once
// A made-up song for benchmarks: title, section headings, chord lines over lyric lines (a few
// with inline chords or accented words), blank lines between verses. The same seed always
// gives the same text on every platform (a fixed linear congruential generator, no library
// distributions).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

class SongRandom {
 public:
  explicit SongRandom(std::uint32_t seed) : state_(seed) {}
  // 0 .. bound-1
  std::size_t Below(std::size_t bound) {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::size_t>((state_ >> 33) % bound);
  }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

 private:
  std::uint64_t state_;
};

inline std::string MakeChord(SongRandom& random) {
  static const char* const kRoots[] = {"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab"};
  static const char* const kQualities[] = {"", "", "", "m", "7", "m7", "maj7", "sus4", "add9", "dim", "6"};
  std::string chord = std::string(random.Pick(kRoots)) + random.Pick(kQualities);
  if (random.Below(8) == 0) {
    chord += '/';
    chord += random.Pick(kRoots);
  }
  return chord;
}

inline std::string MakeChordLine(SongRandom& random) {
  std::string line(random.Below(3), ' ');
  const std::size_t chords = 2 + random.Below(4);
  for (std::size_t i = 0; i < chords; ++i) {
    line += MakeChord(random);
    line.append(1 + random.Below(8), ' ');
  }
  if (random.Below(10) == 0) line += "(x2)";
  return line;
}

inline std::string MakeLyricLine(SongRandom& random) {
  static const char* const kWords[] = {"Amazing", "grace", "how", "sweet", "the", "sound", "that",
                                       "saved", "a", "wretch", "like", "me", "I", "once", "was", "lost",
                                       "but", "now", "am", "found", "Beside", "river", "caf\xC3\xA9",
                                       "night", "A", "Do", "Each", "gone"};
  std::string line;
  const std::size_t words = 4 + random.Below(6);
  for (std::size_t i = 0; i < words; ++i) {
    if (i != 0) line += ' ';
    if (random.Below(12) == 0) {
      line += '_';
      line += MakeChord(random);
      line += ' ';
    }
    line += random.Pick(kWords);
  }
  return line;
}

// About `lineCount` lines, without line ends.
inline std::vector<std::string> GenerateSong(std::size_t lineCount, std::uint32_t seed = 1) {
  static const char* const kHeadings[] = {"Verse 1", "Chorus", "Verse 2", "Bridge", "Intro: G C D", "N.C."};
  SongRandom random(seed);
  std::vector<std::string> lines = {"Generated Song", ""};
  while (lines.size() < lineCount) {
    lines.push_back(random.Pick(kHeadings));
    for (std::size_t pair = 0, pairs = 2 + random.Below(4); pair < pairs; ++pair) {
      lines.push_back(MakeChordLine(random));
      lines.push_back(MakeLyricLine(random));
    }
    lines.push_back("");
  }
  lines.resize(lineCount);
  return lines;
}

}  // namespace bench
