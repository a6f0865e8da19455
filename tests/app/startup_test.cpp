#include "app_fixture.h"
#include "host/files.h"
#include "ui/links.h"

using test::AppTest;
using test::Describe;

TEST_F(AppTest, SplashOpensMainWindowAfterItsTimer) {
  screen.Run([&] { ui.LoadWindow("SplashWindow", false); });
  ui::Window* splash = ui.Find("SplashWindow");
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ((*splash)["时钟1"].timer_period(), 2000);
  EXPECT_EQ(ui.Find("MainWindow"), nullptr);

  screen.Run([&] { screen.FireTimer(*splash, "时钟1"); });
  EXPECT_EQ(ui.Find("SplashWindow"), nullptr);
  ASSERT_NE(ui.Find("MainWindow"), nullptr);
  ASSERT_NE(ui.Find("BulletinWindow"), nullptr);
  EXPECT_EQ(screen.created, (std::vector<std::string>{"SplashWindow", "MainWindow", "BulletinWindow"}));
}

TEST_F(AppTest, MainWindowCreationRunsItsStepsInOrder) {
  Start();
  EXPECT_EQ(env.sleeps, (std::vector<int>{150, 50, 50}));
  EXPECT_EQ(screen.navigations,
            (std::vector<std::string>{"MainWindow.超文本浏览框1 " + host::Text(ui::links::kOnlineStatus),
                                      "BulletinWindow.超文本浏览框1 " + host::Text(ui::links::kBulletin)}));
  EXPECT_EQ(app.run_dir, run_dir);
  EXPECT_EQ(Main("game").timer_period(), 2000);
  EXPECT_TRUE(Main("拖放对象1").accept_files());
  EXPECT_TRUE(env.mp3.empty());  // no yinshan.mp3 beside the tool: silent
  EXPECT_TRUE(screen.messages.empty());

  // The window starts as its definition says.
  EXPECT_EQ(Main("选择夹1").current_page(), 0);
  EXPECT_EQ(Main("jisha").text(), "游戏默认");
  EXPECT_EQ(Main("yinxiao").text(), "默认音效");
  EXPECT_EQ(Main("title").text(), "徽光坊版本:3.3");
  EXPECT_EQ(Main("进度条1").progress(), 0);
  EXPECT_FALSE(Main("yulan").visible());
  EXPECT_FALSE(Main("weima").visible());
  EXPECT_TRUE(Main("t1").ticked());
  EXPECT_TRUE(Main("ok1").enabled());
  EXPECT_FALSE(Main("ok2").enabled());
  EXPECT_TRUE(Main("xuan").enabled());
  EXPECT_EQ(Main("h1").text(), "   反恐行动游戏运行监测");

  // The notice board sits in the bottom right corner of a 1024 x 768 screen.
  ui::Window& bulletin = *ui.Find("BulletinWindow");
  EXPECT_EQ(bulletin.left(), 722);
  EXPECT_EQ(bulletin.top(), 476);
}

TEST_F(AppTest, StartUpMusicPlaysWhenItLiesBesideTheTool) {
  test::WriteFile(run_dir + "\\yinshan.mp3", "ID3");
  Start();
  EXPECT_EQ(env.mp3, (std::vector<std::string>{"play " + run_dir + "\\yinshan.mp3"}));
}

TEST_F(AppTest, RefusesToRunBesideTheGame) {
  env.running.insert("mat.exe");
  Start();
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].owner, "MainWindow");
  EXPECT_EQ(Describe(screen.messages[0]),
            "徽光坊环境监测模块|您的反恐行动游戏正在运行，徽光坊则无法进行工作！请退出游戏后，再来使用本软件！|64");
  EXPECT_TRUE(screen.exited);
  EXPECT_TRUE(ui.OpenWindows().empty());
  // The notice board's farewell still opens the site.
  EXPECT_EQ(env.links, (std::vector<std::string>{"link " + host::Text(ui::links::kSite)}));
}

TEST_F(AppTest, TabsSwitchPagesAndShowTheirNotices) {
  Start();
  struct Case {
    int tab;
    int answer;
    int messages;
    std::vector<std::string> links;
    std::vector<std::string> navigations;
  } cases[] = {
      {3, 0, 0, {}, {}},
      {4, 0, 1, {}, {}},
      {4, 0, 1, {}, {}},  // the notice comes every time
      {6, 0, 0, {}, {"MainWindow.超文本浏览框2 " + host::Text(ui::links::kVideoList)}},
      {6, 0, 0, {}, {"MainWindow.超文本浏览框2 " + host::Text(ui::links::kVideoList)}},
      {2, ui::result::kNo, 1, {}, {}},
      {2, ui::result::kYes, 1, {"link " + host::Text(ui::links::kMicroblog)}, {}},
      {7, 0, 0, {}, {}},
      {1, 0, 0, {}, {}},
  };
  for (const auto& c : cases) {
    ClearRecords();
    screen.message_answers = {c.answer};
    screen.Run([&] { ui.Dispatch(Main(), Main("图片框2").index(), ui::Event::kItemSelected, std::to_string(c.tab)); });
    EXPECT_EQ(Main("选择夹1").current_page(), c.tab - 1) << c.tab;
    EXPECT_EQ(static_cast<int>(screen.messages.size()), c.messages) << c.tab;
    EXPECT_EQ(env.links, c.links) << c.tab;
    EXPECT_EQ(screen.navigations, c.navigations) << c.tab;
  }
}

