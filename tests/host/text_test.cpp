#include <gtest/gtest.h>

#include "host/text.h"

using namespace host;

// "中" is D6 D0 and "文" is CE C4 in GBK; "乗" (81 5C) ends in the byte of '\'.
TEST(Text, LeftAndRightCountBytes) {
  struct Case {
    int n;
    const char* left;
    const char* right;
  } cases[] = {
      {0, "", ""}, {-3, "", ""}, {1, "a", "c"}, {3, "ab\xD6", "\xD0" "bc"}, {6, "ab\xD6\xD0" "bc", "ab\xD6\xD0" "bc"},
      {99, "ab\xD6\xD0" "bc", "ab\xD6\xD0" "bc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextLeft("ab\xD6\xD0" "bc", c.n), c.left) << c.n;
    EXPECT_EQ(TextRight("ab\xD6\xD0" "bc", c.n), c.right) << c.n;
  }
  EXPECT_EQ(TextLength("中文"), 4);
}

TEST(Text, FindTextStepsOverDoubleByteCharacters) {
  struct Case {
    const char* text;
    const char* sought;
    int start;
    bool ignore_case;
    int expected;
  } cases[] = {
      {"D:\\Game\\matonline.exe", "MatOnline.", 1, true, 9},
      {"D:\\Game\\matonline.exe", "MatOnline.", 1, false, -1},
      {"abcabc", "bc", 1, false, 2},
      {"abcabc", "bc", 3, false, 5},
      {"abcabc", "bc", 0, false, 2},
      {"abcabc", "bc", 7, false, -1},
      {"abc", "", 1, false, 1},
      {"", "", 1, false, -1},
      {"", "a", 1, false, -1},
      // The trail byte of 乗 equals '\': it is no match of its own.
      {"\x81\x5C" "a\\b", "\\", 1, false, 4},
      // A match may not begin on the second byte of 中 (D6 D0) followed by 文.
      {"\xD6\xD0\xCE\xC4", "\xD0\xCE", 1, false, -1},
      {"x\xD6\xD0y", "\xD6\xD0", 1, false, 2},
      // Case folding touches ASCII only.
      {"\xD6\xD0" "ABC", "abc", 1, true, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignore_case), c.expected) << c.text << " / " << c.sought;
  }
}

TEST(Text, FindTextReverseFindsTheLastWholeCharacterMatch) {
  EXPECT_EQ(FindTextReverse("C:\\Games\\MAT\\MatOnline.exe", "\\"), 13);
  EXPECT_EQ(FindTextReverse("a\\b\x81\x5C", "\\"), 2);  // the trailing 5C belongs to 乗
  EXPECT_EQ(FindTextReverse("abcABC", "abc", true), 4);
  EXPECT_EQ(FindTextReverse("abc", "x"), -1);
  EXPECT_EQ(FindTextReverse("abc", ""), 1);
}

TEST(Text, ToLowerCaseLeavesDoubleByteCharactersAlone) {
  // 0x81 0x41 is a character whose trail byte is the code of 'A'.
  EXPECT_EQ(ToLowerCase("MatOnline.EXE \x81\x41Z"), "matonline.exe \x81\x41z");
  EXPECT_EQ(ToLowerCase("中文ABC"), "中文abc");
}

TEST(Text, TrimBothEndsRemovesBlanksAndFullWidthBlanks) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"  abc  ", "abc"},
      {"\xA1\xA1" "abc", "abc"},
      {"　 中文 　", "中文"},
      {"\tabc\r\n", "\tabc\r\n"},
      {"   ", ""},
      {"", ""},
      // B0 A1 is one character; the A1 A1 test must not split it.
      {"a\xB0\xA1\xA1", "a\xB0\xA1\xA1"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimBothEnds(c.text), c.expected) << c.text;
}

TEST(Text, BytesConversionsAndNumbers) {
  EXPECT_TRUE(TextToBytes("").empty());
  EXPECT_EQ(TextToBytes("ab"), (Bytes{'a', 'b'}));
  EXPECT_EQ(BytesToText(Bytes{'a', 'b', 0, 'c'}), "ab");
  EXPECT_EQ(BytesToText(Bytes{'a', 'b'}), "ab");
  EXPECT_TRUE(TextEquals("", std::string()));
  EXPECT_FALSE(TextEquals("MatOnline.exe", "matonline.exe"));
  EXPECT_EQ(NumberToText(-42), "-42");
  EXPECT_EQ(NumberToText(0), "0");
}
