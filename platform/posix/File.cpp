// POSIX files with the Windows sharing rules emulated.
//
// Every open in this program shares the file for reading only. So, per file (device and
// inode, never the spelling of the path): any number of readers may hold it together, but a
// writer excludes everyone else, and a reader excludes writers. The process-wide table below
// keeps the open files; a conflicting open is refused before anything on disk changes.
// Open-file-description locks carry the same rule to other processes: a reader holds a shared
// lock on the whole file and a writer an exclusive one, so a second Melvane (a batch while the
// window transposes) is refused the same way. The locks are advisory: they bind cooperating
// processes only.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "platform/File.h"
#include "platform/FileFaults.h"

namespace platform {
namespace {

struct FileIdentity {
  dev_t device;
  ino_t inode;
  friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

struct OpenFile {
  FileIdentity identity;
  bool forWriting;
  std::string path;
};

// The open-file table: by descriptor, and a count of readers and writers by identity.
class OpenFileTable {
 public:
  bool MayOpen(const FileIdentity& id, bool forWriting) const {
    auto it = users_.find(id);
    if (it == users_.end()) return true;
    const Users& users = it->second;
    if (users.writers > 0) return false;
    return !forWriting || users.readers == 0;
  }
  bool IsOpen(const FileIdentity& id) const { return users_.count(id) != 0; }
  bool IsOpenForWriting(const FileIdentity& id) const {
    auto it = users_.find(id);
    return it != users_.end() && it->second.writers > 0;
  }
  void Add(int fd, const FileIdentity& id, bool forWriting, const std::string& path) {
    files_[fd] = OpenFile{id, forWriting, path};
    Users& users = users_[id];
    (forWriting ? users.writers : users.readers) += 1;
  }
  void Remove(int fd) {
    auto it = files_.find(fd);
    if (it == files_.end()) return;
    Users& users = users_[it->second.identity];
    (it->second.forWriting ? users.writers : users.readers) -= 1;
    if (users.readers == 0 && users.writers == 0) users_.erase(it->second.identity);
    files_.erase(it);
  }
  std::string PathOf(int fd) const {
    auto it = files_.find(fd);
    return it == files_.end() ? std::string() : it->second.path;
  }

 private:
  struct Users {
    int readers = 0;
    int writers = 0;
  };
  std::map<int, OpenFile> files_;
  std::map<FileIdentity, Users> users_;
};

// The program has one thread; the lock only keeps the table sound should a test or a later
// caller use the file layer from another thread.
std::mutex tableLock;
OpenFileTable& Table() {
  static OpenFileTable table;
  return table;
}

FileIdentity IdentityOf(const struct stat& info) { return FileIdentity{info.st_dev, info.st_ino}; }

int InjectedError(FileOperation operation, std::string_view path, std::size_t* allowed = nullptr) {
  FileFaultHook* hook = CurrentFileFaultHook();
  return hook ? hook->Before(operation, path, allowed) : 0;
}

int Descriptor(FileHandle handle) { return static_cast<int>(handle.Value()); }

// Takes the whole-file lock that matches the open; false when another process holds a
// conflicting one. A file system without locks (ENOLCK, EINVAL) cannot tell us, and the open
// goes ahead.
bool LockAgainstOtherProcesses(int fd, bool forWriting) {
  struct flock lock {};
  lock.l_type = forWriting ? F_WRLCK : F_RDLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;
  lock.l_pid = 0;
  int result;
  do {
    result = ::fcntl(fd, F_OFD_SETLK, &lock);
  } while (result != 0 && errno == EINTR);
  return result == 0 || (errno != EAGAIN && errno != EACCES);
}

// True when another process holds the file open (any lock at all on it).
bool OpenInOtherProcess(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return held;
}

// Opens without blocking (a FIFO must not hang us) and keeps only regular files.
// Returns the descriptor, or -1 with errno set; a non-regular file fails as ENOENT.
int OpenRegular(const std::string& path, int flags, mode_t mode, struct stat& info) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (errno == ENXIO || errno == EISDIR) errno = ENOENT;
    return -1;
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    int error = S_ISREG(info.st_mode) ? errno : ENOENT;
    ::close(fd);
    errno = error;
    return -1;
  }
  int statusFlags = ::fcntl(fd, F_GETFL);
  if (statusFlags >= 0) ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK);
  return fd;
}

Status OpenChecked(const std::string& path, bool forWriting, FileHandle& handle) {
  if (int injected = InjectedError(forWriting ? FileOperation::OpenWrite : FileOperation::OpenRead, path)) {
    return StatusFromErrno(injected);
  }
  struct stat info {};
  // Never O_TRUNC here: the sharing check must come before the file loses its bytes.
  int fd = forWriting ? OpenRegular(path, O_RDWR | O_CREAT, 0666, info) : OpenRegular(path, O_RDONLY, 0, info);
  if (fd < 0) return StatusFromErrno(errno);
  std::lock_guard<std::mutex> guard(tableLock);
  FileIdentity id = IdentityOf(info);
  if (!Table().MayOpen(id, forWriting) || !LockAgainstOtherProcesses(fd, forWriting)) {
    ::close(fd);
    return kSharingViolation;
  }
  if (forWriting && info.st_size != 0 && ::ftruncate(fd, 0) != 0) {
    int error = errno;
    ::close(fd);
    return StatusFromErrno(error);
  }
  Table().Add(fd, id, forWriting, path);
  handle = FileHandle(fd);
  return kOk;
}

}  // namespace

Status OpenExistingForReading(const std::string& path, FileHandle& handle) {
  return OpenChecked(path, false, handle);
}

