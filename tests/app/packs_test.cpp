#include "app/game_location.h"
#include "app_fixture.h"
#include "host/files.h"
#include "host/path.h"
#include "packs/pack_install.h"
#include "packs/textures.h"
#include "support/zip_builder.h"
#include "ui/links.h"

using test::Describe;

namespace {

class PacksTest : public test::GameTest {
 protected:
  // A pack file beside the tool: a ZIP archive holding `entries` (name -> content).
  void Ship(const host::Text& relative, const std::vector<std::pair<std::string, std::string>>& entries) {
    std::vector<test::ZipItem> items;
    for (const auto& [name, content] : entries) items.push_back({.name = name, .data = content, .deflate = true});
    ShipBytes(relative, test::BuildZip(items));
  }
  void Answer(std::initializer_list<int> answers) { screen.message_answers = answers; }
  void Press(std::string_view control) { screen.Run([&] { ASSERT_TRUE(Click(control)); }); }
  std::vector<int> Bar() { return screen.ProgressOf("MainWindow", "进度条1"); }
};

TEST_F(PacksTest, SelectingAKillIconSetEnablesOnlyItsSaveButton) {
  const std::vector<std::string> saves = {"ok1", "ok2", "ok3", "ok4", "ok5", "ok6", "ok7",
                                          "ok8", "ok9", "ok10", "ok11", "ok12", "ok13"};
  struct Case {
    const char* radio;
    const char* save;
    const char* name;
    bool preview;
  } cases[] = {{"t9", "ok9", "幽灵军团", true},
               {"t2", "ok2", "猎鹰团", true},
               {"t13", "ok13", "终极火力", true},
               {"t1", "ok1", "系统默认", false}};
  for (const auto& c : cases) {
    Press(c.radio);
    for (const auto& save : saves) EXPECT_EQ(Main(save).enabled(), save == c.save) << c.radio << " " << save;
    EXPECT_EQ(Main("jisha").text(), c.name);
    EXPECT_EQ(Main("yulan").visible(), c.preview) << c.radio;
  }
  Press("t9");
  EXPECT_EQ(Main("yulan").picture(), ui::Picture::kPreviewT9);
  EXPECT_TRUE(Main("t9").ticked());
  EXPECT_FALSE(Main("t1").ticked());
}

TEST_F(PacksTest, TwoArchiveSetReplacesTheInstalledOne) {
  Ship("\\imgdata\\tagvox_09.dat", {{"HUD_Cheer_gun_onekill.tga", "t12 one"}, {"t12_only.tga", "x"}});
  Ship("\\sound\\down31_core.dat", {{"HUD_Cheer_gun_twokill.tga", "t12 two"}});
  Ship("\\imgdata\\yinshan_1.dat", {{"HUD_Cheer_gun_onekill.tga", "t13 one"}, {"common.tga", "first"}});
  Ship("\\sound\\down32_core.dat", {{"HUD_Cheer_gun_twokill.tga", "t13 two"}, {"common.tga", "second"}});

  Press("t12");
  Press("ok12");
  EXPECT_EQ(Listing(Textures()),
            (std::vector<std::string>{"HUD_Cheer_gun_onekill.tga", "HUD_Cheer_gun_twokill.tga", "t12_only.tga"}));
  ClearRecords();
  Press("t13");
  Press("ok13");
  // Only the second set's entries; its second archive wins where both hold a name.
  EXPECT_EQ(Listing(Textures()),
            (std::vector<std::string>{"HUD_Cheer_gun_onekill.tga", "HUD_Cheer_gun_twokill.tga", "common.tga"}));
  EXPECT_EQ(test::ReadFile(Textures() + "\\common.tga"), "second");
  EXPECT_EQ(test::ReadFile(Textures() + "\\HUD_Cheer_gun_onekill.tga"), "t13 one");
  EXPECT_EQ(Bar(), (std::vector<int>{0, 20, 30, 45, 70, 80, 100, 0}));
  EXPECT_EQ(env.sleeps, (std::vector<int>{50, 50, 50, 50, 100, 500, 50}));  // 850 ms over an existing folder
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "徽光坊提示您");
  EXPECT_EQ(screen.messages[0].style, 64u);
}

TEST_F(PacksTest, OneArchiveSetHasItsShorterSchedule) {
  Ship("\\tagvox.com\\b.dat", {{"HUD_Cheer_knife_kill.tga", "knife"}});
  Press("t6");
  Press("ok6");
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"HUD_Cheer_knife_kill.tga"}));
  EXPECT_EQ(Bar(), (std::vector<int>{0, 20, 50, 100, 0}));
  EXPECT_EQ(env.sleeps, (std::vector<int>{50, 500}));  // the folder was new
}

