#include "TestFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace testsupport {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "melvane-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  if (made == nullptr) throw std::runtime_error("cannot create a temporary folder");
  path_ = made;
}

TempFolder::~TempFolder() {
  const char* keep = std::getenv("MELVANE_KEEP_TEMP");
  if (keep != nullptr && std::string(keep) == "1") return;
  std::error_code ignored;
  // Tests may leave read-only folders behind; give them back their write bit first.
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string TempFolder::operator/(std::string_view name) const { return (path_ / fs::path(name)).string(); }

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  fs::path target = path_ / fs::path(name);
  fs::create_directories(target.parent_path());
  WriteFileBytes(target, bytes);
  return target.string();
}

std::string TempFolder::CopyIn(std::string_view repositoryPath, std::string_view name) const {
  return Write(name, ReadFileBytes(SourcePath(repositoryPath)));
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

bool FileExists(const fs::path& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

fs::path SourcePath(std::string_view repositoryPath) { return fs::path(MELVANE_SOURCE_DIR) / fs::path(repositoryPath); }

std::string Visible(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

namespace {
// Line `index` (from 0) with its line end, or "<end of file>".
std::string LineAt(const std::string& text, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) {
    start = text.find('\n', start);
    if (start == std::string::npos) return "<end of file>";
    ++start;
  }
  if (start >= text.size()) return "<end of file>";
  std::size_t end = text.find('\n', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
}
}  // namespace

void ExpectMatchesGolden(std::string_view name, const std::string& actual) {
  fs::path golden = SourcePath("tests/golden") / fs::path(name);
  const char* update = std::getenv("MELVANE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::create_directories(golden.parent_path());
    WriteFileBytes(golden, actual);
    return;
  }
  if (!FileExists(golden)) {
    ADD_FAILURE() << "missing golden file " << golden << " (write it with MELVANE_UPDATE_GOLDEN=1 and review it)";
    return;
  }
  std::string expected = ReadFileBytes(golden);
  if (expected == actual) return;
  std::size_t line = 0;
  while (LineAt(expected, line) == LineAt(actual, line)) ++line;
  ADD_FAILURE() << "differs from golden file " << name << " at line " << line + 1 << "\n  expected: "
                << Visible(LineAt(expected, line)) << "\n  actual:   " << Visible(LineAt(actual, line));
}

}  // namespace testsupport
