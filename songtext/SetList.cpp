#include "songtext/SetList.h"

#include <algorithm>

#include "songtext/PathHelpers.h"

int SetListReader::Open(const std::string& path) {
  first_ = true;
  return file_.Open(path);
}

bool SetListReader::NextEntry(std::string& entry) {
  if (!file_.ReadString(entry)) return false;
  if (first_ && entry.compare(0, 3, "\xEF\xBB\xBF") == 0) entry.erase(0, 3);
  first_ = false;
  std::replace(entry.begin(), entry.end(), '\\', '/');
  return true;
}

std::string SetListEntryPath(const std::string& folder, const std::string& entry, const std::string& extension) {
  std::string name = extension == "txt" ? ReplacePathExtensionWithTxt(entry) : ReplacePathExtension(entry, extension);
  return folder + "/" + name;
}
