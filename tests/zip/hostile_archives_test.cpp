// Archives built to write outside the target folder. Every attempt must fail
// (result 0) and leave the whole scratch drive outside the target as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/files.h"
#include "host/zip.h"
#include "support/test_support.h"
#include "support/zip_builder.h"
#include "zip_tools.h"

namespace {

using namespace std::string_literals;
using ziptest::Node;
using ziptest::Quote;
using ziptest::Shell;
using ziptest::Tree;

constexpr std::uint16_t kUtf8Flag = 1 << 11;

class HostileArchiveTest : public ::testing::Test {
 protected:
  // The sentinel is where a climbing name lands; the target sits two levels below.
  const host::Text sentinel = test::NewScratchFolder();
  const host::Text target = sentinel + "\\in\\out";
  const std::string native_sentinel = test::NativePath(sentinel);
  const std::string native_target = native_sentinel + "/in/out";
  const std::string drive_root = std::filesystem::path(test::NativePath(test::ScratchRoot())).parent_path();

  // The whole scratch drive except the target: names, sizes and times.
  Tree Outside() const {
    return ziptest::Without(ziptest::ReadTree(drive_root, false),
                            std::filesystem::relative(native_target, drive_root).string());
  }

  void SetUp() override { ASSERT_TRUE(host::MakeFolderWithParents(target)); }

  // Expects the archive refused, with no file outside the target added, removed or rewritten.
  void ExpectRefused(const host::Text& archive, const std::string& why) {
    SCOPED_TRACE(why);
    const Tree before = Outside();
    EXPECT_EQ(host::ExtractZip(archive, target), 0);
    ziptest::ExpectUntouched(Outside(), before);
  }

  // `pattern` with {native} (the sentinel's native path), {text} (its path text)
  // and {rooted} (its path text without the drive) filled in.
  std::string Fill(std::string pattern) const {
    const std::pair<std::string, std::string> fields[] = {
        {"{native}", native_sentinel}, {"{text}", sentinel}, {"{rooted}", sentinel.substr(2)}};
    for (const auto& [field, value] : fields) {
      for (std::size_t at; (at = pattern.find(field)) != std::string::npos;) pattern.replace(at, field.size(), value);
    }
    return pattern;
  }
};

TEST_F(HostileArchiveTest, RefusesEverySpellingOfAWayOut) {
  struct Case {
    std::string name;
    std::uint16_t flags = 0;
  };
  const Case cases[] = {
      {"../../escaped.txt"},
      {"..\\..\\escaped.txt"},
      {"a/../../../escaped.txt"},
      {"a\\b/..\\../..//../../escaped.txt"},
      {"./../../escaped.txt"},
      {".. /.. /escaped.txt"},  // Windows drops trailing blanks and dots
      {"../..\\escaped.txt", kUtf8Flag},
      {"....//....//escaped.txt"},
      {"..\x81/..\x81/escaped.txt"},  // a lone lead byte before a separator
      {"\xC0\xAE\xC0\xAE/\xC0\xAE\xC0\xAE/escaped.txt", kUtf8Flag},  // overlong UTF-8 dots
      {"safe.txt\0/../../escaped.txt"s},
      {"{native}/escaped.txt"},
      {"{rooted}\\escaped.txt"},
      {"{text}\\escaped.txt"},
      {"{text}/escaped.txt", kUtf8Flag},
      {"T:escaped.txt"},
      {"T:..\\escaped.txt"},
      {"T:/escaped.txt"},
      {"C:\\escaped.txt"},
      {"C:../escaped.txt"},
      {"//server/share/escaped.txt"},
      {"\\\\?\\{text}\\escaped.txt"},
      {"\\\\.\\{text}\\escaped.txt"},
  };
  int count = 0;
  for (const auto& c : cases) {
    const std::string name = Fill(c.name);
    const host::Text archive = sentinel + "\\pack" + std::to_string(++count) + ".zip";
    test::WriteFile(archive, test::BuildZip({{.name = "first.txt", .data = "first"},
                                             {.name = name, .data = "escaped", .flags = c.flags}}));
    ExpectRefused(archive, name);
  }
}

// A link entry pointing out of the target, then a file "through" it, as an
// attacker makes them with zip itself. Links are written as plain files holding
// the link text, so the file below one has no folder to go to.
TEST_F(HostileArchiveTest, LinkEntriesNeverLeadOutside) {
  struct Case {
    const char* label;
    std::string link;
    bool file_through_link;
  };
  const Case cases[] = {
      {"absolute link", native_sentinel, true},
      {"relative link", "../..", true},
      {"link alone", "../../escaped.txt", false},
  };
  int count = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string folder = "make" + std::to_string(++count);
    const std::string work = native_sentinel + "/" + folder;
    const host::Text archive = sentinel + "\\" + folder + "\\pack.zip";
    ASSERT_TRUE(Shell("mkdir -p " + Quote(work + "/links") + " && cd " + Quote(work + "/links") + " && ln -s " +
                      Quote(c.link) + " link && zip -q -y ../pack.zip link"));
    if (c.file_through_link) {
      ASSERT_TRUE(Shell("mkdir -p " + Quote(work + "/files/link") + " && cd " + Quote(work + "/files") +
                        " && echo escaped > link/escaped.txt && zip -q ../pack.zip link/escaped.txt"));
      ExpectRefused(archive, c.label);
    } else {
      ASSERT_EQ(host::ExtractZip(archive, target), 1);
      const Tree extracted = ziptest::ReadTree(native_target);
      ASSERT_TRUE(extracted.contains("link"));
      EXPECT_EQ(extracted.at("link").kind, Node::Kind::kFile);
      EXPECT_EQ(extracted.at("link").content, c.link);
    }
  }
}

