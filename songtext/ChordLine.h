#pragma once
// Telling chord lines from lyric lines, one line at a time. IsChordLine is the one test that
// every feature asks; the rest are the character tests the transposer uses to find roots.
#include <cstddef>
#include <string_view>

// The chord roots, upper case only.
inline constexpr std::string_view NoteLetters = "ABCDEFG";

bool IsNoteLetter(char c);

// True when the character at `index` is '_' and the next one is a note letter.
bool IsMarkedChordAt(std::string_view line, std::size_t index);

// Length (1 to 3) of the chord element starting at the letter at `index`, or -1 when that
// letter begins no element.
int ScanChordElement(std::string_view line, std::size_t index);

// True for a chord line: at least one letter, and all letters divide into chord elements.
// A line starting with '!' never is; non-ASCII letters are never chord elements.
bool IsChordLine(std::string_view line);
