#pragma once
// Text on its way to a file opened for writing: gathered and handed to the file in pieces of
// about 64 KiB, so a file costs a few writes however many lines it has, and a large song never
// has its rewritten form held whole in memory. After the first failed write nothing more is
// written, and its status is kept.
#include <cstddef>
#include <string>
#include <string_view>

class TextFile;

class BufferedOutput {
 public:
  static constexpr std::size_t kPieceSize = 64 * 1024;

  explicit BufferedOutput(TextFile& file);
  BufferedOutput(const BufferedOutput&) = delete;
  BufferedOutput& operator=(const BufferedOutput&) = delete;

  // The text as it is.
  void Append(std::string_view text);

  // The text character by character through `appendOne(out, text, index)`, which appends the
  // encoding of the character at `index` to `out` and returns how many bytes it used.
  template <typename AppendOne>
  void AppendEncoded(std::string_view text, AppendOne appendOne) {
    for (std::size_t index = 0; index < text.size();) {
      index += appendOne(gathered_, text, index);
      FlushIfFull();
    }
  }

  // Writes what is gathered; returns 0, or the status of the first failed write.
  int Flush();

  // The status of the first failed write, or 0.
  int Status() const { return status_; }

 private:
  void FlushIfFull() {
    if (gathered_.size() >= kPieceSize) Flush();
  }

  TextFile& file_;
  std::string gathered_;
  int status_ = 0;
};
