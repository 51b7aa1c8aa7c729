#include "songtext/LineReader.h"

#include <cstring>

LineReader::LineReader(platform::FileHandle& source) : buffer_(new char[kBufferSize]), source_(source) {
  buffer_[kInitialEnd] = '\0';
}

bool LineReader::ReadLine(std::string& line) {
  line.clear();
  if (firstRead_) {
    firstRead_ = false;
    if (Refill() == 0) return false;
  }
  // A line that ended exactly at the end of the buffered data leaves the position there
  // while the file goes on: refill rather than take it for the end.
  if (pos_ >= end_ && !exhausted_) Refill();
  if (pos_ >= end_) return false;
  if (pos_ >= refillMark_) Refill();

  for (;;) {
    const char* start = buffer_.get() + pos_;
    const void* found = std::memchr(start, '\n', static_cast<std::size_t>(end_ - pos_));
    if (found != nullptr) {
      int length = static_cast<int>(static_cast<const char*>(found) - start);
      line.append(start, static_cast<std::size_t>(length));
      pos_ += length + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    // No line feed in the buffer: the line goes on past it. Keep what we have and read on,
    // so a line of any length is handed out whole and nothing after it is lost.
    line.append(start, static_cast<std::size_t>(end_ - pos_));
    pos_ = end_;
    if (exhausted_ || Refill() == 0) return true;  // the last line, a final CR kept
  }
}

int LineReader::Refill() {
  // With the position at 0 the buffer holds nothing yet (the first read): fill it whole.
  int kept = pos_ > 0 ? end_ - pos_ : 0;
  int wanted = pos_ > 0 ? pos_ : end_;
  if (pos_ > 0 && kept > 0) std::memmove(buffer_.get(), buffer_.get() + pos_, static_cast<std::size_t>(kept));
  pos_ = 0;

  std::size_t got = 0;
  if (platform::ReadFromFile(source_, buffer_.get() + kept, static_cast<std::size_t>(wanted), got) != 0) {
    readFailed_ = true;
    got = 0;
  }
  end_ = kept + static_cast<int>(got);
  buffer_[end_] = '\0';
  if (static_cast<int>(got) < wanted) {
    exhausted_ = true;
    refillMark_ = end_;
  }
  return static_cast<int>(got);
}
