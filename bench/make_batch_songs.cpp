// Writes generated songs for the batch benchmark: <folder>/song-0001.txt ... of about <lines>
// lines each, each from its own seed, lines ended by LF.
//   make_batch_songs <folder> <count> <lines>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "GeneratedSong.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_batch_songs <folder> <count> <lines>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int count = std::atoi(argv[2]);
  const int lines = std::atoi(argv[3]);
  for (int i = 1; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/song-%04d.txt", i);
    std::string text;
    const auto song = bench::GenerateSong(static_cast<std::size_t>(lines), static_cast<std::uint32_t>(i));
    for (const std::string& line : song) {
      text += line;
      text += '\n';
    }
    std::FILE* file = std::fopen((folder + name).c_str(), "wb");
    const bool wrote = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file == nullptr || std::fclose(file) != 0 || !wrote) {
      std::fprintf(stderr, "cannot write %s%s\n", folder.c_str(), name);
      return 1;
    }
  }
  return 0;
}
