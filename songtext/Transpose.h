#pragma once
// Moving chord roots by semitones and spelling them with sharps or flats, keeping every chord
// above its column.
#include <array>
#include <string>
#include <string_view>

class BufferedOutput;

extern const std::array<std::string_view, 12> FlatNames;
extern const std::array<std::string_view, 12> SharpNames;

// The new name of a root, or the name unchanged when it is in neither table.
std::string TransposeNoteName(std::string_view note, int steps, int useSharps);

struct ChordToken {
  std::string text;       // the chord without slash and bass, plus one space when two follow
  bool hasSlash = false;  // the walk stopped at '/'
};
ChordToken ExtractChordToken(std::string_view line, std::size_t start);

// The rewritten chord at `index` (a root letter); on return `index` is the last character of
// the line used for this chord.
std::string TransposeChordAt(std::string_view line, std::size_t& index, int steps, int useSharps);

// The rewritten line (no line end). Empty in, empty out.
std::string TransposeLineText(std::string_view line, int steps, int useSharps);

// Writes the rewritten line followed by CR LF. An empty line writes nothing. Returns the
// write status: 0, or the status of the first write to the output that failed.
int TransposeLine(std::string_view line, int steps, BufferedOutput& output, int useSharps);
