#include "host/shell_link.h"

#include <array>
#include <cstring>
#include <string>

namespace host {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr std::array<std::uint8_t, 16> kShellLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum LinkFlags : std::uint32_t {
  kHasTargetIdList = 0x1,
  kHasLinkInfo = 0x2,
  kHasName = 0x4,
  kHasRelativePath = 0x8,
  kHasWorkingDir = 0x10,
  kHasArguments = 0x20,
  kIsUnicode = 0x80,
};
enum LinkInfoFlags : std::uint32_t { kVolumeIdAndLocalBasePath = 0x1, kCommonNetworkRelativeLink = 0x2 };

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t position() const { return at_; }
  bool Has(std::size_t count) const { return bytes_.size() - at_ >= count; }
  std::uint32_t Read(std::size_t count) {
    if (!Has(count)) {
      ok_ = false;
      at_ = bytes_.size();
      return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= std::uint32_t{bytes_[at_ + i]} << (8 * i);
    at_ += count;
    return value;
  }
  void Skip(std::size_t count) {
    if (!Has(count)) ok_ = false;
    at_ = Has(count) ? at_ + count : bytes_.size();
  }
  bool ok() const { return ok_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// A zero-terminated byte string at `offset` within `block`.
Text AnsiAt(std::span<const std::uint8_t> block, std::size_t offset) {
  if (offset >= block.size()) return {};
  Text text;
  for (std::size_t i = offset; i < block.size() && block[i] != 0; ++i) text += static_cast<char>(block[i]);
  return text;
}

std::u16string WideAt(std::span<const std::uint8_t> block, std::size_t offset) {
  std::u16string text;
  for (std::size_t i = offset; i + 1 < block.size(); i += 2) {
    char16_t c = static_cast<char16_t>(block[i] | (block[i + 1] << 8));
    if (c == 0) break;
    text += c;
  }
  return text;
}

Text JoinPath(Text base, const Text& suffix) {
  if (!base.empty() && !suffix.empty() && base.back() != '\\') base += '\\';
  return base + suffix;
}

// The target from the link-info block: a local path, or a share and suffix.
Text TargetFromLinkInfo(std::span<const std::uint8_t> info, Utf16ToText to_text) {
  Reader reader(info);
  reader.Skip(4);
  std::uint32_t header_size = reader.Read(4);
  std::uint32_t flags = reader.Read(4);
  reader.Skip(4);  // volume id offset
  std::uint32_t local_base = reader.Read(4);
  std::uint32_t network = reader.Read(4);
  std::uint32_t suffix_offset = reader.Read(4);
  std::uint32_t local_base_wide = 0, suffix_wide = 0;
  if (header_size >= 0x24) {
    local_base_wide = reader.Read(4);
    suffix_wide = reader.Read(4);
  }
  if (!reader.ok()) return {};
  Text suffix = suffix_wide ? to_text(WideAt(info, suffix_wide)) : AnsiAt(info, suffix_offset);
  if (flags & kVolumeIdAndLocalBasePath) {
    Text base = local_base_wide ? to_text(WideAt(info, local_base_wide)) : AnsiAt(info, local_base);
    return JoinPath(base, suffix);
  }
  if ((flags & kCommonNetworkRelativeLink) && network < info.size()) {
    Reader share(info.subspan(network));
    share.Skip(8);  // size, flags
    std::uint32_t name_offset = share.Read(4);
    if (!share.ok()) return {};
    return JoinPath(AnsiAt(info.subspan(network), name_offset), suffix);
  }
  return {};
}

// The target from the item-id list: a drive item ("C:\") followed by file-system
// items, each naming one part (the long name of its 0xBEEF0004 extension if any).
Text TargetFromIdList(std::span<const std::uint8_t> list, Utf16ToText to_text) {
  Text path;
  for (std::size_t at = 0; at + 2 <= list.size();) {
    std::size_t size = list[at] | (list[at + 1] << 8);
    if (size == 0) break;
    if (size < 3 || at + size > list.size()) return {};
    auto item = list.subspan(at, size);
    std::uint8_t type = item[2] & 0x70;
    if (type == 0x20 && size >= 6) {  // a drive
      path = AnsiAt(item, 3);
      if (!path.empty() && path.back() == '\\') path.pop_back();
    } else if (type == 0x30 && size >= 15 && !path.empty()) {  // a folder or file
      const bool wide_name = item[2] & 0x04;
      Text name = wide_name ? to_text(WideAt(item, 14)) : AnsiAt(item, 14);
      std::size_t after_name = wide_name ? 14 + (WideAt(item, 14).size() + 1) * 2 : 14 + name.size() + 1;
      after_name += after_name & 1;
      // The extension block holds the long Unicode name.
      if (after_name + 8 <= size) {
        std::size_t ext_size = item[after_name] | (item[after_name + 1] << 8);
        std::uint32_t signature = item[after_name + 4] | (item[after_name + 5] << 8) |
                                  (item[after_name + 6] << 16) | (std::uint32_t{item[after_name + 7]} << 24);
        if (signature == 0xBEEF0004 && after_name + ext_size <= size && ext_size >= 0x14) {
          std::uint16_t version = static_cast<std::uint16_t>(item[after_name + 2] | (item[after_name + 3] << 8));
          std::size_t long_name = after_name + (version >= 7 ? 0x2E : version >= 3 ? 0x1A : 0x14);
          if (version >= 8) long_name += 4;
          Text wide = to_text(WideAt(item.subspan(0, after_name + ext_size), long_name));
          if (!wide.empty()) name = wide;
        }
      }
      path += "\\" + name;
    }
    at += size;
  }
  return path;
}

}  // namespace

std::optional<platform::Shortcut> ParseShellLink(std::span<const std::uint8_t> bytes, Utf16ToText to_text) {
  Reader reader(bytes);
  if (reader.Read(4) != kHeaderSize || !reader.Has(16) ||
      std::memcmp(bytes.data() + 4, kShellLinkClsid.data(), 16) != 0) {
    return std::nullopt;
  }
  reader.Skip(16);
  std::uint32_t flags = reader.Read(4);
  reader.Skip(kHeaderSize - 24);

  platform::Shortcut shortcut;
  Text from_id_list;
  if (flags & kHasTargetIdList) {
    std::size_t size = reader.Read(2);
    if (!reader.Has(size)) return std::nullopt;
    from_id_list = TargetFromIdList(bytes.subspan(reader.position(), size), to_text);
    reader.Skip(size);
  }
  if (flags & kHasLinkInfo) {
    std::size_t start = reader.position();
    std::size_t size = reader.Read(4);
    if (size < 4 || bytes.size() - start < size) return std::nullopt;
    shortcut.target = TargetFromLinkInfo(bytes.subspan(start, size), to_text);
    reader.Skip(size - 4);
  }
  if (shortcut.target.empty()) shortcut.target = from_id_list;

  // String data: name, relative path, working folder, arguments, in this order.
  const bool wide = flags & kIsUnicode;
  for (std::uint32_t which : {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments}) {
    if (!(flags & which)) continue;
    std::size_t count = reader.Read(2);
    std::size_t size = wide ? count * 2 : count;
    if (!reader.Has(size)) return std::nullopt;
    auto text = bytes.subspan(reader.position(), size);
    reader.Skip(size);
    if (which == kHasArguments) {
      shortcut.arguments = wide ? to_text(WideAt(text, 0)) : Text(text.begin(), text.end());
    }
  }
  if (!reader.ok()) return std::nullopt;
  return shortcut;
}

}  // namespace host
