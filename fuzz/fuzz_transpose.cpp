// Transposition over arbitrary lines. Properties: the chords of a chord line moved up and
// back down are the chords re-spelled in place; lyric text is never changed except for
// marked chords; the line never grows or shrinks by more than one byte per root.
#include <string>

#include "FuzzSupport.h"
#include "songtext/ChordLine.h"
#include "songtext/Transpose.h"

namespace {

// The line without its blanks: transposition may move blanks (a shrunken root is padded even
// where two chords touch), never anything else.
std::string WithoutBlanks(const std::string& line) {
  std::string kept;
  for (char c : line) {
    if (c != ' ') kept += c;
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  int steps = static_cast<int>(data[0] % 15) - 7;
  int useSharps = data[1] & 1;
  std::string line(reinterpret_cast<const char*>(data + 2), size - 2);

  std::string up = TransposeLineText(line, steps, useSharps);
  std::size_t roots = 0;
  for (char c : line) roots += IsNoteLetter(c) ? 1 : 0;
  fuzzsupport::Require(up.size() + roots >= line.size() && up.size() <= line.size() + roots,
                       "a root changes the line's length by at most one byte");

  std::size_t first = line.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  bool chordMode = IsChordLine(line) || (first < line.size() && line[first] == '\\');
  if (!chordMode && line.find('_') == std::string::npos) fuzzsupport::Require(up == line, "lyric lines stay as written");

  // Only meaningful while the line stays a chord line both ways ("Add9" moved from A turns
  // into a lyric line, as letter-by-letter rewriting makes it), and while no accidental is
  // doubled ("Ebb" moved to "Gb" reads back as the root Gb).
  bool doubledAccidental = false;
  for (const char* pair : {"bb", "b#", "#b", "##"}) doubledAccidental |= line.find(pair) != std::string::npos;
  if (IsChordLine(line) && IsChordLine(up) && !doubledAccidental && line.find('\0') == std::string::npos) {
    std::string down = TransposeLineText(up, -steps, useSharps);
    std::string respelled = TransposeLineText(line, 0, useSharps);
    fuzzsupport::Require(WithoutBlanks(down) == WithoutBlanks(respelled), "up then down gives the chords back");
  }
  return 0;
}