// Names that meet again: a later file replaces an earlier one, as Windows
// extractors do, and a file and a folder can never share a name.
TEST_F(HostileArchiveTest, DuplicateNamesEndAsDocumented) {
  struct Expected {
    std::string path;  // native, relative to the target; a folder ends with '/'
    std::string content;
  };
  struct Case {
    const char* label;
    std::vector<test::ZipItem> items;
    int result;
    std::vector<Expected> tree;
  };
  const Case cases[] = {
      {"same name twice", {{.name = "a.txt", .data = "one"}, {.name = "a.txt", .data = "two"}}, 1, {{"a.txt", "two"}}},
      {"names differing in letter case",
       {{.name = "Read.me", .data = "one"}, {.name = "sub/READ.ME", .data = "x"}, {.name = "READ.ME", .data = "two"}},
       1,
       {{"Read.me", "two"}, {"sub/", ""}, {"sub/READ.ME", "x"}}},
      {"same folder twice", {{.name = "d/"}, {.name = "D/"}, {.name = "d/f", .data = "f"}}, 1, {{"d/", ""}, {"d/f", "f"}}},
      {"file then folder", {{.name = "x", .data = "one"}, {.name = "x/"}}, 0, {{"x", "one"}}},
      {"folder then file", {{.name = "x/"}, {.name = "x", .data = "one"}}, 0, {{"x/", ""}}},
      {"file then a file below it", {{.name = "x", .data = "one"}, {.name = "x/y", .data = "two"}}, 0, {{"x", "one"}}},
      {"an entry named like the partial file of the next",
       {{.name = "a.hgpart", .data = "one"}, {.name = "a", .data = "two"}},
       1,
       {{"a.hgpart", "one"}, {"a", "two"}}},
  };
  int count = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const host::Text folder = target + "\\case" + std::to_string(++count);
    const host::Text archive = sentinel + "\\pack" + std::to_string(count) + ".zip";
    test::WriteFile(archive, test::BuildZip(c.items));
    EXPECT_EQ(host::ExtractZip(archive, folder), c.result);
    Tree expected;
    for (const auto& item : c.tree) {
      Node node;
      if (item.path.ends_with('/')) {
        node.kind = Node::Kind::kFolder;
      } else {
        node.content = item.content;
        node.size = static_cast<std::int64_t>(item.content.size());
      }
      expected.emplace(item.path.ends_with('/') ? item.path.substr(0, item.path.size() - 1) : item.path, node);
    }
    ziptest::ExpectSameTree(ziptest::ReadTree(test::NativePath(folder)), expected, -1);
  }
}

}  // namespace
