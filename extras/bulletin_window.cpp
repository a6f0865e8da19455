// The notice board that opens beside MainWindow at start-up.
#include "app/app.h"
#include "ui/links.h"
#include "ui/windows.h"

namespace extras {

void BindBulletin(app::App& app) {
  app.ui.Define(ui::windows::kBulletin);
  app.ui.Bind("BulletinWindow", "", ui::Event::kCreated, [&app](const ui::EventArgs& e) {
    // Bottom right corner of the screen, above the task bar.
    host::ScreenSize screen = app.env.ScreenSize();
    e.window.set_position(screen.width - 302, screen.height - 292);
    e.window["超文本浏览框1"].Navigate(ui::links::kBulletin);
  });
  app.ui.Bind("BulletinWindow", "", ui::Event::kDestroying,
              [&app](const ui::EventArgs&) { app.env.OpenLink(app::Text(ui::links::kSite)); });
  app.ui.Bind("BulletinWindow", "标签1", ui::Event::kMouseMove,
              [](const ui::EventArgs& e) { e.window["标签1"].set_text_color(ui::Rgb(255, 255, 0)); });
  app.ui.Bind("BulletinWindow", "标签1", ui::Event::kRightButtonUp,
              [](const ui::EventArgs& e) { e.window["标签1"].set_text_color(ui::Rgb(255, 255, 255)); });
  app.ui.Bind("BulletinWindow", "标签1", ui::Event::kLeftButtonUp,
              [&app](const ui::EventArgs& e) { app.ui.CloseWindow(e.window); });
  // The query goes into the address exactly as typed.
  app.ui.Bind("BulletinWindow", "超级链接框1", ui::Event::kLeftButtonUp, [&app](const ui::EventArgs& e) {
    app.env.OpenLink(app::Text(ui::links::kForumSearch) + e.window["编辑框1"].text() + "&module=forum");
  });
}

}  // namespace extras