TEST_F(PacksTest, AMissingPackLeavesTheInstalledSetInPlace) {
  test::WriteFile(game + "\\System\\thirdparty\\placeholder", "");
  ASSERT_TRUE(host::MakeFolder(Textures()));
  test::WriteFile(Textures() + "\\installed.tga", "keep");
  Ship("\\tagvox.com\\b0.dat", {{"a.tga", "a"}});  // the second archive is missing

  Press("t2");
  Press("ok2");
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"installed.tga"}));
  EXPECT_FALSE(Main("t2").ticked());
  EXPECT_FALSE(Main("ok2").enabled());
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(Describe(screen.messages[0]),
            "文件不完整，缺少徽光坊支持库| 程序所需要的图标库不完整，无法使用该效果！请确保您的软件安装是否完整|48");
  EXPECT_EQ(Bar(), (std::vector<int>{0}));  // the opening value, and no more

  // The World Cup row keeps its radio and only loses its Save button.
  screen.message_answers = {ui::result::kYes};
  Press("wordball");
  screen.messages.clear();
  Press("ok11");
  EXPECT_TRUE(Main("wordball").ticked());
  EXPECT_FALSE(Main("ok11").enabled());
  EXPECT_EQ(screen.messages.size(), 1u);
}

TEST_F(PacksTest, NoGameNoInstall) {
  Ship("\\tagvox.com\\b.dat", {{"a.tga", "a"}});
  Main("lujing").set_text("");
  Main("ok6").set_enabled(true);
  Press("ok6");
  Press("ok1");
  ASSERT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(Describe(screen.messages[0]), "错误提示(路径指令错误)|" + std::string(packs::kNoGameText) + "|0");
  EXPECT_EQ(Describe(screen.messages[1]), "错误提示(指令:1)|" + std::string(packs::kNoGameText) + "|0");
  EXPECT_TRUE(Bar().empty());
  EXPECT_FALSE(host::FileExists(Textures()));
}

TEST_F(PacksTest, FailuresAreReportedNotConfirmed) {
  struct Case {
    const char* why;
    std::function<void()> arrange;
    const char* mentions;
  } cases[] = {
      {"not a ZIP archive", [&] { ShipBytes("\\tagvox.com\\b.dat", "this is no archive"); }, "tagvox_06.zip"},
      {"damaged archive",
       [&] {
         std::string zip = test::BuildZip({{.name = "a.tga", .data = std::string(4000, 'a'), .deflate = true}});
         zip[40] = static_cast<char>(zip[40] ^ 0x55);
         ShipBytes("\\tagvox.com\\b.dat", zip);
       },
       "tagvox_06.zip"},
      {"no System\\thirdparty in the game",
       [&] {
         Ship("\\tagvox.com\\b.dat", {{"a.tga", "a"}});
         ASSERT_TRUE(host::RemoveFolderTree(game + "\\System"));
       },
       "mod_texs"},
  };
  for (const auto& c : cases) {
    ClearRecords();
    c.arrange();
    Press("t6");
    Press("ok6");
    ASSERT_EQ(screen.messages.size(), 1u) << c.why;
    EXPECT_EQ(screen.messages[0].style, 48u) << c.why;
    EXPECT_NE(screen.messages[0].text.find(c.mentions), std::string::npos) << c.why << ": " << screen.messages[0].text;
    EXPECT_FALSE(host::FileExists(Textures() + "\\*.zip")) << c.why;
    EXPECT_EQ(Bar().back(), 0) << c.why;  // the remaining steps still ran
    host::MakeFolderWithParents(game + "\\System\\thirdparty");
  }
}

TEST_F(PacksTest, LooseSetCopiesTwentyTexturesAndTheReadme) {
  for (int n = 1; n <= 20; ++n) ShipBytes("\\tagvox.com\\b" + std::to_string(n) + ".ini", "texture " + std::to_string(n));
  ShipBytes("\\tagvox.com\\sm.inf", "readme");
  Main("进度条1").set_progress(33);
  ClearRecords();
  Press("t5");
  Press("ok5");
  std::vector<std::string> expected(packs::kLooseTextureNames.begin(), packs::kLooseTextureNames.end());
  expected.push_back("readme.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(Textures()), expected);
  EXPECT_EQ(test::ReadFile(Textures() + "\\HUD_Cheer_gun_fivekill.tga"), "texture 7");
  EXPECT_EQ(Bar(), (std::vector<int>{0, 25, 50, 75, 100, 0}));  // no opening value

  // With one texture missing the installed set stays and the caption names the pictures.
  ASSERT_TRUE(host::RemoveFile(run_dir + "\\tagvox.com\\b7.ini"));
  ClearRecords();
  Press("t5");
  Press("ok5");
  EXPECT_EQ(Listing(Textures()), expected);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "文件不完整，缺少图片支持库");
  EXPECT_FALSE(Main("ok5").enabled());
}

