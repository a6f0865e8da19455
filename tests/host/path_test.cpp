#include <gtest/gtest.h>

#include "host/path.h"

using namespace host;

TEST(Path, NormalizeCollapsesSeparatorsAndDots) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"D:\\Games\\MAT\\\\System\\thirdparty", "D:\\Games\\MAT\\System\\thirdparty"},
      {"D:/Games//MAT/", "D:\\Games\\MAT"},
      {"D:\\a\\.\\b\\..\\c", "D:\\a\\c"},
      {"D:\\..\\..\\a", "D:\\a"},
      {"D:\\a\\file.txt. . ", "D:\\a\\file.txt"},
      {"\\\\server\\share\\..\\..\\x", "\\\\server\\share\\x"},
      {"D:\\a\\\x81\x5C\\b", "D:\\a\\\x81\x5C\\b"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizePath(c.path), c.expected) << c.path;
}

TEST(Path, RootsInEverySpelling) {
  for (const char* root : {"C:", "C:\\", "c:\\\\", "C:/", "  C:\\", "C:\\.", "C:\\a\\..", "\\", "",
                           "   ", "\\\\server\\share", "\\\\server\\share\\"}) {
    EXPECT_TRUE(IsRootPath(root)) << root;
  }
  for (const char* folder : {"C:\\a", "C:\\a\\..\\b", "\\\\server\\share\\x"}) {
    EXPECT_FALSE(IsRootPath(folder)) << folder;
  }
}

TEST(Path, PartsAreFoundWholeCharacterWise) {
  EXPECT_EQ(LastPart("D:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(ParentPath("D:\\a\\b.txt"), "D:\\a");
  EXPECT_EQ(LastPart("D:\\a\\\x81\x5C"), "\x81\x5C");
  EXPECT_EQ(ParentPath("name"), "");
  EXPECT_EQ(SplitPath("\\a\\\\b/c\\"), (std::vector<Text>{"a", "b", "c"}));
}

TEST(Path, WildcardsMatchAsOnWindows) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.*", "noextension", true}, {"*.*", "a.b", true},      {"*.txt", "A.TXT", true},
      {"*.txt", "a.txt.bak", false}, {"a?c", "abc", true},     {"a?c", "ac", false},
      {"a?c", "a中c", true},         {"*", "", true},          {"mat*.exe", "MatOnline.exe", true},
      {"x*y*z", "xaaybbz", true},    {"x*y*z", "xaayb", false},
  };
  for (const auto& c : cases) EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}
