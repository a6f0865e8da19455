// Damaged archives: lying directory fields, broken headers, corrupted data and
// files cut short. Extraction fails (0), and the damaged entry's file is never
// left behind: a file that was there keeps its bytes and its read-only mark.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>

#include "host/files.h"
#include "host/platform.h"
#include "host/zip.h"
#include "support/test_support.h"
#include "support/zip_builder.h"
#include "zip_tools.h"

namespace {

using ziptest::Tree;

constexpr char kVictim[] = "victim.bin";

// Several read chunks of data that deflate shrinks only partly.
std::string VictimData() {
  std::string data;
  std::uint32_t state = 777;
  while (data.size() < 300 * 1024) {
    for (int i = 0; i < 2048; ++i) {
      state = state * 1103515245u + 12345u;
      data += static_cast<char>(state >> 23);
    }
    data += std::string(2048, static_cast<char>(data.size() & 0x7F));
  }
  return data;
}

std::string Archive(bool deflate) {
  return test::BuildZip({{.name = "good.txt", .data = "good"},
                         {.name = kVictim, .data = VictimData(), .deflate = deflate},
                         {.name = "after.txt", .data = "after"}});
}

std::uint32_t Get(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
  return value;
}

void Put(std::string& bytes, std::size_t at, int size, std::uint32_t value) {
  for (int i = 0; i < size; ++i) bytes.at(at + static_cast<std::size_t>(i)) = static_cast<char>(value >> (8 * i));
}

// Where the victim's central header (PK 1 2, name at 46) or local header
// (PK 3 4, name at 30) starts.
std::size_t Header(const std::string& zip, bool central) {
  const std::string signature = central ? "PK\x01\x02" : "PK\x03\x04";
  const std::size_t name_at = central ? 46 : 30;
  const std::size_t length_at = central ? 28 : 26;
  for (std::size_t at = zip.find(signature); at != std::string::npos; at = zip.find(signature, at + 1)) {
    if (zip.compare(at + name_at, Get(zip, at + length_at, 2), kVictim) == 0) return at;
  }
  ADD_FAILURE() << "no header for the victim";
  return 0;
}

// Changes one field of the victim's central (or local) header.
std::function<std::string(std::string)> Field(bool central, std::size_t offset, int size,
                                              std::function<std::uint32_t(std::uint32_t)> change) {
  return [=](std::string zip) {
    const std::size_t at = Header(zip, central) + offset;
    Put(zip, at, size, change(Get(zip, at, size)));
    return zip;
  };
}

// Flips 16 bytes in the middle of the victim's stored or deflated data.
std::string CorruptData(std::string zip) {
  const std::size_t local = Header(zip, false);
  const std::size_t data = local + 30 + Get(zip, local + 26, 2) + Get(zip, local + 28, 2);
  const std::size_t middle = data + Get(zip, Header(zip, true) + 20, 4) / 2;
  for (std::size_t i = 0; i < 16; ++i) zip.at(middle + i) = static_cast<char>(zip.at(middle + i) ^ 0x5A);
  return zip;
}

// The archive cut short at the offset `at` picks.
std::function<std::string(std::string)> Cut(std::function<std::size_t(const std::string&)> at) {
  return [=](std::string zip) { return zip.substr(0, at(zip)); };
}

struct Case {
  const char* label;
  bool deflate;
  std::function<std::string(std::string)> damage;
};

const Case kCases[] = {
    {"CrcWrongInTheDirectory", true, Field(true, 16, 4, [](std::uint32_t v) { return v ^ 1; })},
    {"SizeLargerInTheDirectory", true, Field(true, 24, 4, [](std::uint32_t v) { return v + 1; })},
    {"SizeSmallerInTheDirectory", true, Field(true, 24, 4, [](std::uint32_t v) { return v - 1; })},
    {"StoredSizeLargerInTheDirectory", false, Field(true, 24, 4, [](std::uint32_t v) { return v + 1; })},
    {"CompressedSizePastTheEnd", true, Field(true, 20, 4, [](std::uint32_t) { return 0x7FFFFFF0u; })},
    {"CompressedSizeCutShort", true, Field(true, 20, 4, [](std::uint32_t v) { return v / 2; })},
    {"StoredCompressedSizeCutShort", false, Field(true, 20, 4, [](std::uint32_t v) { return v / 2; })},
    {"SizeSaturatedWithoutZip64Field", true, Field(true, 24, 4, [](std::uint32_t) { return 0xFFFFFFFFu; })},
    {"LocalHeaderOffsetOffByOne", true, Field(true, 42, 4, [](std::uint32_t v) { return v + 1; })},
    {"LocalHeaderOffsetPastTheEnd", true, Field(true, 42, 4, [](std::uint32_t) { return 0x7FFFFFF0u; })},
    {"LocalSignatureBroken", true, Field(false, 0, 4, [](std::uint32_t v) { return v ^ 0x100; })},
    {"LocalNameLengthPastTheData", true, Field(false, 26, 2, [](std::uint32_t) { return 0xFFFFu; })},
    {"DeflatedDataCorrupted", true, CorruptData},
    {"StoredDataCorrupted", false, CorruptData},
    {"CutInTheFirstHeader", true, Cut([](const std::string&) { return std::size_t{29}; })},
    {"CutInTheVictimsData", true, Cut([](const std::string& zip) { return zip.size() / 2; })},
    {"CutAtTheDirectory", true, Cut([](const std::string& zip) { return Get(zip, zip.size() - 22 + 16, 4); })},
    {"CutInTheDirectory", true, Cut([](const std::string& zip) { return Header(zip, true) + 30; })},
    {"CutBeforeTheEndRecord", true, Cut([](const std::string& zip) { return zip.size() - 22; })},
    {"CutInTheEndRecord", true, Cut([](const std::string& zip) { return zip.size() - 1; })},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.label; }

class DamagedArchiveTest : public ::testing::TestWithParam<Case> {};

TEST_P(DamagedArchiveTest, FailsAndLeavesNoDamagedFile) {
  const Case& c = GetParam();
  const host::Text work = test::NewScratchFolder();
  const host::Text archive = work + "\\damaged.zip";
  test::WriteFile(archive, c.damage(Archive(c.deflate)));

  enum class Before { kNothing, kFile, kReadOnlyFile };
  for (Before before : {Before::kNothing, Before::kFile, Before::kReadOnlyFile}) {
    SCOPED_TRACE(static_cast<int>(before));
    const host::Text target = work + "\\out" + std::to_string(static_cast<int>(before));
    ASSERT_TRUE(host::MakeFolderWithParents(target));
    const std::string victim = test::NativePath(target) + "/" + kVictim;
    if (before != Before::kNothing) {
      ziptest::WriteNativeFile(victim, "previous");
      if (before == Before::kReadOnlyFile) {
        ASSERT_TRUE(host::platform::SetReadOnly(target + "\\" + kVictim, true));
      }
    }
    const Tree was = ziptest::ReadTree(test::NativePath(target));

    EXPECT_EQ(host::ExtractZip(archive, target), 0);
    // Entries before the victim may be out; nothing else is, and the victim is as it was.
    ziptest::ExpectUntouched(ziptest::Without(ziptest::ReadTree(test::NativePath(target)), "good.txt"), was);
    struct stat info {};
    if (before == Before::kReadOnlyFile && stat(victim.c_str(), &info) == 0) {
      EXPECT_EQ(info.st_mode & S_IWUSR, 0u) << "the read-only mark was cleared";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedArchiveTest, ::testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.label); });

}  // namespace
