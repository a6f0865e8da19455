#include "support/zip_builder.h"

#include <zlib.h>

namespace test {
namespace {

void Put(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())) + 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

}  // namespace

std::uint32_t Crc32(const std::string& data) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string BuildZip(const std::vector<ZipItem>& items, const ZipOptions& options) {
  std::string out = options.prefix;
  std::string central;
  for (const auto& item : items) {
    const std::string body = item.deflate ? RawDeflate(item.data) : item.data;
    const std::uint16_t method = item.method.value_or(item.deflate ? 8 : 0);
    const std::uint32_t crc = item.crc.value_or(Crc32(item.data));
    const std::uint64_t size = item.size.value_or(item.data.size());
    const std::uint64_t offset = out.size() - options.prefix.size();
    const std::uint16_t flags = static_cast<std::uint16_t>(item.flags | (item.data_descriptor ? 8 : 0));

    std::string extra;
    if (item.zip64) {
      Put(extra, 0x0001, 2);
      Put(extra, 24, 2);
      Put(extra, size, 8);
      Put(extra, body.size(), 8);
      Put(extra, offset, 8);
    }
    if (item.unix_mtime) {
      Put(extra, 0x5455, 2);
      Put(extra, 5, 2);
      Put(extra, 1, 1);
      Put(extra, *item.unix_mtime, 4);
    }
    auto sized = [&](std::uint64_t value) -> std::uint64_t { return item.zip64 ? 0xFFFFFFFF : value; };

    Put(out, 0x04034b50, 4);
    Put(out, item.zip64 ? 45 : 20, 2);
    Put(out, flags, 2);
    Put(out, method, 2);
    Put(out, item.dos_time, 2);
    Put(out, item.dos_date, 2);
    Put(out, item.data_descriptor ? 0 : crc, 4);
    Put(out, item.data_descriptor ? 0 : sized(body.size()), 4);
    Put(out, item.data_descriptor ? 0 : sized(size), 4);
    Put(out, item.name.size(), 2);
    Put(out, extra.size(), 2);
    out += item.name;
    out += extra;
    out += body;
    if (item.data_descriptor) {
      Put(out, 0x08074b50, 4);
      Put(out, crc, 4);
      Put(out, body.size(), item.zip64 ? 8 : 4);
      Put(out, size, item.zip64 ? 8 : 4);
    }

    Put(central, 0x02014b50, 4);
    Put(central, 0x0314, 2);  // made on Unix, version 2.0
    Put(central, item.zip64 ? 45 : 20, 2);
    Put(central, flags, 2);
    Put(central, method, 2);
    Put(central, item.dos_time, 2);
    Put(central, item.dos_date, 2);
    Put(central, crc, 4);
    Put(central, sized(body.size()), 4);
    Put(central, sized(size), 4);
    Put(central, item.name.size(), 2);
    Put(central, extra.size(), 2);
    Put(central, 0, 2);  // comment
    Put(central, 0, 2);  // disk
    Put(central, 0, 2);  // internal attributes
    Put(central, item.name.ends_with('/') ? 0x41ED0010u : 0x81A40000u, 4);
    Put(central, sized(offset), 4);
    central += item.name;
    central += extra;
  }
  const std::uint64_t central_offset = out.size() - options.prefix.size();
  out += central;
  if (options.zip64_end) {
    const std::uint64_t zip64_end_offset = out.size() - options.prefix.size();
    Put(out, 0x06064b50, 4);
    Put(out, 44, 8);
    Put(out, 45, 2);
    Put(out, 45, 2);
    Put(out, 0, 4);
    Put(out, 0, 4);
    Put(out, items.size(), 8);
    Put(out, items.size(), 8);
    Put(out, central.size(), 8);
    Put(out, central_offset, 8);
    Put(out, 0x07064b50, 4);
    Put(out, 0, 4);
    Put(out, zip64_end_offset, 8);
    Put(out, 1, 4);
  }
  Put(out, 0x06054b50, 4);
  Put(out, 0, 2);
  Put(out, 0, 2);
  Put(out, options.zip64_end ? 0xFFFF : items.size(), 2);
  Put(out, options.zip64_end ? 0xFFFF : items.size(), 2);
  Put(out, options.zip64_end ? 0xFFFFFFFF : central.size(), 4);
  Put(out, options.zip64_end ? 0xFFFFFFFF : central_offset, 4);
  Put(out, options.comment.size(), 2);
  out += options.comment;
  return out;
}

}  // namespace test
