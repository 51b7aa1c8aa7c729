#include "songtext/Transpose.h"

#include "songtext/ChordLine.h"

const std::array<std::string_view, 12> FlatNames = {"A", "Bb", "B", "C", "Db", "D",
                                                   "Eb", "E", "F", "Gb", "G", "Ab"};
const std::array<std::string_view, 12> SharpNames = {"A", "A#", "B", "C", "C#", "D",
                                                    "D#", "E", "F", "F#", "G", "G#"};

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsToken(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

std::string TransposeNoteName(std::string_view note, int steps, int useSharps) {
  // Any shift reduces to 0..11, so a caller's larger or more negative shift cannot index past
  // the tables.
  const int shift = (steps % 12 + 12) % 12;
  for (std::size_t i = 0; i < FlatNames.size(); ++i) {
    if (note == FlatNames[i] || note == SharpNames[i]) {
      const std::size_t j = (i + static_cast<std::size_t>(shift)) % 12;
      return std::string(useSharps != 0 ? SharpNames[j] : FlatNames[j]);
    }
  }
  return std::string(note);
}

ChordToken ExtractChordToken(std::string_view line, std::size_t start) {
  ChordToken token;
  if (start >= line.size()) return token;
  // The character at `start` is the root itself and always belongs to the token.
  std::size_t stop = start + 1;
  for (; stop < line.size(); ++stop) {
    const char c = line[stop];
    if (EndsToken(c) || IsNoteLetter(c)) break;
    if (c == '/') {
      token.hasSlash = true;
      break;
    }
  }
  // One of two or more following spaces goes with the chord, so a root that grows by a
  // character can give it back and the next chord keeps its column.
  if (stop + 1 < line.size() && line[stop] == ' ' && line[stop + 1] == ' ') ++stop;
  token.text = std::string(line.substr(start, stop - start));
  return token;
}

std::string TransposeChordAt(std::string_view line, std::size_t& index, int steps, int useSharps) {
  const std::size_t start = index;
  if (start >= line.size()) return {};
  const bool accidental = start + 1 < line.size() && (line[start + 1] == 'b' || line[start + 1] == '#');
  const std::string_view oldRoot = line.substr(start, accidental ? 2 : 1);
  const std::string newRoot = TransposeNoteName(oldRoot, steps, useSharps);
  const ChordToken token = ExtractChordToken(line, start);

  std::string result = newRoot + token.text.substr(oldRoot.size());
  if (oldRoot.size() > newRoot.size() && !token.hasSlash) {
    result += ' ';
  } else if (oldRoot.size() < newRoot.size() && result.ends_with(' ')) {
    result.pop_back();
  }
  index = start + token.text.size() - 1;
  return result;
}

std::string TransposeLineText(std::string_view line, int steps, int useSharps) {
  std::string result;
  if (line.empty()) return result;
  result.reserve(line.size() + 8);
  // A byte-order mark at the start of a file does not hide the '\'; its bytes are copied.
  const std::size_t first = line.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  const bool chordMode = (first < line.size() && line[first] == '\\') || IsChordLine(line);

  for (std::size_t index = 0; index < line.size(); ++index) {
    if (chordMode && IsNoteLetter(line[index])) {
      // Every root letter begins a chord, the bass note after '/' too.
      result += TransposeChordAt(line, index, steps, useSharps);
    } else if (!chordMode && IsMarkedChordAt(line, index)) {
      result += '_';
      ++index;
      result += TransposeChordAt(line, index, steps, useSharps);
    } else {
      result += line[index];
    }
  }
  return result;
}
