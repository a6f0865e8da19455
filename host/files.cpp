#include "host/files.h"

#include "host/path.h"
#include "host/platform.h"

namespace host {

using platform::EntryKind;

bool FileExists(const Text& path) {
  if (path.empty() || IsSeparator(path.back())) return false;
  return !platform::ListFolder(path).empty();
}

bool FolderExists(const Text& path) {
  TextView trimmed = path;
  if (!trimmed.empty() && trimmed.back() == '\\') trimmed.remove_suffix(1);
  std::size_t cut = LastSeparator(trimmed);
  Text parent = cut == TextView::npos ? Text() : Text(trimmed.substr(0, cut + 1));
  Text wanted = cut == TextView::npos ? Text(trimmed) : Text(trimmed.substr(cut + 1));
  for (const auto& entry : platform::ListFolder(parent + "*.*")) {
    if (entry.is_folder && entry.name == wanted) return true;
  }
  return false;
}

bool CopyFileOver(const Text& source, const Text& target) {
  if (source.empty() || target.empty()) return false;
  return platform::CopyOneFile(source, target);
}

bool RemoveFile(const Text& path) {
  if (path.empty()) return false;
  return platform::DeleteOneFile(path);
}

bool MakeFolder(const Text& path) {
  if (path.empty()) return false;
  return platform::CreateOneFolder(path);
}

bool MakeFolderWithParents(const Text& path) {
  if (path.empty()) return false;
  switch (platform::Probe(path)) {
    case EntryKind::Folder: return true;
    case EntryKind::File: return false;
    case EntryKind::Missing: break;
  }
  if (IsRootPath(path)) return false;  // a missing drive
  Text parent = ParentPath(NormalizePath(path));
  if (!parent.empty() && !IsRootPath(parent) && !MakeFolderWithParents(parent)) return false;
  return platform::CreateOneFolder(path) || platform::Probe(path) == EntryKind::Folder;
}

namespace {

// Empties `folder` (already known to be a real folder, not a link) and removes it.
bool RemoveTreeBelow(const Text& folder) {
  for (const auto& entry : platform::ListFolder(folder + "\\*.*")) {
    if (entry.name.empty() || entry.name[0] == '.') continue;
    Text child = folder + "\\" + entry.name;
    if (entry.is_link) {
      // Remove the link itself; what it points to is not ours to delete.
      if (!platform::DeleteOneFile(child)) platform::RemoveEmptyFolder(child);
    } else if (entry.is_folder) {
      RemoveTreeBelow(child);
    } else {
      platform::DeleteOneFile(child);
    }
  }
  return platform::RemoveEmptyFolder(folder);
}

}  // namespace

bool RemoveFolderTree(const Text& path) {
  if (IsRootPath(path)) return false;  // also "" and blanks only
  Text folder = path.substr(path.find_first_not_of(' '));
  if (platform::IsLink(folder)) {
    return platform::DeleteOneFile(folder) || platform::RemoveEmptyFolder(folder);
  }
  return RemoveTreeBelow(folder);
}

Bytes ReadWholeFile(const Text& path) {
  if (path.empty()) return {};
  auto file = platform::File::Open(path, platform::File::Mode::kReadDenyWrite);
  if (!file.IsOpen()) return {};
  std::int64_t size = file.Size();
  if (size <= 0) return {};
  Bytes content(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < content.size()) {
    std::int64_t got = file.ReadAt(done, content.data() + done, content.size() - done);
    if (got <= 0) return {};
    done += static_cast<std::size_t>(got);
  }
  return content;
}

bool WriteWholeFile(const Text& path, std::initializer_list<std::span<const std::uint8_t>> buffers) {
  if (path.empty()) return false;
  auto file = platform::File::Open(path, platform::File::Mode::kWriteExclusive);
  if (!file.IsOpen()) return false;
  for (auto buffer : buffers) {
    if (!buffer.empty() && !file.Write(buffer.data(), buffer.size())) return false;
  }
  return true;
}

}  // namespace host