TEST_F(AppTest, TabNoticesSayWhatTheyShould) {
  Start();
  ClearRecords();
  screen.Run([&] { ui.Dispatch(Main(), Main("图片框2").index(), ui::Event::kItemSelected, "4"); });
  screen.Run([&] { ui.Dispatch(Main(), Main("图片框2").index(), ui::Event::kItemSelected, "2"); });
  ASSERT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(screen.messages[0].caption, "特别提示");
  EXPECT_EQ(screen.messages[0].style, 48u);
  EXPECT_TRUE(screen.messages[0].text.starts_with("修改游戏的背景音乐是一件非常好玩的事情"));
  EXPECT_TRUE(screen.messages[0].text.ends_with("只需要下载软原始音乐重新替换即可还原"));
  EXPECT_EQ(screen.messages[1].caption, "温馨提示");
  EXPECT_EQ(screen.messages[1].style, 292u);
  EXPECT_TRUE(screen.messages[1].text.starts_with(
      "hello ,想使用更多的效果吗？徽光坊可以直接用外部插件导入更多效果哦！\r\n\r\n"));
}

TEST_F(AppTest, QrCodeShowsOverItsHotSpot) {
  Start();
  screen.MoveMouse(Main(), "图片框1");
  EXPECT_TRUE(Main("weima").visible());
  screen.MoveMouse(Main(), "mofa");  // other controls keep it
  EXPECT_TRUE(Main("weima").visible());
  screen.MoveMouse(Main());  // the bare window hides it
  EXPECT_FALSE(Main("weima").visible());

  ui.Dispatch(Main(), Main("图片框1").index(), ui::Event::kLeftButtonDown);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(Describe(screen.messages[0]),
            "终于发现我了|亲，您终于发现我了！快看看软件左上角有个大大的二维码，用微信扫描就可以分享给微信啦！|64");
}

TEST_F(AppTest, LampShowsWhetherTheGameRuns) {
  Start();
  EXPECT_EQ(Main("jiance1").back_color(), ui::Rgb(255, 0, 0));  // the definition's colour until the first tick
  screen.FireTimer(Main(), "game");
  EXPECT_EQ(Main("jiance1").back_color(), ui::Rgb(255, 0, 0));
  env.running.insert("mat.exe");
  screen.FireTimer(Main(), "game");
  EXPECT_EQ(Main("jiance1").back_color(), ui::Rgb(0, 255, 0));
  env.running.clear();
  screen.FireTimer(Main(), "game");
  EXPECT_EQ(Main("jiance1").back_color(), ui::Rgb(255, 0, 0));
}

TEST_F(AppTest, NoticeBoardCloseLabelAndSearch) {
  Start();
  ui::Window& bulletin = *ui.Find("BulletinWindow");
  screen.MoveMouse(bulletin, "标签1");
  EXPECT_EQ(bulletin["标签1"].text_color(), ui::Rgb(255, 255, 0));
  ui.Dispatch(bulletin, bulletin["标签1"].index(), ui::Event::kRightButtonUp);
  EXPECT_EQ(bulletin["标签1"].text_color(), ui::Rgb(255, 255, 255));

  screen.Type(bulletin, "编辑框1", "反恐 行动");
  ui.Dispatch(bulletin, bulletin["超级链接框1"].index(), ui::Event::kLeftButtonUp);
  ASSERT_EQ(env.links.size(), 1u);
  EXPECT_EQ(env.links[0], "link " + host::Text(ui::links::kForumSearch) + "反恐 行动&module=forum");

  env.links.clear();
  ui.Dispatch(bulletin, bulletin["标签1"].index(), ui::Event::kLeftButtonUp);
  EXPECT_EQ(ui.Find("BulletinWindow"), nullptr);
  EXPECT_EQ(env.links, (std::vector<std::string>{"link " + host::Text(ui::links::kSite)}));
  EXPECT_NE(ui.Find("MainWindow"), nullptr);
}

TEST_F(AppTest, HyperlinksOpenTheirTargets) {
  Start();
  screen.Click(Main(), "超级链接框13");
  EXPECT_EQ(env.links, (std::vector<std::string>{"hyperlink " + host::Text(ui::links::kForumHelp)}));
}
