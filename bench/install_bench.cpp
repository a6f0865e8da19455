// Times installs of the tool's packs with the fixed pauses taken out, and
// prints that time against the pauses the install is meant to take.
//   install_bench <run-dir> <runs> <radio>:<save> [<radio>:<save> ...]
// Every run installs over the previous one, as a player switching sets does.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/game_location.h"
#include "host/files.h"
#include "host/posix/native_path.h"
#include "ui/headless/headless_renderer.h"

namespace {

// Everything the program reaches outside, with pauses counted instead of slept.
class PauseCountingEnvironment final : public app::Environment {
 public:
  long long paused_ms = 0;
  app::Text program_folder;
  bool ProcessRunning(const app::Text&) override { return false; }
  void OpenLink(const app::Text&) override {}
  bool OpenInBrowser(const app::Text&) override { return true; }
  bool RunCommand(const app::Text&, bool) override { return true; }
  void OpenHyperlink(const app::Text&) override {}
  void PlayMp3(const app::Text&) override {}
  void PauseMp3() override {}
  void SleepMs(int milliseconds) override { paused_ms += milliseconds; }
  host::ScreenSize ScreenSize() override { return {1024, 768}; }
  app::Text ProgramFolder() override { return program_folder; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: install_bench <run-dir> <runs> <radio>:<save> ...\n");
    return 2;
  }
  const std::string run_dir = std::filesystem::absolute(argv[1]).string();
  const int runs = std::atoi(argv[2]);
  char scratch_pattern[] = "/tmp/install-bench-XXXXXX";
  const std::string scratch = mkdtemp(scratch_pattern);
  setenv("HUIGUANG_DRIVE_G", scratch.c_str(), 1);

  std::printf("%-22s %12s %12s %10s\n", "install", "pauses ms", "beyond ms", "share");
  for (int i = 3; i < argc; ++i) {
    const std::string pair = argv[i];
    const std::string radio = pair.substr(0, pair.find(':'));
    const std::string save = pair.substr(pair.find(':') + 1);
    std::vector<double> beyond;
    long long pauses = 0;
    for (int run = 0; run < runs; ++run) {
      ui::HeadlessRenderer screen;
      ui::Ui ui(screen);
      screen.Attach(ui);
      PauseCountingEnvironment env;
      env.program_folder = host::posix::FromNative(run_dir);
      app::App application{ui, env};
      app::DefineWindows(application);
      screen.Run([&] { ui.LoadWindow("MainWindow", false); });
      ui::Window& main = *ui.Find("MainWindow");
      const std::string game = "G:\\" + radio + "\\MAT";
      host::MakeFolderWithParents(game + "\\System\\thirdparty");
      main["lujing"].set_text(game + "\\MatOnline.exe");
      app::DeriveGameFolders(application);
      screen.Click(main, radio);
      env.paused_ms = 0;
      const auto start = std::chrono::steady_clock::now();
      screen.Run([&] { screen.Click(main, save); });
      const double elapsed =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      beyond.push_back(elapsed);
      pauses = env.paused_ms;
      const bool saved = !screen.messages.empty() && screen.messages.back().style == 64;
      if (!saved) {
        std::fprintf(stderr, "%s did not install: %s\n", save.c_str(),
                     screen.messages.empty() ? "no message" : screen.messages.back().caption.c_str());
        return 1;
      }
    }
    std::sort(beyond.begin(), beyond.end());
    const double median = beyond[beyond.size() / 2];
    std::printf("%-22s %12lld %12.1f %9.1f%%\n", (radio + " " + save).c_str(), pauses, median,
                100.0 * median / static_cast<double>(pauses));
  }
  std::filesystem::remove_all(scratch);
  return 0;
}