Status CreateAlwaysForWriting(const std::string& path, FileHandle& handle) {
  return OpenChecked(path, true, handle);
}

Status ReadFromFile(FileHandle handle, void* buffer, std::size_t wanted, std::size_t& got) {
  got = 0;
  if (!handle) return StatusFromErrno(EBADF);
  int fd = Descriptor(handle);
  if (int injected = InjectedError(FileOperation::Read, Table().PathOf(fd))) return StatusFromErrno(injected);
  char* out = static_cast<char*>(buffer);
  while (got < wanted) {
    ssize_t n = ::read(fd, out + got, wanted - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return StatusFromErrno(errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return kOk;
}

Status WriteToFile(FileHandle handle, const void* data, std::size_t length, std::size_t& written) {
  written = 0;
  if (!handle) return StatusFromErrno(EBADF);
  int fd = Descriptor(handle);
  std::size_t allowed = length;
  if (int injected = InjectedError(FileOperation::Write, Table().PathOf(fd), &allowed)) {
    return StatusFromErrno(injected);
  }
  const char* in = static_cast<const char*>(data);
  std::size_t limit = std::min(allowed, length);
  while (written < limit) {
    ssize_t n = ::write(fd, in + written, limit - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return StatusFromErrno(errno);
    }
    if (n == 0) return StatusFromErrno(ENOSPC);
    written += static_cast<std::size_t>(n);
  }
  return written == length ? kOk : StatusFromErrno(ENOSPC);
}

Status CloseFile(FileHandle& handle) {
  if (!handle) return kOk;
  int fd = Descriptor(handle);
  {
    std::lock_guard<std::mutex> guard(tableLock);
    Table().Remove(fd);
  }
  handle = FileHandle();
  // close() is never retried on EINTR (the descriptor is gone on Linux either way).
  return ::close(fd) == 0 || errno == EINTR ? kOk : StatusFromErrno(errno);
}

Status GetFileSize(FileHandle handle, std::uint64_t& size) {
  struct stat info {};
  if (!handle || ::fstat(Descriptor(handle), &info) != 0) return StatusFromErrno(handle ? errno : EBADF);
  size = static_cast<std::uint64_t>(info.st_size);
  return kOk;
}

Status CopyFileOver(const std::string& from, const std::string& to) {
  if (int injected = InjectedError(FileOperation::Copy, to)) return StatusFromErrno(injected);
  FileHandle source;
  if (Status status = OpenExistingForReading(from, source)) return status;
  int in = Descriptor(source);
  struct stat sourceInfo {};
  ::fstat(in, &sourceInfo);

  // The target is opened without truncation so that a copy onto the source itself, or onto
  // a file open here, is refused before a byte of it changes.
  struct stat targetInfo {};
  int out = OpenRegular(to, O_WRONLY | O_CREAT, sourceInfo.st_mode & 07777, targetInfo);
  if (out < 0) {
    int error = errno;
    CloseFile(source);
    return StatusFromErrno(error);
  }
  FileIdentity targetId = IdentityOf(targetInfo);
  Status status = kOk;
  {
    std::lock_guard<std::mutex> guard(tableLock);
    if (targetId == IdentityOf(sourceInfo)) {
      status = StatusFromErrno(EINVAL);
    } else if (Table().IsOpen(targetId) || !LockAgainstOtherProcesses(out, true)) {
      status = kSharingViolation;
    }
  }
  // Reserve the space first, so that a full disk fails the copy before the target changes;
  // the old bytes are then overwritten in place and the length set at the end.
  if (status == kOk && sourceInfo.st_size > 0 &&
      ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, sourceInfo.st_size) != 0 && errno != EOPNOTSUPP &&
      errno != ENOSYS) {
    status = StatusFromErrno(errno);
  }
  off_t copied = 0;
  char buffer[1 << 16];
  while (status == kOk) {
    ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      status = StatusFromErrno(errno);
      break;
    }
    if (n == 0) break;
    std::size_t done = 0;
    while (done < static_cast<std::size_t>(n)) {
      ssize_t w = ::write(out, buffer + done, static_cast<std::size_t>(n) - done);
      if (w < 0) {
        if (errno == EINTR) continue;
        status = StatusFromErrno(errno);
        break;
      }
      done += static_cast<std::size_t>(w);
    }
    copied += n;
  }
  if (status == kOk && ::ftruncate(out, copied) != 0) status = StatusFromErrno(errno);
  if (::close(out) != 0 && status == kOk && errno != EINTR) status = StatusFromErrno(errno);
  CloseFile(source);
  return status;
}

Status DeleteFileAt(const std::string& path) {
  if (int injected = InjectedError(FileOperation::Delete, path)) return StatusFromErrno(injected);
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return StatusFromErrno(errno);
  if (S_ISDIR(info.st_mode)) return StatusFromErrno(EISDIR);
  if (S_ISREG(info.st_mode)) {
    std::lock_guard<std::mutex> guard(tableLock);
    if (Table().IsOpen(IdentityOf(info))) return kSharingViolation;
  }
  if (S_ISREG(info.st_mode) && OpenInOtherProcess(path)) return kSharingViolation;
  return ::unlink(path.c_str()) == 0 ? kOk : StatusFromErrno(errno);
}

bool IsSameFile(const std::string& first, const std::string& second) {
  struct stat a {}, b {};
  if (::stat(first.c_str(), &a) != 0 || ::stat(second.c_str(), &b) != 0) return false;
  return IdentityOf(a) == IdentityOf(b);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace platform
