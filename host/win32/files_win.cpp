#include <windows.h>

#include "host/path.h"
#include "host/platform.h"
#include "host/win32/wide.h"

namespace host::platform {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

DWORD Attributes(const Text& path) { return GetFileAttributesW(win32::WinPath(path).c_str()); }

// Windows refuses to replace a read-only file by itself; Wine running as root
// maps the attribute to permission bits that root ignores, so we say it here.
bool IsReadOnlyFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

bool RefuseReadOnly(const std::wstring& path) {
  if (!IsReadOnlyFile(path)) return false;
  SetLastError(ERROR_ACCESS_DENIED);
  return true;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const Text& pattern) {
  std::vector<FolderEntry> entries;
  if (pattern.empty()) return entries;
  WIN32_FIND_DATAW found{};
  HANDLE find = FindFirstFileExW(win32::WinPath(pattern).c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    FolderEntry entry;
    entry.name = win32::Narrow(found.cFileName);
    entry.is_folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    entry.is_link = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return entries;
}

EntryKind Probe(const Text& path) {
  DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool IsLink(const Text& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool DeleteOneFile(const Text& path) {
  std::wstring wide = win32::WinPath(path);
  return !RefuseReadOnly(wide) && DeleteFileW(wide.c_str());
}

bool CreateOneFolder(const Text& path) { return CreateDirectoryW(win32::WinPath(path).c_str(), nullptr); }

bool RemoveEmptyFolder(const Text& path) { return RemoveDirectoryW(win32::WinPath(path).c_str()); }

bool CopyOneFile(const Text& source, const Text& target) {
  std::wstring wide_target = win32::WinPath(target);
  return !RefuseReadOnly(wide_target) && CopyFileW(win32::WinPath(source).c_str(), wide_target.c_str(), FALSE);
}

bool MoveFileOver(const Text& source, const Text& target) {
  std::wstring wide_target = win32::WinPath(target);
  return !RefuseReadOnly(wide_target) && MoveFileExW(win32::WinPath(source).c_str(), wide_target.c_str(),
                                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
}

bool SetReadOnly(const Text& path, bool read_only) {
  std::wstring wide = win32::WinPath(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (!read_only && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);  // "normal", as extraction leaves files
  }
  attributes = read_only ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
  return SetFileAttributesW(wide.c_str(), attributes);
}

File File::Open(const Text& path, Mode mode) {
  if (path.empty()) return {};
  std::wstring wide = win32::WinPath(path);
  if (mode == Mode::kWriteExclusive && RefuseReadOnly(wide)) return {};
  HANDLE handle = mode == Mode::kReadDenyWrite
                      ? CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)
                      : CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  return File(reinterpret_cast<std::intptr_t>(handle));
}

void File::Close() {
  if (handle_ != kNoHandle) CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

std::int64_t File::Size() const {
  LARGE_INTEGER size{};
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

std::int64_t File::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
  if (!IsOpen()) return -1;
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  DWORD wanted = static_cast<DWORD>(size > (1u << 30) ? (1u << 30) : size);
  if (!ReadFile(AsHandle(handle_), buffer, wanted, &got, &at)) {
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }
  return got;
}

bool File::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    DWORD chunk = static_cast<DWORD>(size > (1u << 30) ? (1u << 30) : size);
    DWORD written = 0;
    if (!IsOpen() || !WriteFile(AsHandle(handle_), bytes, chunk, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

bool File::SetModifiedTime(std::int64_t unix_seconds) {
  if (!IsOpen()) return false;
  ULARGE_INTEGER ticks{};
  ticks.QuadPart = static_cast<ULONGLONG>(unix_seconds) * 10000000ULL + 116444736000000000ULL;
  FILETIME time{ticks.LowPart, ticks.HighPart};
  return SetFileTime(AsHandle(handle_), nullptr, nullptr, &time);
}

}  // namespace host::platform
