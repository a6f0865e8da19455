// Runs the program's handlers on the headless renderer, with the program's
// folder in a scratch folder and the outside world recorded.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "support/test_support.h"
#include "ui/headless/headless_renderer.h"

namespace test {

class RecordingEnvironment final : public app::Environment {
 public:
  std::set<std::string> running;       // process names that count as running
  std::vector<std::string> links;      // OpenLink, OpenInBrowser and hyperlinks, tagged
  std::vector<std::string> commands;
  std::vector<std::string> mp3;        // "play <path>" / "pause"
  std::vector<int> sleeps;
  host::ScreenSize screen{1024, 768};
  host::Text program_folder;

  bool ProcessRunning(const host::Text& name) override { return running.count(name) > 0; }
  void OpenLink(const host::Text& address) override { links.push_back("link " + address); }
  bool OpenInBrowser(const host::Text& address) override {
    links.push_back("browser " + address);
    return true;
  }
  bool RunCommand(const host::Text& command_line, bool wait) override {
    commands.push_back(command_line + (wait ? " (wait)" : ""));
    return true;
  }
  void OpenHyperlink(const host::Text& target) override { links.push_back("hyperlink " + target); }
  void PlayMp3(const host::Text& path) override { mp3.push_back("play " + path); }
  void PauseMp3() override { mp3.push_back("pause"); }
  void SleepMs(int milliseconds) override { sleeps.push_back(milliseconds); }
  host::ScreenSize ScreenSize() override { return screen; }
  host::Text ProgramFolder() override { return program_folder; }
};

class AppTest : public ::testing::Test {
 protected:
  ui::HeadlessRenderer screen;
  ui::Ui ui{screen};
  RecordingEnvironment env;
  app::App app{ui, env};
  host::Text run_dir = NewScratchFolder();

  AppTest() {
    screen.Attach(ui);
    env.program_folder = run_dir;
    app::DefineWindows(app);
  }

  // Starts the program and lets the splash's timer open MainWindow.
  void Start() {
    screen.Run([&] { ui.LoadWindow("SplashWindow", false); });
    if (ui::Window* splash = ui.Find("SplashWindow")) {
      screen.Run([&] { screen.FireTimer(*splash, "时钟1"); });
    }
  }
  ui::Window& Main() { return *ui.Find("MainWindow"); }
  ui::Control Main(std::string_view control) { return Main()[control]; }
  bool Click(std::string_view control) { return screen.Click(Main(), control); }
  void ClearRecords() {
    screen.messages.clear();
    screen.progress.clear();
    screen.navigations.clear();
    env.links.clear();
    env.sleeps.clear();
  }
};

// A started program pointed at a scratch game folder with System\thirdparty.
class GameTest : public AppTest {
 protected:
  host::Text game;

  GameTest();
  host::Text Textures() const { return game + "\\System\\thirdparty\\mod_texs"; }
  host::Text Sounds() const { return game + "\\System\\thirdparty\\mod_sounds"; }
  // A file beside the tool, below the program's folder.
  void ShipBytes(const host::Text& relative, const std::string& bytes);
  // The names in a folder, sorted, without "." and "..".
  static std::vector<std::string> Listing(const host::Text& folder);
};

// "caption|text|style" of a recorded message box, for compact comparisons.
inline std::string Describe(const ui::HeadlessRenderer::Message& message) {
  return message.caption + "|" + message.text + "|" + std::to_string(message.style);
}

}  // namespace test
