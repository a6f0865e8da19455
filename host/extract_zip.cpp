#include <memory>
#include <string>

#include "host/files.h"
#include "host/path.h"
#include "host/platform.h"
#include "host/zip.h"
#include "host/zip_archive.h"

namespace host {
namespace {

using platform::EntryKind;
using platform::File;

class FileSource final : public zip::ZipSource {
 public:
  explicit FileSource(File file) : file_(std::move(file)), size_(file_.Size()) {}
  bool IsOpen() const { return file_.IsOpen() && size_ >= 0; }
  std::uint64_t Size() const override { return static_cast<std::uint64_t>(size_); }
  std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const override {
    return file_.ReadAt(offset, buffer, size);
  }

 private:
  File file_;
  std::int64_t size_;
};

// True for the local header signature with a non-zero word at offset 24, which
// a first entry with a name always has.
bool StartsLikeZip(const FileSource& source) {
  std::uint8_t head[32];
  if (source.ReadAt(0, head, sizeof head) != static_cast<std::int64_t>(sizeof head)) return false;
  std::uint32_t word24 = std::uint32_t{head[24]} | std::uint32_t{head[25]} << 8 |
                         std::uint32_t{head[26]} << 16 | std::uint32_t{head[27]} << 24;
  return head[0] == 0x50 && head[1] == 0x4B && head[2] == 0x03 && head[3] == 0x04 && word24 >= 1;
}

std::int64_t ModifiedTime(const zip::ZipEntry& entry) {
  if (entry.unix_mtime) return *entry.unix_mtime;
  platform::DateTime local;  // MS-DOS date and time, local wall clock
  local.year = 1980 + (entry.dos_date >> 9);
  local.month = (entry.dos_date >> 5) & 0x0F;
  local.day = entry.dos_date & 0x1F;
  local.hour = entry.dos_time >> 11;
  local.minute = (entry.dos_time >> 5) & 0x3F;
  local.second = (entry.dos_time & 0x1F) * 2;
  return platform::LocalToUnix(local);
}

// A name beside `path` that nothing uses yet: the archive itself may hold an
// entry called "<name>.hgpart", or the user may have such a file.
Text PartialPath(const Text& path) {
  Text partial = path + ".hgpart";
  // Listed even as a link to nothing, which Probe would call missing.
  for (int n = 1; !platform::ListFolder(partial).empty(); ++n) {
    partial = path + "." + std::to_string(n) + ".hgpart";
  }
  return partial;
}

// Writes the entry beside its destination and moves it into place only once its
// size and CRC-32 have checked out: a damaged entry never replaces a good file
// (nor clears its read-only mark) and never leaves a file that looks complete.
bool ExtractFile(const FileSource& source, const zip::ZipEntry& entry, const Text& path) {
  const EntryKind existing = platform::Probe(path);
  if (existing == EntryKind::Folder) return false;
  if (!MakeFolderWithParents(ParentPath(path))) return false;

  const Text partial = PartialPath(path);
  File out = File::Open(partial, File::Mode::kWriteExclusive);
  if (!out.IsOpen()) return false;
  auto result = zip::ReadEntryData(source, entry, [&](const std::uint8_t* data, std::size_t size) {
    return out.Write(data, size);
  });
  bool ok = result == zip::EntryResult::kOk;
  if (ok) {
    std::int64_t mtime = ModifiedTime(entry);
    if (mtime >= 0) out.SetModifiedTime(mtime);
  }
  out.Close();
  if (ok) {
    if (existing == EntryKind::File) platform::SetReadOnly(path, false);
    ok = platform::MoveFileOver(partial, path);
  }
  if (!ok) {
    platform::DeleteOneFile(partial);
    return false;
  }
  platform::SetReadOnly(path, false);
  return true;
}

}  // namespace

int ExtractZip(const Text& archive, const Text& folder) {
  if (archive.empty() || folder.empty() || !FileExists(archive)) return -1;
  if (!MakeFolderWithParents(folder)) return 0;

  FileSource source(File::Open(archive, File::Mode::kReadDenyWrite));
  if (!source.IsOpen() || !StartsLikeZip(source)) return 0;
  auto entries = zip::ReadCentralDirectory(source);
  if (!entries) return 0;

  const Text base = folder.back() == '\\' ? folder : folder + "\\";
  for (const auto& entry : *entries) {
    Text name = entry.utf8_name ? platform::TextFromUtf8(entry.name) : entry.name;
    auto relative = zip::SafeRelativePath(name);
    if (!relative) return 0;
    if (entry.is_folder) {
      if (!relative->empty() && !MakeFolderWithParents(base + *relative)) return 0;
    } else {
      if (relative->empty() || !ExtractFile(source, entry, base + *relative)) return 0;
    }
  }
  return 1;
}

}  // namespace host
