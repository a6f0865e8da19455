#include <algorithm>

#include "app/game_location.h"
#include "app_fixture.h"
#include "host/files.h"
#include "host/path.h"
#include "support/zip_builder.h"
#include "ui/links.h"

using test::Describe;

namespace {

class ExtrasWindowsTest : public test::GameTest {
 protected:
  void Ship(const host::Text& relative, const std::string& bytes) { ShipBytes(relative, bytes); }
  void Run(std::function<void()> action) { screen.Run(action); }
  ui::Window* Developer() { return ui.Find("DeveloperWindow"); }
  void OpenDeveloper(const char* code) {
    screen.text_answers = {host::Text(code)};
    Run([&] { Click("按钮17"); });
  }
  // Fills every slot with its own small file and returns the files.
  std::vector<host::Text> FillSlots(const host::Text& folder) {
    std::vector<host::Text> files;
    for (int slot = 1; slot <= 20; ++slot) {
      host::Text file = folder + "\\my" + std::to_string(slot) + ".tga";
      test::WriteFile(file, "slot " + std::to_string(slot));
      screen.file_answers = {file};
      Run([&] { screen.Click(*Developer(), "diy" + std::to_string(slot)); });
      files.push_back(file);
    }
    return files;
  }
};

TEST_F(ExtrasWindowsTest, DeveloperModeNeedsAGameAndTheExactCode) {
  Main("lujing").set_text("");
  OpenDeveloper("7.kqlzob.net");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "路径还未设定");
  EXPECT_EQ(Developer(), nullptr);

  Main("lujing").set_text(game + "\\MatOnline.exe");
  for (const char* wrong : {"7.KQLZOB.NET", " 7.kqlzob.net", "非专业人员请勿使用此功能！"}) {
    OpenDeveloper(wrong);
    EXPECT_EQ(Developer(), nullptr) << wrong;
  }
  EXPECT_EQ(screen.last_ask_caption, "请输入开发者密码");
  EXPECT_EQ(screen.last_ask_initial, "非专业人员请勿使用此功能！");
  screen.text_answers = {std::nullopt};  // cancelled
  Run([&] { Click("按钮17"); });
  EXPECT_EQ(Developer(), nullptr);

  screen.messages.clear();
  env.sleeps.clear();
  OpenDeveloper("7.kqlzob.net");
  ASSERT_NE(Developer(), nullptr);
  EXPECT_EQ(env.sleeps, (std::vector<int>{100}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].owner, "DeveloperWindow");
  EXPECT_EQ(screen.messages[0].caption, "严重警告！");
  // Opening it again brings it forward without the warning.
  OpenDeveloper("7.kqlzob.net");
  EXPECT_EQ(screen.messages.size(), 1u);
}

TEST_F(ExtrasWindowsTest, DeveloperSlotsAndApplyAll) {
  OpenDeveloper("7.kqlzob.net");
  ui::Window& dev = *Developer();
  const host::Text mine = test::NewScratchFolder();

  // A cancelled first browse leaves the slot empty; a later cancel repeats the last choice.
  screen.file_answers = {std::nullopt};
  Run([&] { screen.Click(dev, "diy7"); });
  EXPECT_EQ(dev["img7"].text(), "");
  std::vector<host::Text> files = FillSlots(mine);
  screen.file_answers = {std::nullopt};
  Run([&] { screen.Click(dev, "diy7"); });
  EXPECT_EQ(dev["img7"].text(), files[6]);

  // Without a texture folder the copy cannot be made, and the user is told.
  screen.messages.clear();
  Run([&] { screen.Click(dev, "tihuan1"); });
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].style, 48u);
  EXPECT_FALSE(host::FileExists(Textures()));

  // One slot at a time keeps the rest of the folder, and says nothing.
  screen.messages.clear();
  ASSERT_TRUE(host::MakeFolder(Textures()));
  test::WriteFile(Textures() + "\\HUD_Cheer_gun_twokill.tga", "installed");
  Run([&] { screen.Click(dev, "tihuan1"); });
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"HUD_Cheer_gun_onekill.tga", "HUD_Cheer_gun_twokill.tga"}));
  EXPECT_EQ(test::ReadFile(Textures() + "\\HUD_Cheer_gun_onekill.tga"), "slot 1");
  EXPECT_TRUE(screen.messages.empty());

  Ship("\\tagvox.com\\sm.inf", "readme");
  screen.messages.clear();
  Run([&] { screen.Click(dev, "按钮1"); });
  EXPECT_EQ(Listing(Textures()).size(), 21u);  // twenty textures and the readme
  EXPECT_EQ(test::ReadFile(Textures() + "\\HUD_Cheer_fist_kill.tga"), "slot 10");
  EXPECT_EQ(test::ReadFile(Textures() + "\\HUD_Cheer_tank_kill.tga"), "slot 20");
  EXPECT_EQ(screen.ProgressOf("DeveloperWindow", "进度条1"), (std::vector<int>{0, 25, 50, 75, 100, 0}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].owner, "");  // a task message
  EXPECT_EQ(screen.messages[0].caption, "徽光坊提示");
}

