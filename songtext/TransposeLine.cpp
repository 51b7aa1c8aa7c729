#include "songtext/BufferedOutput.h"
#include "songtext/Transpose.h"

int TransposeLine(std::string_view line, int steps, BufferedOutput& output, int useSharps) {
  // The callers write empty lines themselves.
  if (line.empty()) return output.Status();
  output.Append(TransposeLineText(line, steps, useSharps));
  output.Append("\r\n");
  return output.Status();
}
