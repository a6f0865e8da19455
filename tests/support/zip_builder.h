// Builds ZIP archives in memory with full control over every field, so tests can
// make well-formed, damaged and hostile archives on any system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace test {

struct ZipItem {
  std::string name;  // a folder entry ends with '/'
  std::string data;
  bool deflate = false;
  std::uint16_t flags = 0;
  std::optional<std::uint16_t> method;          // overrides stored/deflated
  std::optional<std::uint32_t> crc;             // overrides the true CRC-32
  std::optional<std::uint64_t> size;            // overrides the true size
  std::uint16_t dos_time = (12 << 11) | (30 << 5);  // 12:30:00
  std::uint16_t dos_date = ((2020 - 1980) << 9) | (6 << 5) | 15;  // 2020-06-15
  std::optional<std::uint32_t> unix_mtime;      // adds an extended-timestamp field
  bool data_descriptor = false;                 // sizes and CRC after the data
  bool zip64 = false;                           // sizes and offset in a ZIP64 field
};

struct ZipOptions {
  std::string comment;
  std::string prefix;  // junk bytes before the first entry
  bool zip64_end = false;
};

std::string BuildZip(const std::vector<ZipItem>& items, const ZipOptions& options = {});

std::uint32_t Crc32(const std::string& data);

}  // namespace test
