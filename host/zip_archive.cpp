#include "host/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "host/path.h"

namespace host::zip {
namespace {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kZip64LocatorSize = 20;
constexpr std::size_t kZip64EndSize = 56;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kMaxCommentSize = 0xFFFF;
constexpr std::uint16_t kFlagEncrypted = 1 << 0;
constexpr std::uint16_t kFlagUtf8 = 1 << 11;
constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;

// Little-endian field reader over a byte span that never reads past its end.
class Fields {
 public:
  Fields(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Has(std::size_t count) const { return size_ - at_ >= count; }
  std::uint64_t Read(std::size_t bytes) {
    if (!Has(bytes)) {
      ok_ = false;
      at_ = size_;
      return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= std::uint64_t{data_[at_ + i]} << (8 * i);
    at_ += bytes;
    return value;
  }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Read(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Read(4)); }
  std::uint64_t U64() { return Read(8); }
  std::string_view Bytes(std::size_t count) {
    if (!Has(count)) {
      ok_ = false;
      at_ = size_;
      return {};
    }
    std::string_view view(reinterpret_cast<const char*>(data_ + at_), count);
    at_ += count;
    return view;
  }
  void Skip(std::size_t count) { Bytes(count); }
  bool ok() const { return ok_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

bool ReadExactly(const ZipSource& source, std::uint64_t offset, void* buffer, std::size_t size) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (size > 0) {
    std::int64_t got = source.ReadAt(offset, out, size);
    if (got <= 0) return false;
    out += got;
    offset += static_cast<std::uint64_t>(got);
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

struct Directory {
  std::uint64_t entry_count = 0;
  std::uint64_t size = 0;
  std::uint64_t offset = 0;
};

// Finds the end-of-central-directory record (the last one in the trailing 64 KiB
// whose comment length fits the file) and its ZIP64 counterpart if there is one.
std::optional<Directory> FindDirectory(const ZipSource& source) {
  const std::uint64_t file_size = source.Size();
  if (file_size < kEndSize) return std::nullopt;
  const std::size_t tail_size =
      static_cast<std::size_t>(std::min<std::uint64_t>(file_size, kEndSize + kMaxCommentSize));
  std::vector<std::uint8_t> tail(tail_size);
  const std::uint64_t tail_start = file_size - tail_size;
  if (!ReadExactly(source, tail_start, tail.data(), tail.size())) return std::nullopt;

  for (std::size_t at = tail_size - kEndSize + 1; at-- > 0;) {
    Fields end(tail.data() + at, tail_size - at);
    if (end.U32() != kEndSignature) continue;
    end.Skip(6);  // disk numbers, entries on this disk
    Directory directory;
    directory.entry_count = end.U16();
    directory.size = end.U32();
    directory.offset = end.U32();
    std::size_t comment_size = end.U16();
    if (at + kEndSize + comment_size > tail_size) continue;  // a signature inside the comment

    const std::uint64_t end_offset = tail_start + at;
    if (end_offset >= kZip64LocatorSize) {
      std::array<std::uint8_t, kZip64LocatorSize> locator_bytes{};
      if (ReadExactly(source, end_offset - kZip64LocatorSize, locator_bytes.data(), locator_bytes.size())) {
        Fields locator(locator_bytes.data(), locator_bytes.size());
        if (locator.U32() == kZip64LocatorSignature) {
          locator.Skip(4);
          std::uint64_t zip64_end_offset = locator.U64();
          std::array<std::uint8_t, kZip64EndSize> zip64_bytes{};
          if (!ReadExactly(source, zip64_end_offset, zip64_bytes.data(), zip64_bytes.size())) return std::nullopt;
          Fields zip64(zip64_bytes.data(), zip64_bytes.size());
          if (zip64.U32() != kZip64EndSignature) return std::nullopt;
          zip64.Skip(8 + 2 + 2 + 4 + 4 + 8);  // record size, versions, disks, entries on disk
          directory.entry_count = zip64.U64();
          directory.size = zip64.U64();
          directory.offset = zip64.U64();
        }
      }
    }
    if (directory.offset > file_size || directory.size > file_size - directory.offset) return std::nullopt;
    return directory;
  }
  return std::nullopt;
}

constexpr std::int64_t kUnixEpochInFiletime = 116444736000000000LL;  // 100 ns ticks

void ReadExtraFields(std::string_view extra, ZipEntry& entry, bool need_size, bool need_compressed,
                     bool need_offset, bool& ok) {
  Fields fields(reinterpret_cast<const std::uint8_t*>(extra.data()), extra.size());
  while (fields.Has(4)) {
    std::uint16_t id = fields.U16();
    std::uint16_t length = fields.U16();
    std::string_view body = fields.Bytes(length);
    if (!fields.ok()) break;  // a short trailing extra field is ignored, as other readers do
    Fields data(reinterpret_cast<const std::uint8_t*>(body.data()), body.size());
    if (id == 0x0001) {  // ZIP64: the 64-bit values whose 32-bit fields are saturated
      if (need_size) entry.size = data.U64();
      if (need_compressed) entry.compressed_size = data.U64();
      if (need_offset) entry.local_header_offset = data.U64();
      if (!data.ok()) ok = false;
      need_size = need_compressed = need_offset = false;
    } else if (id == 0x5455 && data.Has(5)) {  // extended timestamp
      std::uint8_t which = static_cast<std::uint8_t>(data.Read(1));
      if (which & 1) entry.unix_mtime = static_cast<std::int32_t>(data.U32());
    } else if (id == 0x000a && data.Has(4) && !entry.unix_mtime) {  // NTFS times
      data.Skip(4);
      while (data.Has(4)) {
        std::uint16_t tag = data.U16();
        std::uint16_t tag_size = data.U16();
        if (tag == 1 && tag_size >= 8 && data.Has(8)) {
          // Unsigned 100 ns ticks since 1601: any of them converts without overflow.
          entry.unix_mtime = static_cast<std::int64_t>(data.U64() / 10000000) - kUnixEpochInFiletime / 10000000;
          break;
        }
        data.Skip(tag_size);
      }
    }
  }
  if (need_size || need_compressed || need_offset) ok = false;  // saturated but no ZIP64 field
}

// The second byte of a code page 936 double-byte character.
bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// CON, NUL, COM1 ... open the device instead of a file, whatever the extension.
bool IsDeviceName(std::string_view part) {
  std::string stem(part.substr(0, part.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  bool numbered = stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
                  stem[3] >= '1' && stem[3] <= '9';
  return numbered || std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end();
}

}  // namespace

std::int64_t MemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
  if (offset > bytes_.size()) return -1;
  std::size_t count = std::min<std::size_t>(size, bytes_.size() - static_cast<std::size_t>(offset));
  std::memcpy(buffer, bytes_.data() + offset, count);
  return static_cast<std::int64_t>(count);
}

std::optional<std::vector<ZipEntry>> ReadCentralDirectory(const ZipSource& source) {
  auto directory = FindDirectory(source);
  if (!directory) return std::nullopt;
  // Each central header takes at least 46 bytes: a count that cannot fit is a lie.
  if (directory->entry_count > directory->size / kCentralHeaderSize) return std::nullopt;

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(directory->size));
  if (!ReadExactly(source, directory->offset, bytes.data(), bytes.size())) return std::nullopt;
  Fields fields(bytes.data(), bytes.size());

  std::vector<ZipEntry> entries;
  entries.reserve(static_cast<std::size_t>(directory->entry_count));
  for (std::uint64_t i = 0; i < directory->entry_count; ++i) {
    if (fields.U32() != kCentralHeaderSignature) return std::nullopt;
    ZipEntry entry;
    fields.Skip(4);  // versions
    entry.flags = fields.U16();
    entry.method = fields.U16();
    entry.dos_time = fields.U16();
    entry.dos_date = fields.U16();
    entry.crc32 = fields.U32();
    std::uint32_t compressed_size = fields.U32();
    std::uint32_t size = fields.U32();
    std::uint16_t name_length = fields.U16();
    std::uint16_t extra_length = fields.U16();
    std::uint16_t comment_length = fields.U16();
    fields.Skip(2 + 2 + 4);  // disk, internal and external attributes
    std::uint32_t offset = fields.U32();
    entry.name = std::string(fields.Bytes(name_length));
    std::string_view extra = fields.Bytes(extra_length);
    fields.Skip(comment_length);
    if (!fields.ok()) return std::nullopt;

    entry.compressed_size = compressed_size;
    entry.size = size;
    entry.local_header_offset = offset;
    bool ok = true;
    ReadExtraFields(extra, entry, size == 0xFFFFFFFF, compressed_size == 0xFFFFFFFF, offset == 0xFFFFFFFF, ok);
    if (!ok) return std::nullopt;
    entry.utf8_name = (entry.flags & kFlagUtf8) != 0;
    entry.is_folder = !entry.name.empty() && (entry.name.back() == '/' || entry.name.back() == '\\');
    entries.push_back(std::move(entry));
  }
  return entries;
}

EntryResult ReadEntryData(const ZipSource& source, const ZipEntry& entry, const EntrySink& sink) {
  if (entry.flags & kFlagEncrypted) return EntryResult::kUnsupported;
  if (entry.method != kMethodStored && entry.method != kMethodDeflated) return EntryResult::kUnsupported;

  std::array<std::uint8_t, kLocalHeaderSize> header_bytes{};
  if (!ReadExactly(source, entry.local_header_offset, header_bytes.data(), header_bytes.size())) {
    return EntryResult::kDamaged;
  }
  Fields header(header_bytes.data(), header_bytes.size());
  if (header.U32() != kLocalHeaderSignature) return EntryResult::kDamaged;
  header.Skip(22);
  std::uint64_t data_offset = entry.local_header_offset + kLocalHeaderSize + header.U16();
  data_offset += header.U16();
  const std::uint64_t file_size = source.Size();
  if (data_offset > file_size || entry.compressed_size > file_size - data_offset) return EntryResult::kDamaged;
  if (entry.method == kMethodStored && entry.compressed_size != entry.size) return EntryResult::kDamaged;

  std::vector<std::uint8_t> input(kChunkSize);
  std::uint64_t remaining = entry.compressed_size;
  std::uint64_t position = data_offset;
  std::uint64_t produced = 0;
  uLong crc = crc32(0L, Z_NULL, 0);

  auto next_input = [&]() -> std::size_t {
    std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, input.size()));
    if (count == 0 || !ReadExactly(source, position, input.data(), count)) return 0;
    position += count;
    remaining -= count;
    return count;
  };
  // Counts and checks every byte before the sink sees it: a stream longer than its
  // declared size stops at once.
  auto deliver = [&](const std::uint8_t* data, std::size_t count) -> EntryResult {
    if (count > entry.size - produced) return EntryResult::kDamaged;
    produced += count;
    crc = crc32_z(crc, data, count);
    return sink(data, count) ? EntryResult::kOk : EntryResult::kSinkFailed;
  };

  if (entry.method == kMethodStored) {
    while (remaining > 0) {
      std::size_t count = next_input();
      if (count == 0) return EntryResult::kDamaged;
      if (auto result = deliver(input.data(), count); result != EntryResult::kOk) return result;
    }
  } else {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return EntryResult::kDamaged;
    std::unique_ptr<z_stream, int (*)(z_stream*)> guard(&stream, inflateEnd);
    std::vector<std::uint8_t> output(kChunkSize);
    int status = Z_OK;
    while (status != Z_STREAM_END) {
      if (stream.avail_in == 0) {
        std::size_t count = next_input();
        if (count == 0) return EntryResult::kDamaged;  // the stream ends before its data does
        stream.next_in = input.data();
        stream.avail_in = static_cast<uInt>(count);
      }
      stream.next_out = output.data();
      stream.avail_out = static_cast<uInt>(output.size());
      status = inflate(&stream, Z_NO_FLUSH);
      if (status != Z_OK && status != Z_STREAM_END) return EntryResult::kDamaged;
      std::size_t count = output.size() - stream.avail_out;
      if (auto result = deliver(output.data(), count); result != EntryResult::kOk) return result;
    }
  }
  if (produced != entry.size || crc != entry.crc32) return EntryResult::kDamaged;
  return EntryResult::kOk;
}

std::optional<std::string> SafeRelativePath(std::string_view name) {
  if (name.empty() || IsSeparator(name.front())) return std::nullopt;
  std::string path;
  for (std::string part : SplitPath(name)) {
    if (part == ".") continue;
    if (part.find_first_not_of(". ") == std::string::npos) return std::nullopt;  // "..", "...", " "
    for (std::size_t at = 0; at < part.size(); ++at) {
      auto c = static_cast<unsigned char>(part[at]);
      if (IsLeadByte(c)) {
        // A lead byte without its trail byte would swallow the next character,
        // a separator say, here but not in the system's own conversion.
        if (at + 1 == part.size() || !IsTrailByte(static_cast<unsigned char>(part[at + 1]))) return std::nullopt;
        ++at;  // a trail byte may look like '|' or '\\'
      } else if (c < 0x20 || std::strchr("<>:\"|?*", c) != nullptr) {
        return std::nullopt;
      }
    }
    if (IsDeviceName(part)) return std::nullopt;
    if (!path.empty()) path += '\\';
    path += part;
  }
  return path;
}

}  // namespace host::zip
