// A ZIP archive reader on zlib's raw inflate: the central directory (with ZIP64),
// entry data streamed in fixed chunks and checked against its size and CRC-32.
// I/O goes through ZipSource so the reader runs over files and memory alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::zip {

class ZipSource {
 public:
  virtual ~ZipSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads up to `size` bytes at `offset`; the count read, or -1 on error.
  virtual std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const = 0;
};

class MemorySource final : public ZipSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const override;

 private:
  std::string_view bytes_;
};

struct ZipEntry {
  std::string name;  // the stored bytes, '/' as stored
  bool utf8_name = false;
  bool is_folder = false;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  std::uint32_t crc32 = 0;
  std::uint64_t compressed_size = 0;
  std::uint64_t size = 0;
  std::uint64_t local_header_offset = 0;
  std::uint16_t dos_time = 0;
  std::uint16_t dos_date = 0;
  // Modification time from an extended-timestamp or NTFS extra field, in Unix seconds.
  std::optional<std::int64_t> unix_mtime;
};

// Reads the central directory in its order. Empty optional if the source is not
// a readable ZIP archive.
std::optional<std::vector<ZipEntry>> ReadCentralDirectory(const ZipSource& source);

enum class EntryResult {
  kOk,
  kUnsupported,  // encrypted, or a method other than stored and deflated
  kDamaged,      // bad header, truncated data, wrong size or CRC-32
  kSinkFailed,   // the sink refused the data
};

// Receives the entry's data in order; returns false to stop.
using EntrySink = std::function<bool(const std::uint8_t* data, std::size_t size)>;

// Streams one entry's data through `sink` in chunks of at most kChunkSize bytes.
EntryResult ReadEntryData(const ZipSource& source, const ZipEntry& entry, const EntrySink& sink);

inline constexpr std::size_t kChunkSize = 64 * 1024;

// The entry's path below the target folder, with `\` separators, or nothing if
// it is unsafe: absolute, with a drive or stream colon, climbing with "..", a
// reserved device name, or characters Windows does not allow in a name.
// Empty and "." parts are dropped, so "./" gives "" (the target itself).
// `name` is GBK text: double-byte characters are stepped over whole.
std::optional<std::string> SafeRelativePath(std::string_view name);

}  // namespace host::zip
