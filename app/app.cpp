#include "app/app.h"

namespace app {
void BindStartup(App& app);
void BindMainWindow(App& app);
void BindGameLocation(App& app);
void BindGameWatch(App& app);
}  // namespace app

namespace packs {
void BindKillIcons(app::App& app);
void BindSounds(app::App& app);
void BindDeveloperMode(app::App& app);
void BindInstallerWindows(app::App& app);
}  // namespace packs

namespace extras {
void BindBulletin(app::App& app);
}  // namespace extras

namespace app {

void DefineWindows(App& app) {
  BindStartup(app);
  BindMainWindow(app);
  BindGameLocation(app);
  BindGameWatch(app);
  packs::BindKillIcons(app);
  packs::BindSounds(app);
  packs::BindDeveloperMode(app);
  packs::BindInstallerWindows(app);
  extras::BindBulletin(app);
}

}  // namespace app
