#include <gtest/gtest.h>

#include "host/files.h"
#include "host/shell.h"
#include "host/shell_link.h"
#include "support/test_support.h"

using namespace host;

// The .lnk files were written by the shell's link object under Wine
// (tools/make-lnk-fixtures.sh); both backends must read them alike.
TEST(ResolveShortcut, ReadsShortcutsMadeByTheShell) {
  const Text lnk = test::DataFolder() + "\\lnk\\";
  struct Case {
    const char* file;
    const char* expected;
  } cases[] = {
      {"plain.lnk", "D:\\Games\\MAT\\MatOnline.exe "},
      {"plain", "D:\\Games\\MAT\\MatOnline.exe "},  // ".lnk" is added when absent
      {"arguments.lnk", "D:\\Games\\MAT\\MatOnline.exe -console \"x y\""},
      {"chinese.lnk", "D:\\游戏\\反恐行动\\MatOnline.exe "},
      {"lowercase.lnk", "E:\\mat\\matonline.EXE "},
      {"text.lnk", ""},
      {"missing.lnk", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveShortcut(lnk + c.file), c.expected) << c.file;
}

TEST(ResolveShortcut, TheClientItselfIsNoShortcut) {
  Text dir = test::NewScratchFolder();
  test::WriteFile(dir + "\\MatOnline.exe", "MZ");
  EXPECT_EQ(ResolveShortcut(dir + "\\MatOnline.exe"), "");
}

// Without its link-info block a shortcut still names its target by item ids.
TEST(ShellLinkReader, FallsBackToTheItemIdList) {
  Bytes bytes = ReadWholeFile(test::DataFolder() + "\\lnk\\plain.lnk");
  ASSERT_GT(bytes.size(), 0x4Cu);
  std::size_t id_list_end = 0x4C + 2 + std::size_t{bytes[0x4C]} + (std::size_t{bytes[0x4D]} << 8);
  std::size_t info_size = std::size_t{bytes[id_list_end]} + (std::size_t{bytes[id_list_end + 1]} << 8);
  bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(id_list_end),
              bytes.begin() + static_cast<std::ptrdiff_t>(id_list_end + info_size));
  bytes[0x14] &= static_cast<std::uint8_t>(~0x02);  // no link info
  auto shortcut = ParseShellLink(bytes, [](std::u16string_view) { return Text(); });
  ASSERT_TRUE(shortcut.has_value());
  EXPECT_EQ(shortcut->target, "D:\\Games\\MAT\\MatOnline.exe");

  Bytes truncated(bytes.begin(), bytes.begin() + 0x60);
  EXPECT_FALSE(ParseShellLink(truncated, [](std::u16string_view) { return Text(); }).has_value());
}

TEST(RunCommand, WaitsForTheProcessOrNot) {
  Text dir = test::NewScratchFolder();
  Text made = dir + "\\made";
#ifdef _WIN32
  Text command = "cmd.exe /c mkdir \"" + made + "\"";
#else
  Text command = "mkdir \"" + test::NativePath(dir) + "/made\"";
#endif
  EXPECT_TRUE(RunCommand(command, true));
  EXPECT_TRUE(FolderExists(made));
  EXPECT_FALSE(RunCommand("no-such-program-here.exe", true));
  EXPECT_FALSE(RunCommand("no-such-program-here.exe", false));
}
