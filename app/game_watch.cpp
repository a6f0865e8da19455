// The lamp that shows every two seconds whether the game runs.
#include "app/app.h"

namespace app {

void BindGameWatch(App& app) {
  app.ui.Bind("MainWindow", "game", ui::Event::kTimer, [&app](const ui::EventArgs& e) {
    bool running = app.env.ProcessRunning("mat.exe");
    e.window["jiance1"].set_back_color(running ? ui::Rgb(0, 255, 0) : ui::Rgb(255, 0, 0));
  });
}

}  // namespace app
