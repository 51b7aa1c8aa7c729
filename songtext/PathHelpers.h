#pragma once
// Splitting and rebuilding paths at the last '/' and the last '.'. An extension starts only at
// a '.' after the last '/'.
#include <string>

struct PathParts {
  std::string first;   // base, or directory
  std::string second;  // extension (without '.'), or file name
};

// Base and extension: the extension is the text after the last '.', when that '.' stands after
// the last '/'; otherwise base is the whole path and the extension is empty.
PathParts SplitPathExtension(const std::string& path);
std::string PathExtension(const std::string& path);

// base + "." + newExtension; a path without an extension gains one.
std::string ReplacePathExtension(const std::string& path, const std::string& newExtension);

// Directory and name at the last '/'; with no '/', the directory is the whole path and the
// name is empty.
PathParts SplitPathDirectory(const std::string& path);
std::string PathDirectory(const std::string& path);
std::string PathFileName(const std::string& path);

// True when an extension reads "txt" in any letter case. Where a song's extension is replaced
// by "txt", such an extension is kept as written: on a case-sensitive file system "Song.TXT"
// and "Song.txt" are two files.
bool IsTxtExtension(const std::string& extension);

// ReplacePathExtension(path, "txt"), keeping an extension that already reads "txt".
std::string ReplacePathExtensionWithTxt(const std::string& path);
