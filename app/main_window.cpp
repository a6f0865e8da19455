// The tab bar's pages and their notices, and the QR-code hot spot.
#include "app/app.h"
#include <cstdlib>

#include "ui/links.h"

namespace app {

void TabSelected(App& app, int tab) {
  ui::Window& main = app.main();
  main["选择夹1"].set_current_page(tab - 1);
  if (tab == 4) {
    app.ui.ShowMessage(&main,
                       "修改游戏的背景音乐是一件非常好玩的事情，但是往往好玩并不是那么的容易！\r\n\r\n"
                       "1，如果您是新手，请先点击软件下面的【备份到C盘】\r\n"
                       "2，替换任何项目的音乐，都必须使用.ogg格式音乐！\r\n"
                       "3，如果你有喜欢听的MP3歌曲，需要通过格式工厂转换成.ogg格式\r\n"
                       "4，假设您修改后，进入游戏没声音，只需要下载软原始音乐重新替换即可还原",
                       "特别提示", ui::style::kWarning);
  }
  if (tab == 6) main["超文本浏览框2"].Navigate(ui::links::kVideoList);
  if (tab == 2) {
    int answer = app.ui.ShowMessage(&main,
                                    "hello ,想使用更多的效果吗？徽光坊可以直接用外部插件导入更多效果哦！\r\n\r\n"
                                    "关注作者微博，第一时间获取最新的击杀图标、音效和插件！",
                                    "温馨提示", ui::style::kYesNoQuestionDefaultNo);
    if (answer == ui::result::kYes) app.env.OpenLink(Text(ui::links::kMicroblog));
  }
}

void BindMainWindow(App& app) {
  app.ui.Bind("MainWindow", "图片框2", ui::Event::kItemSelected, [&app](const ui::EventArgs& e) {
    TabSelected(app, std::atoi(e.text.c_str()));
  });
  // The QR code shows while the mouse is over the hot spot and hides over the bare window.
  app.ui.Bind("MainWindow", "图片框1", ui::Event::kMouseMove,
              [](const ui::EventArgs& e) { e.window["weima"].set_visible(true); });
  app.ui.Bind("MainWindow", "", ui::Event::kMouseMove,
              [](const ui::EventArgs& e) { e.window["weima"].set_visible(false); });
  app.ui.Bind("MainWindow", "图片框1", ui::Event::kLeftButtonDown, [&app](const ui::EventArgs& e) {
    app.ui.ShowMessage(&e.window,
                       "亲，您终于发现我了！快看看软件左上角有个大大的二维码，用微信扫描就可以分享给微信啦！",
                       "终于发现我了", ui::style::kInformation);
  });
}

}  // namespace app
