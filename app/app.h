// The application context every handler works with: the windows, the outside
// world, and the program-wide texts.
#pragma once

#include "host/system.h"
#include "host/text.h"
#include "ui/ui.h"

namespace app {

using host::Text;
using host::TextView;

// What handlers reach beyond the windows and the game's files. The program
// uses the system itself; tests record these calls instead.
class Environment {
 public:
  virtual ~Environment() = default;
  virtual bool ProcessRunning(const Text& name) = 0;
  virtual void OpenLink(const Text& address) = 0;
  virtual bool OpenInBrowser(const Text& address) = 0;
  virtual bool RunCommand(const Text& command_line, bool wait) = 0;
  // What a hyperlink control does with its target.
  virtual void OpenHyperlink(const Text& target) = 0;
  virtual void PlayMp3(const Text& path) = 0;
  virtual void PauseMp3() = 0;
  virtual void SleepMs(int milliseconds) = 0;
  virtual host::ScreenSize ScreenSize() = 0;
  virtual Text ProgramFolder() = 0;
};

// The real thing, on the host operations.
class SystemEnvironment final : public Environment {
 public:
  bool ProcessRunning(const Text& name) override;
  void OpenLink(const Text& address) override;
  bool OpenInBrowser(const Text& address) override;
  bool RunCommand(const Text& command_line, bool wait) override;
  void OpenHyperlink(const Text& target) override;
  void PlayMp3(const Text& path) override;
  void PauseMp3() override;
  void SleepMs(int milliseconds) override;
  host::ScreenSize ScreenSize() override;
  Text ProgramFolder() override;
};

struct App {
  ui::Ui& ui;
  Environment& env;

  Text run_dir;          // the program's folder, set while MainWindow is created
  Text texture_mod_dir;  // derived from the game location
  Text sound_mod_dir;

  // MainWindow; only valid while it is open.
  ui::Window& main() { return *ui.Find("MainWindow"); }
};

// Makes every window known and binds every handler.
void DefineWindows(App& app);
// The start routine: the splash, then the message loop until the program ends.
void StartProgram(App& app);

// The 1-based tab the tab bar selected.
void TabSelected(App& app, int tab);

}  // namespace app
