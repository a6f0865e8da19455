// File operations over the drive mapping, with the Windows rules the program
// relies on: a file without its owner-write bit is read-only (even for root),
// and an open file is shared by flock() the way Windows shares it by mode.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "host/path.h"
#include "host/platform.h"
#include "host/posix/native_path.h"

namespace host::platform {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

bool ReadOnly(const struct stat& info) { return (info.st_mode & S_IWUSR) == 0; }

// Whether another open file holds a lock that Windows' sharing would refuse.
bool InUse(const std::string& native) {
  int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  bool busy = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return busy;
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t done = write(fd, bytes, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

std::string ToNativeFolder(const Text& folder) { return folder.empty() ? "." : posix::ToNative(folder); }

}  // namespace

std::vector<FolderEntry> ListFolder(const Text& pattern) {
  std::vector<FolderEntry> entries;
  const Text name_pattern = LastPart(pattern);
  if (name_pattern.empty()) return entries;  // "folder\" names no entry
  const Text folder = ParentPath(pattern);
  const std::string native_folder = ToNativeFolder(folder);
  if (native_folder.empty()) return entries;

  auto add = [&](const std::string& native_name) {
    FolderEntry entry;
    entry.name = posix::TextFromUtf8(native_name);
    std::string full = native_folder + "/" + native_name;
    struct stat info {};
    if (lstat(full.c_str(), &info) != 0) return;
    entry.is_link = S_ISLNK(info.st_mode);
    if (entry.is_link) stat(full.c_str(), &info);
    entry.is_folder = S_ISDIR(info.st_mode);
    entries.push_back(std::move(entry));
  };

  if (!HasWildcard(name_pattern)) {
    std::string native = posix::ToNative(pattern);
    struct stat info {};
    if (!native.empty() && lstat(native.c_str(), &info) == 0) add(native.substr(native.rfind('/') + 1));
    return entries;
  }
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native_folder.c_str()), closedir);
  if (!dir) return entries;
  const bool drive_root = !folder.empty() && IsRootPath(folder);
  while (dirent* item = readdir(dir.get())) {
    std::string native_name = item->d_name;
    if (drive_root && (native_name == "." || native_name == "..")) continue;  // as Windows lists a root
    if (WildcardMatch(name_pattern, posix::TextFromUtf8(native_name))) add(native_name);
  }
  return entries;
}

EntryKind Probe(const Text& path) {
  std::string native = posix::ToNative(path);
  struct stat info {};
  if (native.empty() || stat(native.c_str(), &info) != 0) return EntryKind::Missing;
  return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool IsLink(const Text& path) {
  std::string native = posix::ToNative(path);
  struct stat info {};
  return !native.empty() && lstat(native.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool DeleteOneFile(const Text& path) {
  std::string native = posix::ToNative(path);
  struct stat info {};
  if (native.empty() || lstat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (!S_ISLNK(info.st_mode) && (ReadOnly(info) || InUse(native))) return false;
  return unlink(native.c_str()) == 0;
}

bool CreateOneFolder(const Text& path) {
  std::string native = posix::ToNative(path);
  return !native.empty() && mkdir(native.c_str(), 0755) == 0;
}

bool RemoveEmptyFolder(const Text& path) {
  std::string native = posix::ToNative(path);
  struct stat info {};
  if (native.empty() || lstat(native.c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode)) return unlink(native.c_str()) == 0;
  return S_ISDIR(info.st_mode) && rmdir(native.c_str()) == 0;
}

bool CopyOneFile(const Text& source, const Text& target) {
  File in = File::Open(source, File::Mode::kReadDenyWrite);
  if (!in.IsOpen()) return false;
  std::string native_source = posix::ToNative(source);
  struct stat source_info {};
  if (stat(native_source.c_str(), &source_info) != 0 || !S_ISREG(source_info.st_mode)) return false;

  File out = File::Open(target, File::Mode::kWriteExclusive);
  if (!out.IsOpen()) return false;
  std::vector<char> buffer(256 * 1024);
  for (std::uint64_t offset = 0;;) {
    std::int64_t got = in.ReadAt(offset, buffer.data(), buffer.size());
    if (got < 0) return false;
    if (got == 0) break;
    if (!out.Write(buffer.data(), static_cast<std::size_t>(got))) return false;
    offset += static_cast<std::uint64_t>(got);
  }
  // Windows copies the modification time and the read-only attribute along.
  out.SetModifiedTime(source_info.st_mtime);
  out.Close();
  if (ReadOnly(source_info)) SetReadOnly(target, true);
  return true;
}

bool MoveFileOver(const Text& source, const Text& target) {
  std::string from = posix::ToNative(source), to = posix::ToNative(target);
  if (from.empty() || to.empty()) return false;
  struct stat info {};
  if (lstat(to.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode) || ReadOnly(info) || InUse(to)) return false;
  }
  return rename(from.c_str(), to.c_str()) == 0;
}

bool SetReadOnly(const Text& path, bool read_only) {
  std::string native = posix::ToNative(path);
  struct stat info {};
  if (native.empty() || stat(native.c_str(), &info) != 0) return false;
  mode_t mode = read_only ? (info.st_mode & ~kWriteBits) : (info.st_mode | S_IWUSR);
  return chmod(native.c_str(), mode & 07777) == 0;
}

File File::Open(const Text& path, Mode mode) {
  std::string native = posix::ToNative(path);
  if (native.empty()) return {};
  struct stat info {};
  bool exists = stat(native.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return {};
  int fd = -1;
  if (mode == Mode::kReadDenyWrite) {
    fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && flock(fd, LOCK_SH | LOCK_NB) != 0) {
      close(fd);
      return {};
    }
  } else {
    if (exists && ReadOnly(info)) return {};
    fd = open(native.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    // Truncate only once the lock shows nobody else has the file open.
    if (fd >= 0 && (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0)) {
      close(fd);
      return {};
    }
  }
  return fd < 0 ? File() : File(fd);
}

void File::Close() {
  if (handle_ != kNoHandle) close(static_cast<int>(handle_));
  handle_ = kNoHandle;
}

std::int64_t File::Size() const {
  struct stat info {};
  if (!IsOpen() || fstat(static_cast<int>(handle_), &info) != 0) return -1;
  return info.st_size;
}

std::int64_t File::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
  if (!IsOpen()) return -1;
  for (;;) {
    ssize_t got = pread(static_cast<int>(handle_), buffer, size, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

bool File::Write(const void* data, std::size_t size) {
  return IsOpen() && WriteAll(static_cast<int>(handle_), data, size);
}

bool File::SetModifiedTime(std::int64_t unix_seconds) {
  if (!IsOpen()) return false;
  struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(unix_seconds), 0}};
  return futimens(static_cast<int>(handle_), times) == 0;
}

}  // namespace host::platform
