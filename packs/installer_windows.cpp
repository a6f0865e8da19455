// The gate and the sound extension: two small windows that install extra
// packs with PackInstall on their own progress bars.
#include "app/game_location.h"
#include "packs/pack_install.h"
#include "ui/links.h"
#include "ui/windows.h"

namespace packs {
namespace {

// Each window installs its pack number N, whose files carry N in their names.
// The tool ships effect 1 and extension pack 1, so each window's number is 1.
constexpr int kGateEffect = 1;
constexpr int kExtensionPack = 1;

constexpr std::string_view kKillIconSaves[] = {"ok1", "ok2", "ok3",  "ok4",  "ok5",  "ok6", "ok7",
                                               "ok8", "ok9", "ok10", "ok11", "ok12", "ok13"};
constexpr Message kFileError{"错误代码:file error", "激活失败，您所需要的支持库丢失或找不到。", ui::style::kInformation};

bool RefuseWithoutGame(app::App& app, ui::Window& main, std::string_view text) {
  if (app::GameChosen(app)) return false;
  app.ui.ShowMessage(&main, text, "路径还未设定", ui::style::kWarning);
  return true;
}

void EnterGate(app::App& app, ui::Window& main) {
  main["jisha"].set_text("魔法之门");
  for (std::string_view save : kKillIconSaves) main[save].set_enabled(false);
  main["yulan"].set_picture(ui::Picture::kPreviewGate);
  main["yulan"].set_visible(true);
  if (RefuseWithoutGame(app, main,
                        "无法进入魔法之门！您的游戏路径还没有设定哦！\r\n"
                        "请按照提示，【智能选择】或【手动选择】反恐行动目录文件夹下的客户端MatOnline.exe这个文件")) {
    return;
  }
  app.ui.LoadWindow("GateWindow", false);
}

void OpenSoundPlugin(app::App& app, ui::Window& main) {
  if (RefuseWithoutGame(app, main,
                        "无法进入！您的游戏路径还没有设定哦！\r\n"
                        "请按照提示，【智能选择】或【手动选择】反恐行动目录文件夹下的客户端MatOnline.exe这个文件")) {
    return;
  }
  app.ui.LoadWindow("SoundPluginWindow", false);
}

// The second archive is checked first, as the window always did.
PackSpec InstallerSpec(ui::Window& window, Text target, Text first, Text second) {
  PackSpec pack{.target = std::move(target), .progress_bar = window["进度条1"]};
  pack.files = {{std::move(second), "\\core2.zip"}, {std::move(first), "\\tagvox_01.zip"}};
  pack.opening_progress = 0;
  pack.bar_shown_only_while_installing = true;
  pack.failure = kFileError;
  return pack;
}

// The schedule copies and extracts the imgdata archive first: file 2 of the pack.
constexpr InstallStep kInstallerSteps[] = {
    {InstallStep::Kind::kProgress, 20}, {InstallStep::Kind::kCopy, 2},    {InstallStep::Kind::kSleep, 50},
    {InstallStep::Kind::kProgress, 30}, {InstallStep::Kind::kCopy, 1},    {InstallStep::Kind::kSleep, 50},
    {InstallStep::Kind::kProgress, 45}, {InstallStep::Kind::kExtract, 2}, {InstallStep::Kind::kSleep, 100},
    {InstallStep::Kind::kProgress, 70}, {InstallStep::Kind::kExtract, 1}, {InstallStep::Kind::kSleep, 500},
    {InstallStep::Kind::kDelete, 2},    {InstallStep::Kind::kSleep, 50},  {InstallStep::Kind::kProgress, 80},
    {InstallStep::Kind::kDelete, 1},    {InstallStep::Kind::kProgress, 100},
};

// What differs between the two windows' installs.
struct Installer {
  std::string_view window;
  Text app::App::*target;
  int number;
  std::string_view first_prefix;   // ".ui" archive copied as tagvox_01.zip
  std::string_view second_prefix;  // ".ui" archive copied as core2.zip, checked first
  Preparation preparation;
  bool owned_messages;  // else task messages
  std::string_view success_text;
};

const Installer kInstallers[] = {
    {"GateWindow", &app::App::texture_mod_dir, kGateEffect, "\\imgdata\\gdi_color", "\\tagvox.com\\c",
     Preparation::kRecreate, true,
     "恭喜您! 已经成功开启新的击杀特效！请去游戏里面体验吧！\r\n如果您觉得软件很好玩，别忘了告诉你朋友我们的网站哦！"},
    // A sound set already in the folder stays.
    {"SoundPluginWindow", &app::App::sound_mod_dir, kExtensionPack, "\\imgdata\\dat_wav", "\\sound\\y",
     Preparation::kEnsure, false,
     "恭喜您! 已经成功开启新的音效效果！请去游戏里面体验吧！\r\n如果您觉得软件很好玩，别忘了告诉你朋友我们的网站哦！"},
};

void Install(app::App& app, ui::Window& window, const Installer& installer) {
  const Text n = std::to_string(installer.number);
  PackSpec pack = InstallerSpec(window, app.*installer.target, Text(installer.first_prefix) + n + ".ui",
                                Text(installer.second_prefix) + n + ".ui");
  pack.preparation = installer.preparation;
  pack.owner = installer.owned_messages ? &window : nullptr;
  pack.schedule = kInstallerSteps;
  pack.success = {"徽光坊提示您", installer.success_text, ui::style::kInformation};
  PackInstall(app, pack);
}

}  // namespace

void BindInstallerWindows(app::App& app) {
  app.ui.Define(ui::windows::kGate);
  app.ui.Define(ui::windows::kSoundPlugin);
  app.ui.Bind("MainWindow", "mofa", ui::Event::kClick, [&app](const ui::EventArgs& e) { EnterGate(app, e.window); });
  app.ui.Bind("MainWindow", "按钮6", ui::Event::kClick,
              [&app](const ui::EventArgs& e) { OpenSoundPlugin(app, e.window); });
  for (const Installer& installer : kInstallers) {
    app.ui.Bind(installer.window, "按钮6", ui::Event::kClick,
                [&app, &installer](const ui::EventArgs& e) { Install(app, e.window, installer); });
    app.ui.Bind(installer.window, "按钮5", ui::Event::kClick,
                [&app](const ui::EventArgs&) { app.env.OpenLink(Text(ui::links::kMicroblog)); });
  }
}

}  // namespace packs
