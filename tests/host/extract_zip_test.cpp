#include <gtest/gtest.h>

#include "host/files.h"
#include "host/platform.h"
#include "host/zip.h"
#include "support/test_support.h"
#include "support/zip_builder.h"

using namespace host;
using test::BuildZip;
using test::ReadFile;
using test::WriteFile;
using test::ZipItem;

class ExtractZipTest : public ::testing::Test {
 protected:
  Text dir = test::NewScratchFolder();
  Text At(const Text& name) const { return dir + "\\" + name; }
  Text Archive(const std::vector<ZipItem>& items, const test::ZipOptions& options = {}) {
    Text path = At("pack" + std::to_string(++archives_) + ".zip");
    WriteFile(path, BuildZip(items, options));
    return path;
  }

 private:
  int archives_ = 0;
};

TEST_F(ExtractZipTest, ResultCodesForMissingAndForeignArchives) {
  EXPECT_EQ(ExtractZip(At("missing.zip"), At("out1")), -1);
  EXPECT_FALSE(FileExists(At("out1")));
  EXPECT_EQ(ExtractZip("", At("out1")), -1);
  EXPECT_EQ(ExtractZip(Archive({{.name = "a", .data = "x"}}), ""), -1);

  WriteFile(At("text.zip"), std::string(64, 'x'));
  EXPECT_EQ(ExtractZip(At("text.zip"), At("out2")), 0);
  EXPECT_TRUE(FolderExists(At("out2")));  // made before the archive is looked at

  struct Case {
    const char* why;
    std::string bytes;
  } cases[] = {
      {"empty archive", BuildZip({})},
      {"junk before the first entry", BuildZip({{.name = "a", .data = "x"}}, {.prefix = "MZjunk"})},
      {"shorter than a header", "PK\x03\x04"},
      {"no central directory", BuildZip({{.name = "a", .data = "x"}}).substr(0, 31 + 1)},
  };
  for (const auto& c : cases) {
    WriteFile(At("bad.zip"), c.bytes);
    EXPECT_EQ(ExtractZip(At("bad.zip"), At("out3")), 0) << c.why;
  }
}

TEST_F(ExtractZipTest, ExtractsEveryKindOfEntry) {
  std::string big(300000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 5);
  Text archive = Archive(
      {
          {.name = "HUD_Cheer_gun_onekill.tga", .data = "stored"},
          {.name = "deflated.tga", .data = big, .deflate = true},
          {.name = "sounds/", .data = ""},
          {.name = "sounds/kill.wav", .data = "wav", .deflate = true, .data_descriptor = true},
          {.name = "deep/er/no-folder-entries.txt", .data = "made"},
          {.name = "zip64.bin", .data = "sixty-four", .deflate = true, .zip64 = true},
          {.name = "empty", .data = ""},
      },
      {.comment = "a comment", .zip64_end = true});
  // The target is made with all its missing levels.
  Text target = At("game\\System\\thirdparty\\mod_texs");
  ASSERT_EQ(ExtractZip(archive, target), 1);
  EXPECT_EQ(ReadFile(target + "\\HUD_Cheer_gun_onekill.tga"), "stored");
  EXPECT_EQ(ReadFile(target + "\\deflated.tga"), big);
  EXPECT_EQ(ReadFile(target + "\\sounds\\kill.wav"), "wav");
  EXPECT_EQ(ReadFile(target + "\\deep\\er\\no-folder-entries.txt"), "made");
  EXPECT_EQ(ReadFile(target + "\\zip64.bin"), "sixty-four");
  EXPECT_TRUE(FileExists(target + "\\empty"));
  EXPECT_FALSE(FileExists(target + "\\*.hgpart"));
  // A target given with its trailing separator works the same.
  EXPECT_EQ(ExtractZip(archive, target + "\\"), 1);
}

TEST_F(ExtractZipTest, ReplacesReadOnlyFilesAndLeavesThemNormal) {
  Text target = At("out");
  ASSERT_TRUE(MakeFolder(target));
  WriteFile(target + "\\a.tga", "old");
  ASSERT_TRUE(platform::SetReadOnly(target + "\\a.tga", true));
  ASSERT_EQ(ExtractZip(Archive({{.name = "a.tga", .data = "new"}}), target), 1);
  EXPECT_EQ(ReadFile(target + "\\a.tga"), "new");
  EXPECT_TRUE(RemoveFile(target + "\\a.tga"));  // no longer read-only
}

