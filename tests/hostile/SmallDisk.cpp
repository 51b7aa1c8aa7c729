#include "SmallDisk.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

SmallDisk::SmallDisk(const std::string& parent, int kibibytes) : path_(parent + "/disk") {
  ::mkdir(path_.c_str(), 0755);
  std::string options = "size=" + std::to_string(kibibytes) + "k";
  mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
}

void SmallDisk::Fill() {
  std::ofstream filler(path_ + "/filler", std::ios::binary);
  std::string block(1024, 'f');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
  // A last byte-sized top-up, so not even a small write fits.
  std::ofstream last(path_ + "/filler2", std::ios::binary);
  while (last.put('f')) last.flush();
}

bool SmallDisk::MakeReadOnly() {
  return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