TEST_F(ExtrasWindowsTest, ApplyAllChecksEverySlotBeforeEmptyingTheFolder) {
  OpenDeveloper("7.kqlzob.net");
  ui::Window& dev = *Developer();
  std::vector<host::Text> files = FillSlots(test::NewScratchFolder());
  ASSERT_TRUE(host::MakeFolder(Textures()));
  test::WriteFile(Textures() + "\\installed.tga", "keep");
  for (const char* why : {"empty slot", "missing file"}) {
    screen.messages.clear();
    if (std::string(why) == "empty slot") {
      dev["img7"].set_text("");
    } else {
      dev["img7"].set_text(files[6]);
      ASSERT_TRUE(host::RemoveFile(files[6]));
    }
    Run([&] { screen.Click(dev, "按钮1"); });
    ASSERT_EQ(screen.messages.size(), 1u) << why;
    EXPECT_EQ(Describe(screen.messages[0]), "错误提示|击杀图标素材项目不完整，请全部加入素材|0");
    EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"installed.tga"})) << why;
  }
}

TEST_F(ExtrasWindowsTest, ClearAndRestoreDefault) {
  OpenDeveloper("7.kqlzob.net");
  ui::Window& dev = *Developer();
  FillSlots(test::NewScratchFolder());
  Ship("\\tagvox.com\\sm.inf", "readme");
  ASSERT_TRUE(host::MakeFolder(Textures()));
  test::WriteFile(Textures() + "\\HUD_Cheer_gun_onekill.tga", "x");

  Run([&] { screen.Click(dev, "按钮3"); });
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"readme.txt"}));
  EXPECT_FALSE(dev["img1"].text().empty());  // the slots keep their paths
  EXPECT_EQ(screen.ProgressOf("DeveloperWindow", "进度条1"), (std::vector<int>{10, 60, 100, 0}));

  screen.messages.clear();
  Run([&] { screen.Click(dev, "按钮2"); });
  for (int slot = 1; slot <= 20; ++slot) EXPECT_EQ(dev["img" + std::to_string(slot)].text(), "");
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"readme.txt"}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(Describe(screen.messages[0]), "徽光坊提示|命令已经执行完毕！|64");
}

TEST_F(ExtrasWindowsTest, GateInstallsItsEffect) {
  Main("lujing").set_text("");
  Run([&] { Click("mofa"); });
  // Without a game: the warning, yet the main window shows the gate.
  EXPECT_EQ(Main("jisha").text(), "魔法之门");
  EXPECT_TRUE(Main("yulan").visible());
  EXPECT_EQ(Main("yulan").picture(), ui::Picture::kPreviewGate);
  EXPECT_FALSE(Main("ok1").enabled());
  EXPECT_EQ(ui.Find("GateWindow"), nullptr);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "路径还未设定");

  Main("lujing").set_text(game + "\\MatOnline.exe");
  Run([&] { Click("mofa"); });
  ui::Window& gate = *ui.Find("GateWindow");
  EXPECT_FALSE(gate["进度条1"].visible());

  // A missing archive: the error, the installed set stays, the bar stays visible at 0.
  ASSERT_TRUE(host::MakeFolder(Textures()));
  test::WriteFile(Textures() + "\\installed.tga", "keep");
  Ship("\\imgdata\\gdi_color1.ui", test::BuildZip({{.name = "gate_a.tga", .data = "a"}}));
  screen.messages.clear();
  Run([&] { screen.Click(gate, "按钮6"); });
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(Describe(screen.messages[0]), "错误代码:file error|激活失败，您所需要的支持库丢失或找不到。|64");
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"installed.tga"}));
  EXPECT_TRUE(gate["进度条1"].visible());

  Ship("\\tagvox.com\\c1.ui", test::BuildZip({{.name = "gate_b.tga", .data = "b"}}));
  screen.messages.clear();
  env.sleeps.clear();
  Run([&] { screen.Click(gate, "按钮6"); });
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"gate_a.tga", "gate_b.tga"}));
  EXPECT_FALSE(gate["进度条1"].visible());
  EXPECT_EQ(screen.ProgressOf("GateWindow", "进度条1"), (std::vector<int>{0, 0, 20, 30, 45, 70, 80, 100, 0}));
  EXPECT_EQ(env.sleeps, (std::vector<int>{50, 50, 50, 50, 100, 500, 50}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].owner, "GateWindow");
  EXPECT_EQ(screen.messages[0].caption, "徽光坊提示您");

  env.links.clear();
  Run([&] { screen.Click(gate, "按钮5"); });
  EXPECT_EQ(env.links, (std::vector<std::string>{"link " + host::Text(ui::links::kMicroblog)}));
}

TEST_F(ExtrasWindowsTest, SoundExtensionAddsToTheInstalledSounds) {
  Run([&] { Click("按钮6"); });
  ui::Window& plugin = *ui.Find("SoundPluginWindow");
  ASSERT_TRUE(host::MakeFolder(Sounds()));
  test::WriteFile(Sounds() + "\\kill_1.wav", "set");
  test::WriteFile(Sounds() + "\\radio_go.wav", "old");
  Ship("\\imgdata\\dat_wav1.ui", test::BuildZip({{.name = "radio_go.wav", .data = "new"}}));
  Ship("\\sound\\y1.ui", test::BuildZip({{.name = "radio_back.wav", .data = "back"}}));
  Run([&] { screen.Click(plugin, "按钮6"); });
  EXPECT_EQ(Listing(Sounds()), (std::vector<std::string>{"kill_1.wav", "radio_back.wav", "radio_go.wav"}));
  EXPECT_EQ(test::ReadFile(Sounds() + "\\radio_go.wav"), "new");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].owner, "");  // task messages
  EXPECT_EQ(screen.messages[0].style, 64u | ui::style::kTaskModal);
}

}  // namespace
