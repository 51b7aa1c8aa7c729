#include "songtext/ChordLine.h"

#include <array>

#include "platform/Letters.h"

namespace {

// Compared without regard to case, so "ADD9" and "Sus4" hold keywords too.
constexpr std::array<std::string_view, 6> ChordKeywords = {"dim", "maj", "min", "add", "sus", "aug"};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsKeywordAt(std::string_view line, std::size_t index) {
  for (std::string_view keyword : ChordKeywords) {
    bool same = true;
    for (std::size_t k = 0; same && k < keyword.size(); ++k) same = AsciiLower(line[index + k]) == keyword[k];
    if (same) return true;
  }
  return false;
}

bool IsSingleLetterMark(char c) { return c == 'M' || c == 'm' || c == 'b' || c == 'x' || c == 'X'; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool IsNoteLetter(char c) { return c != '\0' && NoteLetters.find(c) != std::string_view::npos; }

bool IsMarkedChordAt(std::string_view line, std::size_t index) {
  return index + 1 < line.size() && line[index] == '_' && IsNoteLetter(line[index + 1]);
}

int ScanChordElement(std::string_view line, std::size_t index) {
  if (index >= line.size()) return -1;
  // A keyword wins over a root: "Add" at the start of a word is one element, not A + dd.
  if (index + 3 <= line.size() && IsKeywordAt(line, index)) return 3;
  const char c = line[index];
  if (IsNoteLetter(c)) {
    const bool accidental = index + 1 < line.size() && (line[index + 1] == 'b' || line[index + 1] == '#');
    return accidental ? 2 : 1;
  }
  return IsSingleLetterMark(c) ? 1 : -1;
}

bool IsChordLine(std::string_view line) {
  // A byte-order mark at the start of a file does not hide the '!'.
  const std::size_t first = line.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  if (first < line.size() && line[first] == '!') return false;

  bool found = false;
  std::size_t index = 0;
  while (index < line.size()) {
    const char c = line[index];
    if (c == '\r' || c == '\n' || c == '\0') return found;
    const platform::DecodedChar decoded = platform::DecodeCharAt(line, index);
    if (!platform::IsLetter(decoded.codePoint)) {
      // A whole multi-byte character is stepped over, so none of its bytes is read as a letter.
      index += decoded.length;
      continue;
    }
    // A non-ASCII letter (é) begins no element, so it makes the line a lyric line.
    const int length = ScanChordElement(line, index);
    if (length < 0) return false;
    found = true;
    index += static_cast<std::size_t>(length);
  }
  return found;
}
