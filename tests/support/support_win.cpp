#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

#include "host/files.h"
#include "host/path.h"
#include "host/platform.h"
#include "host/win32/wide.h"
#include "support/test_support.h"

namespace test {
namespace {

// Clears read-only attributes below `folder` so the scratch tree can go at exit.
void MakeWritable(const host::Text& folder) {
  for (const auto& entry : host::platform::ListFolder(folder + "\\*.*")) {
    if (entry.name == "." || entry.name == "..") continue;
    host::Text child = folder + "\\" + entry.name;
    host::platform::SetReadOnly(child, false);
    if (entry.is_folder && !entry.is_link) MakeWritable(child);
  }
}

struct ScratchFolder {
  host::Text text;
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    // Wine reuses small process ids from run to run, so the clock makes the name unique.
    const host::Text base = host::win32::Narrow(temp) + "huiguang-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (unsigned long long stamp = GetTickCount64();; ++stamp) {
      text = base + std::to_string(stamp);
      if (host::MakeFolder(text)) break;
    }
  }
  ~ScratchFolder() {
    MakeWritable(text);
    host::RemoveFolderTree(text);
  }
};

bool MakeJunction(const host::Text& link, const host::Text& target) {
  if (!CreateDirectoryW(host::win32::Widen(link).c_str(), nullptr)) return false;
  HANDLE handle = CreateFileW(host::win32::Widen(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  std::wstring substitute = L"\\??\\" + host::win32::Widen(target);
  // A mount-point reparse buffer: tag, sizes, then substitute and print names.
  std::size_t names = (substitute.size() + 1) * 2 + 2;
  std::vector<BYTE> buffer(8 + 8 + names);
  auto put16 = [&](std::size_t at, std::size_t value) {
    buffer[at] = static_cast<BYTE>(value);
    buffer[at + 1] = static_cast<BYTE>(value >> 8);
  };
  DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  std::memcpy(buffer.data(), &tag, 4);
  put16(4, 8 + names);
  put16(8, 0);
  put16(10, substitute.size() * 2);
  put16(12, (substitute.size() + 1) * 2);
  put16(14, 0);
  std::memcpy(buffer.data() + 16, substitute.c_str(), (substitute.size() + 1) * 2);
  DWORD returned = 0;
  BOOL ok = DeviceIoControl(handle, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                            nullptr, 0, &returned, nullptr);
  CloseHandle(handle);
  if (!ok) RemoveDirectoryW(host::win32::Widen(link).c_str());
  return ok;
}

}  // namespace

const host::Text& ScratchRoot() {
  static ScratchFolder folder;
  return folder.text;
}

bool MakeFolderLink(const host::Text& link, const host::Text& target) {
  // Some systems report success without making the link: believe only what is there.
  if (CreateSymbolicLinkW(host::win32::Widen(link).c_str(), host::win32::Widen(target).c_str(),
                          SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
      host::platform::IsLink(link)) {
    return true;
  }
  return MakeJunction(link, target) && host::platform::IsLink(link);
}

std::string NativePath(const host::Text& path) { return path; }

host::Text DataFolder() {
  wchar_t module[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  host::Text exe = host::win32::Narrow(std::wstring_view(module, length));
  return host::ParentPath(exe) + "\\data";
}

}  // namespace test

namespace test {
host::Text OwnExecutableName() {
  wchar_t module[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  return host::LastPart(host::win32::Narrow(std::wstring_view(module, length)));
}
}  // namespace test

namespace test {
std::int64_t ModifiedTime(const host::Text& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(host::win32::Widen(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  ULARGE_INTEGER ticks{};
  ticks.LowPart = data.ftLastWriteTime.dwLowDateTime;
  ticks.HighPart = data.ftLastWriteTime.dwHighDateTime;
  return static_cast<std::int64_t>((ticks.QuadPart - 116444736000000000ULL) / 10000000ULL);
}
}  // namespace test
