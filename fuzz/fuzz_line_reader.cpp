// The line reader and the whole-file reader over arbitrary bytes: both hand out every byte
// of the file, in order, splitting only at line feeds (and dropping only a CR before one).
#include <string>

#include "FuzzSupport.h"
#include "platform/File.h"
#include "songtext/LineReader.h"
#include "songtext/TextFile.h"

namespace {

std::string Expected(const std::string& bytes) {
  // What the lines must join back to: every line feed kept as a separator, CR LF as LF.
  std::string joined;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    joined += bytes[i];
  }
  if (!joined.empty() && joined.back() == '\n') joined.pop_back();
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::SilenceUserMessages();
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // Long runs without a line feed cross the buffer's edges.
  if (!bytes.empty() && bytes[0] == 'L') bytes.insert(1, std::string(5000, 'x'));
  std::string path = fuzzsupport::WriteInput("song.txt", bytes);

  platform::FileHandle handle;
  fuzzsupport::Require(platform::OpenExistingForReading(path, handle) == 0, "the input opens");
  LineReader reader(handle);
  std::string line, joined;
  bool first = true;
  while (reader.ReadLine(line)) {
    if (!first) joined += '\n';
    joined += line;
    first = false;
  }
  platform::CloseFile(handle);
  fuzzsupport::Require(joined == Expected(bytes), "LineReader hands out every byte");

  TextFile file;
  fuzzsupport::Require(file.LoadWholeFile(path) == 0, "the input loads");
  joined.clear();
  first = true;
  while (file.NextLine(line) == 1) {
    if (!first) joined += '\n';
    joined += line;
    first = false;
  }
  fuzzsupport::Require(joined == Expected(bytes), "TextFile hands out every byte");
  return 0;
}
