#pragma once
// Files for tests: a fresh temporary folder per test (removed afterwards), byte-exact reading
// and writing, and golden-file comparison that names the first differing line.
#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// A new empty folder under the system's temporary folder, removed with everything in it when
// the object goes away (set MELVANE_KEEP_TEMP=1 to keep it for a look).
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The absolute path of `name` inside the folder, as the program's byte string.
  std::string operator/(std::string_view name) const;
  // Writes `bytes` to `name` (folders created as needed) and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // Copies a file of the source tree (relative to the repository root) into the folder.
  std::string CopyIn(std::string_view repositoryPath, std::string_view name) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);
bool FileExists(const std::filesystem::path& path);

// A file of the source tree, relative to the repository root.
std::filesystem::path SourcePath(std::string_view repositoryPath);

// Compares `actual` with tests/golden/<name> byte for byte. On a mismatch the failure shows the
// first differing line of both sides (CR and LF made visible). With MELVANE_UPDATE_GOLDEN=1 the
// golden file is written instead: a new or changed golden file is reviewed before it is
// committed, never written to make a test pass.
void ExpectMatchesGolden(std::string_view name, const std::string& actual);

// "a\r\n" -> "a\\r\\n": makes line ends visible in failure messages.
std::string Visible(std::string_view bytes);

}  // namespace testsupport
