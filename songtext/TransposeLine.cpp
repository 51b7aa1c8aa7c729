#include "songtext/TextFile.h"
#include "songtext/Transpose.h"

int TransposeLine(std::string_view line, int steps, TextFile& output, int useSharps) {
  // The callers write empty lines themselves.
  if (line.empty()) return 0;
  return output.WriteLine(TransposeLineText(line, steps, useSharps));
}
