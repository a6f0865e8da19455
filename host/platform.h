// The small interface each backend (win32/, posix/) implements. The portable
// operations in files.cpp, zip and shell are written against it; paths are GBK
// texts as the rest of the program holds them, converted only inside a backend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "host/text.h"

namespace host::platform {

struct FolderEntry {
  Text name;
  bool is_folder = false;
  // A symbolic link, junction or other reparse point: removed, never entered.
  bool is_link = false;
};

// Entries of the folder `pattern` names, whose name matches the pattern's last
// part (`*`, `?` allowed); "." and ".." are listed below a drive root, as
// Windows lists them. Empty when the folder is missing or nothing matches.
std::vector<FolderEntry> ListFolder(const Text& pattern);

enum class EntryKind { Missing, File, Folder };
// What the path names; a link counts as what it points to.
EntryKind Probe(const Text& path);
bool IsLink(const Text& path);

bool DeleteOneFile(const Text& path);      // false if missing, read-only or in use
bool CreateOneFolder(const Text& path);    // the parent must exist
bool RemoveEmptyFolder(const Text& path);  // or a link to a folder, never its target
bool CopyOneFile(const Text& source, const Text& target);  // replaces a writable target
// Renames a file, replacing an existing writable target.
bool MoveFileOver(const Text& source, const Text& target);
bool SetReadOnly(const Text& path, bool read_only);

// An open file. Move-only; closes itself.
class File {
 public:
  enum class Mode {
    kReadDenyWrite,    // fails while someone writes; blocks writers while open
    kWriteExclusive,   // create or truncate; nobody else may open it meanwhile
  };
  static File Open(const Text& path, Mode mode);

  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  bool IsOpen() const { return handle_ != kNoHandle; }
  // -1 when the size cannot be read.
  std::int64_t Size() const;
  // Reads up to `size` bytes at `offset`; the count read, or -1 on error.
  std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const;
  bool Write(const void* data, std::size_t size);
  bool SetModifiedTime(std::int64_t unix_seconds);
  void Close();

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  explicit File(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_ = kNoHandle;
};

// UTF-8 (as ZIP archives may store names) to GBK; unmappable characters become '?'.
Text TextFromUtf8(std::string_view utf8);

// Calls `visit(id, executable file name)` for each running process until it
// returns false. False if the processes cannot be listed.
bool ForEachProcess(const std::function<bool(std::uint32_t id, const Text& exe_name)>& visit);

// The target path and arguments of a shell link (.lnk) file.
struct Shortcut {
  Text target;
  Text arguments;
};
std::optional<Shortcut> ReadShortcut(const Text& path);

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int weekday = 0;  // 0 Sunday
};

DateTime LocalNow();
// Seconds since 1970 (UTC) of a local wall-clock time; -1 if it does not exist.
std::int64_t LocalToUnix(const DateTime& local);

}  // namespace host::platform
