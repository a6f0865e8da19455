// Start-up: the splash, the creation of MainWindow, and the refusal to run
// beside the game.
#include "app/app.h"
#include "app/game_location.h"
#include "host/files.h"
#include "ui/links.h"
#include "ui/windows.h"

namespace app {

void StartProgram(App& app) {
  host::SetCurrentFolder(host::ProgramFolder());
  app.ui.LoadWindow("SplashWindow", false);
  app.ui.renderer().RunMessageLoop();
}

namespace {

void SplashCreated(ui::Window& splash) { splash["时钟1"].set_timer_period(2000); }

void SplashTick(App& app, ui::Window& splash) {
  app.ui.LoadWindow("MainWindow", false);
  app.ui.CloseWindow(splash);
}

void MainCreated(App& app, ui::Window& main) {
  // The skin (background, colours, tab bar with its seven tabs, captions in
  // 宋体 white and orange) comes with the window's definition.
  app.env.SleepMs(150);
  main["超文本浏览框1"].Navigate(ui::links::kOnlineStatus);
  app.ui.LoadWindow("BulletinWindow", false, &main);
  app.run_dir = app.env.ProgramFolder();
  app.env.SleepMs(50);
  if (host::FileExists(app.run_dir + "\\yinshan.mp3")) app.env.PlayMp3(app.run_dir + "\\yinshan.mp3");
  app.env.SleepMs(50);
  RestoreGameLocation(app);
  main["game"].set_timer_period(2000);
  if (app.env.ProcessRunning("mat.exe")) {
    app.ui.ShowMessage(&main, "您的反恐行动游戏正在运行，徽光坊则无法进行工作！请退出游戏后，再来使用本软件！",
                       "徽光坊环境监测模块", ui::style::kInformation);
    app.ui.ExitProgram();
  }
  app.ui.RegisterDropTarget(main);
  main["拖放对象1"].set_accept_files(true);
}

}  // namespace

void BindStartup(App& app) {
  app.ui.Define(ui::windows::kSplash);
  app.ui.Define(ui::windows::kMain);
  app.ui.Bind("SplashWindow", "", ui::Event::kCreated, [](const ui::EventArgs& e) { SplashCreated(e.window); });
  app.ui.Bind("SplashWindow", "时钟1", ui::Event::kTimer,
              [&app](const ui::EventArgs& e) { SplashTick(app, e.window); });
  app.ui.Bind("MainWindow", "", ui::Event::kCreated, [&app](const ui::EventArgs& e) { MainCreated(app, e.window); });
  app.ui.link_opener = [&app](TextView target) { app.env.OpenHyperlink(Text(target)); };
}

}  // namespace app
