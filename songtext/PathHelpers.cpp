#include "songtext/PathHelpers.h"

// Paths are byte strings in UTF-8: '/' and '.' never occur inside a multi-byte character, so
// plain byte searches find the real separators.

PathParts SplitPathExtension(const std::string& path) {
  std::size_t slash = path.rfind('/');
  std::size_t dot = path.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    return PathParts{path.substr(0, dot), path.substr(dot + 1)};
  }
  return PathParts{path, std::string()};
}

std::string PathExtension(const std::string& path) { return SplitPathExtension(path).second; }

std::string ReplacePathExtension(const std::string& path, const std::string& newExtension) {
  return SplitPathExtension(path).first + "." + newExtension;
}

PathParts SplitPathDirectory(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return PathParts{path, std::string()};
  return PathParts{path.substr(0, slash), path.substr(slash + 1)};
}

std::string PathDirectory(const std::string& path) { return SplitPathDirectory(path).first; }

std::string PathFileName(const std::string& path) { return SplitPathDirectory(path).second; }

bool IsTxtExtension(const std::string& extension) {
  if (extension.size() != 3) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return lower(extension[0]) == 't' && lower(extension[1]) == 'x' && lower(extension[2]) == 't';
}

std::string ReplacePathExtensionWithTxt(const std::string& path) {
  PathParts parts = SplitPathExtension(path);
  return IsTxtExtension(parts.second) ? path : parts.first + ".txt";
}
