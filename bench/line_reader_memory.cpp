// Reads a file line by line through LineReader and prints the peak resident memory, to show
// that the reader's memory stays fixed whatever the size of the song.
//   line_reader_memory <file>
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "platform/File.h"
#include "songtext/LineReader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: line_reader_memory <file>\n");
    return 2;
  }
  platform::FileHandle handle;
  if (platform::OpenExistingForReading(argv[1], handle) != 0) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  LineReader reader(handle);
  std::string line;
  unsigned long long lines = 0, bytes = 0;
  while (reader.ReadLine(line)) {
    ++lines;
    bytes += line.size();
  }
  platform::CloseFile(handle);
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%llu lines, %llu bytes of text, peak resident memory %ld KiB\n", lines, bytes, usage.ru_maxrss);
  return 0;
}
