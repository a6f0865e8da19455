#include "app/game_location.h"
#include "app_fixture.h"
#include "host/files.h"

using test::AppTest;
using test::Describe;

namespace {

constexpr const char* kRememberCaption = "是否保存路径";

class GameLocationTest : public AppTest {
 protected:
  GameLocationTest() { Start(); }
  host::Text Ini() const { return run_dir + "\\path.ini"; }
  host::Text Shortcut(const char* name) const { return test::DataFolder() + "\\lnk\\" + name; }
  void Drop(std::vector<host::Text> names) {
    screen.Run([&] { screen.Drop(Main(), names); });
  }
  void ChooseInDialog(std::optional<host::Text> path) {
    screen.file_answers = {path};
    screen.Run([&] { Click("xuan"); });
  }
  void ExpectFolders(const host::Text& game_dir) {
    EXPECT_EQ(app.texture_mod_dir, game_dir + "\\System\\thirdparty\\mod_texs");
    EXPECT_EQ(app.sound_mod_dir, game_dir + "\\System\\thirdparty\\mod_sounds");
    EXPECT_EQ(Main("mat_music").text(), game_dir + "\\Music");
  }
};

TEST_F(GameLocationTest, DialogRouteSetsAndRemembersTheLocation) {
  ChooseInDialog("D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(screen.last_dialog.title, "选择游戏客户端");
  EXPECT_EQ(screen.last_dialog.filter, "MAT客户端|MatOnline.exe|程序文件(*.exe)|*.exe||");
  EXPECT_EQ(screen.last_dialog.file_name, "MatOnline.exe");
  EXPECT_EQ(Main("lujing").text(), "D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(Main("lujing3").text(), "D:\\Games\\MAT\\MatOnline.exe");
  ExpectFolders("D:\\Games\\MAT");

  // First choice: the question, then the file and the confirmation.
  ASSERT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(screen.messages[0].caption, kRememberCaption);
  EXPECT_EQ(screen.messages[0].style, 65537u);
  EXPECT_TRUE(screen.messages[0].text.starts_with("是否让程序记住您当前设置的文件目录以方便下次使用？)\r\n\r\n"));
  EXPECT_EQ(Describe(screen.messages[1]), "提示|已经成功保存 ，下次启动徽光坊则不需要再次选择游戏|64");
  EXPECT_EQ(test::ReadFile(Ini()), "D:\\Games\\MAT\\MatOnline.exe");

  // Later choices rewrite it without asking.
  ClearRecords();
  ChooseInDialog("E:\\mat\\MatOnline.exe");
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(test::ReadFile(Ini()), "E:\\mat\\MatOnline.exe");
}

TEST_F(GameLocationTest, CancelledQuestionKeepsTheLocationForThisRunOnly) {
  screen.message_answers = {ui::result::kCancel};
  ChooseInDialog("D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_FALSE(host::FileExists(Ini()));
  EXPECT_EQ(Main("lujing").text(), "D:\\Games\\MAT\\MatOnline.exe");
}

TEST_F(GameLocationTest, CancelledDialogEmptiesTheLocationButKeepsTheRest) {
  ChooseInDialog("D:\\Games\\MAT\\MatOnline.exe");
  ClearRecords();
  ChooseInDialog(std::nullopt);
  EXPECT_EQ(Main("lujing").text(), "");
  EXPECT_EQ(Main("lujing3").text(), "");
  ExpectFolders("D:\\Games\\MAT");  // derived folders stay; installers look at lujing
  EXPECT_EQ(test::ReadFile(Ini()), "D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_TRUE(screen.messages.empty());
  // The dialog keeps the last chosen path for the next time.
  EXPECT_EQ(Main("通用对话框1").dialog().file_name, "D:\\Games\\MAT\\MatOnline.exe");
}

TEST_F(GameLocationTest, DroppedShortcutStoresItsTargetWithTheTrailingBlank) {
  Drop({Shortcut("plain.lnk")});
  const host::Text stored = "D:\\Games\\MAT\\MatOnline.exe ";
  EXPECT_EQ(Main("lujing").text(), stored);
  EXPECT_EQ(Main("lujing3").text(), stored);
  EXPECT_EQ(app.texture_mod_dir, "D:\\Games\\MAT\\\\System\\thirdparty\\mod_texs");
  EXPECT_EQ(Main("mat_music").text(), "D:\\Games\\MAT\\\\Music");
  host::Bytes ini = host::ReadWholeFile(Ini());
  EXPECT_EQ(ini.size(), 27u);
  EXPECT_EQ(host::BytesToText(ini), stored);

  // Letter case of the client's name does not matter.
  Drop({Shortcut("lowercase.lnk")});
  EXPECT_EQ(Main("lujing").text(), "E:\\mat\\matonline.EXE ");
}

TEST_F(GameLocationTest, WrongDropsAreRefused) {
  Drop({Shortcut("plain.lnk")});
  ClearRecords();
  host::Text client = test::NewScratchFolder() + "\\MatOnline.exe";
  test::WriteFile(client, "MZ");
  const std::vector<std::vector<host::Text>> drops = {
      {Shortcut("text.lnk")},                       // not a shortcut
      {client},                                     // the client itself, not its shortcut
      {Shortcut("notepad.lnk")},                    // a shortcut to something else
      {Shortcut("plain.lnk"), Shortcut("arguments.lnk")},  // several files
  };
  for (const auto& names : drops) {
    screen.messages.clear();
    Drop(names);
    ASSERT_EQ(screen.messages.size(), 1u) << names[0];
    EXPECT_EQ(Describe(screen.messages[0]), "徽光坊提示|选择错误！请重新将您桌面的反恐行动图标拖拽到本软件中|64");
    EXPECT_EQ(Main("lujing").text(), "D:\\Games\\MAT\\MatOnline.exe ") << names[0];
  }
}

TEST_F(GameLocationTest, ModeRadiosSwitchTheRoute) {
  Drop({Shortcut("plain.lnk")});
  ClearRecords();
  Click("单选框2");
  EXPECT_EQ(Main("lujing3").text(), "");
  EXPECT_EQ(Main("lujing").text(), "");
  EXPECT_TRUE(Main("xuan").enabled());
  EXPECT_EQ(Main("xuan").text(), "选择MAT客户端");
  EXPECT_EQ(Main("标签3").text(), "提示2：请找到反恐行动安装目录【MatOnline.exe】这个文件");
  EXPECT_EQ(Main("标签3").back_color(), ui::Rgb(0, 128, 0));
  Drop({Shortcut("lowercase.lnk")});  // ignored now
  EXPECT_EQ(Main("lujing").text(), "");
  EXPECT_TRUE(screen.messages.empty());

  Click("单选框1");
  EXPECT_FALSE(Main("xuan").enabled());
  EXPECT_EQ(Main("xuan").text(), "智能拖拽");
  EXPECT_EQ(Main("标签3").back_color(), ui::Rgb(192, 96, 0));
  EXPECT_EQ(Main("标签3").text(), "提示1：将电脑桌面上面的反恐行动客户端图标拖拽到本软件上面");
  Drop({Shortcut("lowercase.lnk")});
  EXPECT_EQ(Main("lujing").text(), "E:\\mat\\matonline.EXE ");
  // The remembered location was never touched by the radios.
  EXPECT_EQ(test::ReadFile(Ini()), "E:\\mat\\matonline.EXE ");
}

// A new start with path.ini already written.
class RestoreTest : public AppTest {
 protected:
  void StartWith(const std::string& content) {
    test::WriteFile(run_dir + "\\path.ini", content);
    Start();
  }
};

TEST_F(RestoreTest, RestoresTheRememberedLocation) {
  StartWith("D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(Main("lujing").text(), "D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(Main("lujing3").text(), "D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(app.texture_mod_dir, "D:\\Games\\MAT\\System\\thirdparty\\mod_texs");
  EXPECT_TRUE(app::GameChosen(app));
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(RestoreTest, BareClientNameIsDeleted) {
  StartWith("MatOnline.exe");
  EXPECT_FALSE(host::FileExists(run_dir + "\\path.ini"));
  EXPECT_EQ(Main("lujing").text(), "");
  EXPECT_EQ(Main("lujing3").text(), "");
  EXPECT_FALSE(app::GameChosen(app));
}

TEST_F(RestoreTest, ContentThatNamesNoGameFolderChoosesNoGame) {
  Start();
  for (const std::string& content : {std::string(), std::string("garbage"), std::string("C:\\x.exe"),
                                    std::string("\0\0\0", 3), std::string("relative\\folder\\MatOnline.exe")}) {
    test::WriteFile(run_dir + "\\path.ini", content);
    screen.Run([&] { app::RestoreGameLocation(app); });
    EXPECT_EQ(Main("lujing").text(), "") << content;
    EXPECT_EQ(Main("lujing3").text(), "") << content;
    EXPECT_FALSE(app::GameChosen(app)) << content;
    EXPECT_TRUE(host::FileExists(run_dir + "\\path.ini"));
  }
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(RestoreTest, ATrailingLineEndIsCutLikeAnyOtherText) {
  StartWith("D:\\Games\\MAT\\MatOnline.exe\r\n");
  EXPECT_EQ(Main("lujing").text(), "D:\\Games\\MAT\\MatOnline.exe\r\n");
  EXPECT_EQ(app::GameDir(app), "D:\\Games\\MAT\\M");
}

TEST_F(RestoreTest, AnUnwritablePathIniIsReportedNotConfirmed) {
  StartWith("D:\\Games\\MAT\\MatOnline.exe");
  ASSERT_TRUE(host::platform::SetReadOnly(run_dir + "\\path.ini", true));
  screen.file_answers = {host::Text("E:\\mat\\MatOnline.exe")};
  screen.Run([&] { Click("xuan"); });
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].style, 48u);
  EXPECT_NE(screen.messages[0].text.find("path.ini"), std::string::npos);
  EXPECT_EQ(test::ReadFile(run_dir + "\\path.ini"), "D:\\Games\\MAT\\MatOnline.exe");
  EXPECT_EQ(Main("lujing").text(), "E:\\mat\\MatOnline.exe");  // still used for this run
}

TEST_F(GameLocationTest, AChosenFileOutsideAnyFolderIsRefused) {
  ChooseInDialog("C:\\a.exe");
  EXPECT_EQ(Main("lujing").text(), "");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].style, 48u);
  EXPECT_FALSE(host::FileExists(Ini()));
}

}  // namespace
