#include <gtest/gtest.h>

#include "host/files.h"
#include "host/platform.h"
#include "support/test_support.h"

using namespace host;
using test::ReadFile;
using test::WriteFile;

class Files : public ::testing::Test {
 protected:
  Text dir = test::NewScratchFolder();
  Text At(const Text& name) const { return dir + "\\" + name; }
};

TEST_F(Files, FileExistsSeesFilesFoldersAndPatterns) {
  WriteFile(At("MatOnline.exe"), "x");
  ASSERT_TRUE(MakeFolder(At("Music")));
  struct Case {
    Text path;
    bool exists;
  } cases[] = {
      {At("MatOnline.exe"), true},
      {At("matonline.EXE"), true},  // the file system ignores letter case
      {At("Music"), true},
      {At("Music\\"), false},
      {dir + "\\\\MatOnline.exe", true},  // doubled separators are tolerated
      {At("*.exe"), true},
      {At("Mat?nline.*"), true},
      {At("*.ogg"), false},
      {At("missing"), false},
      {At("missing\\MatOnline.exe"), false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST_F(Files, FolderExistsComparesTheLastPartByteForByte) {
  ASSERT_TRUE(MakeFolder(At("mod_texs")));
  WriteFile(At("file"), "x");
  struct Case {
    Text path;
    bool exists;
  } cases[] = {
      {At("mod_texs"), true},  {At("mod_texs\\"), true}, {At("MOD_TEXS"), false},
      {At("file"), false},     {At("missing"), false},   {dir + "\\\\mod_texs", true},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderExists(c.path), c.exists) << c.path;
}

TEST_F(Files, CopyFileOverReplacesButNotReadOnlyTargets) {
  WriteFile(At("new"), "new");
  WriteFile(At("old"), "old");
  EXPECT_TRUE(CopyFileOver(At("new"), At("old")));
  EXPECT_EQ(ReadFile(At("old")), "new");

  WriteFile(At("locked"), "keep");
  ASSERT_TRUE(platform::SetReadOnly(At("locked"), true));
  EXPECT_FALSE(CopyFileOver(At("new"), At("locked")));
  EXPECT_EQ(ReadFile(At("locked")), "keep");

  EXPECT_FALSE(CopyFileOver(At("missing"), At("x")));
  EXPECT_FALSE(CopyFileOver(At("new"), At("no-folder\\x")));
  EXPECT_FALSE(FileExists(At("x")));
}

TEST_F(Files, RemoveFileRefusesReadOnlyMissingAndOpenFiles) {
  WriteFile(At("plain"), "x");
  EXPECT_TRUE(RemoveFile(At("plain")));
  EXPECT_FALSE(FileExists(At("plain")));
  EXPECT_FALSE(RemoveFile(At("plain")));

  WriteFile(At("read-only"), "x");
  ASSERT_TRUE(platform::SetReadOnly(At("read-only"), true));
  EXPECT_FALSE(RemoveFile(At("read-only")));
  EXPECT_TRUE(FileExists(At("read-only")));

  WriteFile(At("open"), "x");
  {
    auto reader = platform::File::Open(At("open"), platform::File::Mode::kReadDenyWrite);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_FALSE(RemoveFile(At("open")));
  }
  EXPECT_TRUE(RemoveFile(At("open")));
}

TEST_F(Files, MakeFolderMakesOneLevelOnly) {
  EXPECT_TRUE(MakeFolder(At("a")));
  EXPECT_FALSE(MakeFolder(At("a")));  // exists already
  EXPECT_FALSE(MakeFolder(At("x\\y")));
  EXPECT_FALSE(FolderExists(At("x")));
  EXPECT_TRUE(MakeFolderWithParents(At("x\\y\\z")));
  EXPECT_TRUE(FolderExists(At("x\\y\\z")));
  EXPECT_TRUE(MakeFolderWithParents(At("x\\y\\z")));
  WriteFile(At("file"), "x");
  EXPECT_FALSE(MakeFolderWithParents(At("file\\sub")));
}

TEST_F(Files, RemoveFolderTreeDeletesEverythingBelow) {
  Text tree = At("mod_texs");
  ASSERT_TRUE(MakeFolderWithParents(tree + "\\a\\b"));
  WriteFile(tree + "\\one.tga", "1");
  WriteFile(tree + "\\a\\b\\two.tga", "2");
  EXPECT_TRUE(RemoveFolderTree(tree));
  EXPECT_FALSE(FileExists(tree));
  // Doubled separators and leading blanks, as derived game folders may have.
  ASSERT_TRUE(MakeFolderWithParents(At("sys\\sub")));
  EXPECT_TRUE(RemoveFolderTree("  " + dir + "\\\\sys"));
  EXPECT_FALSE(FileExists(At("sys")));
  EXPECT_FALSE(RemoveFolderTree(At("missing")));
}

TEST_F(Files, RemoveFolderTreeLeavesDotNamesAndReadOnlyFiles) {
  Text tree = At("tree");
  ASSERT_TRUE(MakeFolderWithParents(tree + "\\sub"));
  WriteFile(tree + "\\.keep", "dot");
  WriteFile(tree + "\\sub\\gone", "x");
  EXPECT_FALSE(RemoveFolderTree(tree));
  EXPECT_EQ(ReadFile(tree + "\\.keep"), "dot");
  EXPECT_FALSE(FileExists(tree + "\\sub"));

  Text guarded = At("guarded");
  ASSERT_TRUE(MakeFolder(guarded));
  WriteFile(guarded + "\\ro", "ro");
  WriteFile(guarded + "\\rw", "rw");
  ASSERT_TRUE(platform::SetReadOnly(guarded + "\\ro", true));
  EXPECT_FALSE(RemoveFolderTree(guarded));
  EXPECT_EQ(ReadFile(guarded + "\\ro"), "ro");
  EXPECT_FALSE(FileExists(guarded + "\\rw"));
}

TEST_F(Files, RemoveFolderTreeRefusesDriveRoots) {
  // Refused before anything is listed, so no drive is at risk here.
  for (const char* root : {"C:", "C:\\", "c:\\\\", " C:\\", "C:\\Windows\\..", "", "   "}) {
    EXPECT_FALSE(RemoveFolderTree(root)) << root;
  }
  EXPECT_TRUE(FolderExists(test::ScratchRoot()));
}

TEST_F(Files, RemoveFolderTreeRemovesLinksNotTheirTargets) {
  Text outside = At("outside");
  ASSERT_TRUE(MakeFolder(outside));
  WriteFile(outside + "\\precious", "keep");
  Text tree = At("tree");
  ASSERT_TRUE(MakeFolder(tree));
  if (!test::MakeFolderLink(tree + "\\link", outside)) GTEST_SKIP() << "folder links not available here";
  WriteFile(tree + "\\file", "x");

  EXPECT_TRUE(RemoveFolderTree(tree));
  EXPECT_FALSE(FileExists(tree));
  EXPECT_EQ(ReadFile(outside + "\\precious"), "keep");

  // A tree that is itself a link: the link goes, the target stays whole.
  ASSERT_TRUE(test::MakeFolderLink(At("alias"), outside));
  EXPECT_TRUE(RemoveFolderTree(At("alias")));
  EXPECT_FALSE(FileExists(At("alias")));
  EXPECT_EQ(ReadFile(outside + "\\precious"), "keep");
}

TEST_F(Files, ReadAndWriteWholeFiles) {
  const Bytes head{'a', 0, 'b'};
  const Bytes empty;
  const Bytes tail{'c'};
  EXPECT_TRUE(WriteWholeFile(At("f"), {head, empty, tail}));
  EXPECT_EQ(ReadWholeFile(At("f")), (Bytes{'a', 0, 'b', 'c'}));
  EXPECT_TRUE(WriteWholeFile(At("f"), {tail}));  // truncates
  EXPECT_EQ(ReadWholeFile(At("f")), tail);
  EXPECT_TRUE(WriteWholeFile(At("zero"), {}));
  EXPECT_TRUE(FileExists(At("zero")));
  EXPECT_TRUE(ReadWholeFile(At("zero")).empty());

  EXPECT_FALSE(WriteWholeFile("", {head}));
  EXPECT_FALSE(WriteWholeFile(At("missing\\f"), {head}));
  EXPECT_TRUE(ReadWholeFile(At("missing")).empty());
  EXPECT_TRUE(ReadWholeFile("").empty());
}

TEST_F(Files, SharingFollowsWindowsRules) {
  WriteFile(At("f"), "content");
  {
    // A writer holding the file exclusively locks readers and other writers out.
    auto writer = platform::File::Open(At("f"), platform::File::Mode::kWriteExclusive);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_TRUE(ReadWholeFile(At("f")).empty());
    EXPECT_FALSE(WriteWholeFile(At("f"), {TextToBytes("other")}));
  }
  WriteFile(At("f"), "content");
  {
    // Readers deny writers but share with each other.
    auto reader = platform::File::Open(At("f"), platform::File::Mode::kReadDenyWrite);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(ReadFile(At("f")), "content");
    EXPECT_FALSE(WriteWholeFile(At("f"), {TextToBytes("other")}));
  }
  EXPECT_EQ(ReadFile(At("f")), "content");
  ASSERT_TRUE(platform::SetReadOnly(At("f"), true));
  EXPECT_FALSE(WriteWholeFile(At("f"), {TextToBytes("other")}));
  EXPECT_EQ(ReadFile(At("f")), "content");
}

TEST_F(Files, ChineseNamesAndLongPaths) {
  Text chinese = At("反恐行动\\音效");
  ASSERT_TRUE(MakeFolderWithParents(chinese));
  WriteFile(chinese + "\\击杀.tga", "tga");
  EXPECT_TRUE(FileExists(chinese + "\\击杀.tga"));
  EXPECT_TRUE(FolderExists(At("反恐行动")));
  auto entries = platform::ListFolder(chinese + "\\*.tga");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "击杀.tga");

  // Deeper than the classic 260-character limit.
  Text deep = dir;
  while (deep.size() < 300) deep += "\\a_rather_long_folder_name";
  ASSERT_TRUE(MakeFolderWithParents(deep));
  WriteFile(deep + "\\HUD_Cheer_gun_onekill.tga", "deep");
  EXPECT_TRUE(FileExists(deep + "\\HUD_Cheer_gun_onekill.tga"));
  EXPECT_TRUE(FolderExists(deep));
  EXPECT_TRUE(CopyFileOver(deep + "\\HUD_Cheer_gun_onekill.tga", deep + "\\copy.tga"));
  EXPECT_EQ(ReadFile(deep + "\\copy.tga"), "deep");
  EXPECT_TRUE(RemoveFolderTree(At("a_rather_long_folder_name")));
  EXPECT_FALSE(FileExists(At("a_rather_long_folder_name")));
}
