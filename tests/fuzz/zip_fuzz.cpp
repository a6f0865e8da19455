// libFuzzer entry for the ZIP reader: any bytes go through the central directory
// reader, the name check and the data reader. Besides crashes and sanitizer
// reports it traps on results that break the reader's promises.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/path.h"
#include "host/text.h"
#include "host/zip_archive.h"

namespace {

// Bounds per input: many entries may share one small deflate stream that
// expands a thousandfold, and the fuzzer wants thousands of inputs a second.
constexpr std::uint64_t kMaxEntrySize = 1u << 20;
constexpr std::uint64_t kMaxOutput = 2u << 20;
constexpr std::size_t kMaxEntries = 256;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A path SafeRelativePath accepted stays below the target: relative, `\`-joined,
// no part that Windows would read as "..", and no '/' or ':' byte at all (neither
// can be the second byte of a double-byte character).
void CheckSafe(std::string_view path) {
  if (path.empty()) return;
  Check(!host::IsSeparator(path.front()));
  Check(path.find_first_of("/:") == std::string_view::npos);
  for (const auto& part : host::SplitPath(path)) {
    Check(part.find_first_not_of(". ") != std::string_view::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const host::zip::MemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
  auto entries = host::zip::ReadCentralDirectory(source);
  if (!entries) return 0;
  std::size_t done = 0;
  std::uint64_t output = 0;
  for (const auto& entry : *entries) {
    if (++done > kMaxEntries) break;
    if (auto path = host::zip::SafeRelativePath(entry.name)) CheckSafe(*path);
    if (entry.size > kMaxEntrySize || output > kMaxOutput) continue;
    std::uint64_t seen = 0;
    auto result = host::zip::ReadEntryData(source, entry, [&](const std::uint8_t*, std::size_t count) {
      Check(count <= host::zip::kChunkSize);
      seen += count;
      return output + seen <= kMaxOutput;
    });
    output += seen;
    // Never more than the declared size reaches the sink; all of it when good.
    Check(seen <= entry.size);
    if (result == host::zip::EntryResult::kOk) Check(seen == entry.size);
  }
  return 0;
}
