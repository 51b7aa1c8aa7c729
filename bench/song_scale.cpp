// One operation on one (large) song, with its time and the process's peak memory:
//   song_scale make <file> <megabytes>      writes a generated song of that size (CR LF)
//   song_scale transpose|html|rtf <file>    transposes it in place / writes its page / document
// bench/scale.sh runs it over songs of several sizes (see README.md).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "GeneratedSong.h"
#include "html/WriteHtmlPage.h"
#include "platform/Messages.h"
#include "rtf/WriteRtfDocument.h"
#include "songtext/TransposeSongFile.h"

namespace {

int Make(const char* path, double megabytes) {
  std::vector<std::string> verse = bench::GenerateSong(400, 7);
  std::ofstream out(path, std::ios::binary);
  std::size_t wanted = static_cast<std::size_t>(megabytes * 1024 * 1024), written = 0;
  while (written < wanted) {
    for (const std::string& line : verse) {
      out << line << "\r\n";
      written += line.size() + 2;
    }
  }
  return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: song_scale make <file> <megabytes> | transpose|html|rtf <file>\n");
    return 2;
  }
  std::string operation = argv[1];
  if (operation == "make") return Make(argv[2], argc > 3 ? std::atof(argv[3]) : 20);

  auto start = std::chrono::steady_clock::now();
  int status = 1;
  if (operation == "transpose") {
    SongContext context;
    status = TransposeSongFile(context, argv[2], 3, 1);
  } else if (operation == "html") {
    SongContext context;
    FormatSettings settings;
    settings.songPath = argv[2];
    settings.columns = 1;
    settings.lineSpacing = true;
    status = WriteHtmlPage(context, settings);
  } else if (operation == "rtf") {
    FormatSettings settings;
    settings.songPath = argv[2];
    settings.lineSpacing = true;
    status = WriteRtfDocument(settings);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%s status %d: %.3f s, peak resident memory %.1f MiB\n", operation.c_str(), status, seconds,
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  return status;
}