TEST_F(ExtractZipTest, GivesFilesTheirStoredTimes) {
  ZipItem dos{.name = "dos", .data = "x"};  // 2020-06-15 12:30:00 local time
  ZipItem unix_time{.name = "unix", .data = "y", .unix_mtime = 1600000000};
  ASSERT_EQ(ExtractZip(Archive({dos, unix_time}), At("out")), 1);
  EXPECT_EQ(test::ModifiedTime(At("out\\unix")), 1600000000);
  platform::DateTime local{2020, 6, 15, 12, 30, 0, 0};
  EXPECT_EQ(test::ModifiedTime(At("out\\dos")), platform::LocalToUnix(local));
}

TEST_F(ExtractZipTest, ConvertsUtf8NamesToTheTextEncoding) {
  // "击杀.tga" in UTF-8 with the language-encoding flag set.
  ZipItem item{.name = "\xE5\x87\xBB\xE6\x9D\x80.tga", .data = "kill", .flags = 1 << 11};
  ASSERT_EQ(ExtractZip(Archive({item}), At("out")), 1);
  EXPECT_EQ(ReadFile(At("out\\击杀.tga")), "kill");
}

TEST_F(ExtractZipTest, DamagedOrUnsupportedEntriesFailWithoutLeavingAFile) {
  struct Case {
    const char* why;
    ZipItem item;
  } cases[] = {
      {"wrong CRC-32", {.name = "a.tga", .data = "new data", .crc = 0x12345678}},
      {"wrong CRC-32, deflated", {.name = "a.tga", .data = std::string(5000, 'z'), .deflate = true, .crc = 1}},
      {"size smaller than the data", {.name = "a.tga", .data = std::string(5000, 'z'), .deflate = true, .size = 10}},
      {"size larger than the data", {.name = "a.tga", .data = "abc", .size = 4}},
      {"encrypted", {.name = "a.tga", .data = "abc", .flags = 1}},
      {"unknown method", {.name = "a.tga", .data = "abc", .method = std::uint16_t{12}}},
  };
  for (const auto& c : cases) {
    Text target = At("out");
    ASSERT_TRUE(MakeFolderWithParents(target));
    WriteFile(target + "\\a.tga", "old");
    EXPECT_EQ(ExtractZip(Archive({{.name = "first.tga", .data = "1"}, c.item}), target), 0) << c.why;
    EXPECT_EQ(ReadFile(target + "\\first.tga"), "1") << c.why;  // earlier entries stay
    EXPECT_EQ(ReadFile(target + "\\a.tga"), "old") << c.why;
    EXPECT_FALSE(FileExists(target + "\\*.hgpart")) << c.why;
    ASSERT_TRUE(RemoveFolderTree(target));
  }
}

TEST_F(ExtractZipTest, RefusesEntriesThatLeaveTheTarget) {
  const char* names[] = {
      "../escaped",  "..\\escaped",   "a/../../escaped", "a\\..\\..\\escaped", "/escaped",   "\\escaped",
      "C:escaped",   "C:../escaped", "C:\\escaped",     "a/..\\../escaped",  "... /escaped", "a/ ../escaped",
      "con.txt",     "a/LPT1",       "bad|name",        "stream.txt:hidden", "a\x81/escaped",
  };
  Text target = At("inside\\target");
  for (const char* name : names) {
    EXPECT_EQ(ExtractZip(Archive({{.name = name, .data = "evil"}}), target), 0) << name;
  }
  // Nothing but the archives and the (empty) target exists anywhere around it.
  EXPECT_FALSE(FileExists(At("escaped")));
  EXPECT_FALSE(FileExists(At("inside\\escaped")));
  EXPECT_EQ(platform::ListFolder(target + "\\*.*").size(), 2u);    // "." and ".."
  EXPECT_EQ(platform::ListFolder(At("inside\\*.*")).size(), 3u);  // and the target
}