TEST_F(PacksTest, ResetLeavesOnlyTheReadme) {
  ShipBytes("\\tagvox.com\\sm.inf", "readme");
  Press("ok1");  // the texture folder did not exist yet
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"readme.txt"}));
  test::WriteFile(Textures() + "\\HUD_Cheer_gun_onekill.tga", "installed");
  ClearRecords();
  Press("ok1");
  EXPECT_EQ(Listing(Textures()), (std::vector<std::string>{"readme.txt"}));
  EXPECT_EQ(Bar(), (std::vector<int>{10, 60, 100, 0}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "徽光坊提示");
  EXPECT_EQ(screen.messages[0].style, 64u);

  // A texture that cannot be deleted is reported.
  test::WriteFile(Textures() + "\\stuck.tga", "x");
  ASSERT_TRUE(host::platform::SetReadOnly(Textures() + "\\stuck.tga", true));
  ClearRecords();
  Press("ok1");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].style, 48u);
  host::platform::SetReadOnly(Textures() + "\\stuck.tga", false);
}

TEST_F(PacksTest, WorldCupAsksToShareFirst) {
  ShipBytes("\\imgdata\\yinshanad.ini", "BMad");
  screen.message_answers = {ui::result::kNo};
  Press("wordball");
  EXPECT_FALSE(Main("ok11").enabled());
  EXPECT_TRUE(Main("wordball").ticked());
  EXPECT_TRUE(Main("yulan").visible());
  EXPECT_EQ(Main("jisha").text(), "世 界 杯");
  ASSERT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(screen.messages[0].caption, "分享给小伙伴们吧");
  EXPECT_EQ(screen.messages[0].style, 292u);
  EXPECT_EQ(screen.messages[1].caption, "无法执行");
  EXPECT_FALSE(host::FileExists(game + "\\System\\ad.bmp"));

  screen.message_answers = {ui::result::kYes};
  env.links.clear();
  Press("wordball");
  EXPECT_TRUE(Main("ok11").enabled());
  EXPECT_EQ(env.links, (std::vector<std::string>{"link " + host::Text(ui::links::kShareWorldCup)}));
  EXPECT_EQ(test::ReadFile(game + "\\System\\ad.bmp"), "BMad");

  // Without a game the picture has nowhere to go.
  ASSERT_TRUE(host::RemoveFile(game + "\\System\\ad.bmp"));
  Main("lujing").set_text("");
  screen.message_answers = {ui::result::kYes};
  Press("wordball");
  EXPECT_TRUE(Main("ok11").enabled());
  EXPECT_FALSE(host::FileExists(game + "\\System\\ad.bmp"));
}

TEST_F(PacksTest, SoundSets) {
  Ship("\\sound\\Core2.dat", {{"kill_1.wav", "a"}, {"both.wav", "first"}});
  Ship("\\sound\\bx2.wav", {{"kill_2.wav", "b"}, {"both.wav", "second"}});
  Ship("\\sound\\bx1.wav", {{"kill_3.wav", "c"}});

  Press("y6");
  EXPECT_EQ(Main("yinxiao").text(), "大连方言");
  for (const char* save : {"sound1", "sound2", "sound3", "sound4", "sound5"}) EXPECT_FALSE(Main(save).enabled());
  EXPECT_TRUE(Main("sound6").enabled());
  Press("sound6");
  EXPECT_EQ(Listing(Sounds()), (std::vector<std::string>{"both.wav", "kill_1.wav", "kill_2.wav"}));
  EXPECT_EQ(test::ReadFile(Sounds() + "\\both.wav"), "second");
  EXPECT_EQ(Bar(), (std::vector<int>{20, 45, 50, 75, 80, 90, 100, 0}));
  EXPECT_EQ(env.sleeps, (std::vector<int>{50, 2000, 50, 2000, 1000, 1000, 50, 50}));

  ClearRecords();
  Press("y3");
  Press("sound3");
  EXPECT_EQ(Listing(Sounds()), (std::vector<std::string>{"kill_3.wav"}));
  EXPECT_EQ(Bar(), (std::vector<int>{20, 40, 50, 80, 100, 0}));

  // The placeholder row can never be used.
  EXPECT_FALSE(Main("y4").enabled());
  EXPECT_FALSE(Click("y4"));

  ClearRecords();
  Press("y1");
  Press("sound1");
  EXPECT_FALSE(host::FileExists(Sounds()));
  EXPECT_EQ(Bar(), (std::vector<int>{10, 60, 100}));  // left at 100
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].caption, "徽光坊提示");

  // A missing second archive: the installed sounds stay.
  ClearRecords();
  Ship("\\sound\\Core1.dat", {{"x.wav", "x"}});
  Press("y3");
  Press("sound3");
  Press("y5");
  Press("sound5");
  EXPECT_EQ(Listing(Sounds()), (std::vector<std::string>{"kill_3.wav"}));
  EXPECT_FALSE(Main("y5").ticked());
  EXPECT_FALSE(Main("sound5").enabled());
  ASSERT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(screen.messages[1].caption, "文件不完整，音效数据部分丢失");
}

}  // namespace
