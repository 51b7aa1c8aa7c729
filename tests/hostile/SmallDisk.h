#pragma once
// A tiny file system mounted for one test (a tmpfs of a few KiB), to fill a disk or make a
// folder read-only for real: root ignores permission bits, but not a full or read-only file
// system. Needs the right to mount; tests skip with a clear message where it is missing.
#include <string>

class SmallDisk {
 public:
  // Mounts a tmpfs of `kibibytes` at a new folder under `parent`.
  SmallDisk(const std::string& parent, int kibibytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Path() const { return path_; }
  // Fills the disk with a filler file until a write fails.
  void Fill();
  // Makes the whole file system read-only.
  bool MakeReadOnly();

 private:
  std::string path_;
  bool mounted_ = false;
};
