#include "songtext/BufferedOutput.h"

#include "songtext/TextFile.h"

BufferedOutput::BufferedOutput(TextFile& file) : file_(file) { gathered_.reserve(kPieceSize + 64); }

void BufferedOutput::Append(std::string_view text) {
  gathered_ += text;
  FlushIfFull();
}

int BufferedOutput::Flush() {
  if (status_ == 0 && !gathered_.empty()) status_ = file_.WriteText(gathered_);
  gathered_.clear();
  return status_;
}
