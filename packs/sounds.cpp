// The sound page: six sets, the game's own sounds restored by removing the
// sound folder, and a placeholder row that stays disabled.
#include <array>

#include "app/game_location.h"
#include "host/files.h"
#include "packs/pack_install.h"

namespace packs {
namespace {

using K = InstallStep::Kind;

// Two archives with the set's own delays after each copy and extraction.
constexpr std::array<InstallStep, 20> TwoArchiveSchedule(int a, int b, int c, int d) {
  return {{{K::kProgress, 20}, {K::kCopy, 1},     {K::kSleep, a},     {K::kProgress, 45}, {K::kSleep, 50},
           {K::kProgress, 50}, {K::kCopy, 2},     {K::kSleep, b},     {K::kProgress, 75}, {K::kExtract, 1},
           {K::kSleep, c},     {K::kProgress, 80}, {K::kExtract, 2},  {K::kSleep, d},     {K::kDelete, 1},
           {K::kSleep, 50},    {K::kProgress, 90}, {K::kDelete, 2},   {K::kSleep, 50},    {K::kProgress, 100}}};
}

constexpr auto kFeihu = TwoArchiveSchedule(2000, 1000, 100, 500);
constexpr auto kXingyu = TwoArchiveSchedule(1000, 1000, 500, 500);
constexpr auto kDalian = TwoArchiveSchedule(2000, 2000, 1000, 1000);
constexpr InstallStep kOneArchive[] = {
    {K::kProgress, 20}, {K::kSleep, 50},   {K::kProgress, 40}, {K::kCopy, 1},   {K::kSleep, 1000},
    {K::kProgress, 50}, {K::kExtract, 1},  {K::kSleep, 500},   {K::kProgress, 80}, {K::kDelete, 1},
    {K::kSleep, 50},    {K::kProgress, 100},
};

enum class Kind { kDefault, kPlaceholder, kInstall };

struct SoundSet {
  std::string_view radio;
  std::string_view save;
  Kind kind;
  std::array<PackFile, 2> files;
  Schedule schedule;
};

const SoundSet kSets[] = {
    {"y1", "sound1", Kind::kDefault, {}, {}},
    {"y2", "sound2", Kind::kInstall, {{{"\\sound\\Core3.dat", "\\core1.zip"}, {"\\sound\\bx3.wav", "\\core2.zip"}}},
     kFeihu},
    {"y3", "sound3", Kind::kInstall, {{{"\\sound\\bx1.wav", "\\core2.zip"}}}, kOneArchive},
    {"y4", "sound4", Kind::kPlaceholder, {}, {}},
    {"y5", "sound5", Kind::kInstall, {{{"\\sound\\Core1.dat", "\\core1.zip"}, {"\\sound\\bx.wav", "\\core2.zip"}}},
     kXingyu},
    {"y6", "sound6", Kind::kInstall, {{{"\\sound\\Core2.dat", "\\core1.zip"}, {"\\sound\\bx2.wav", "\\core2.zip"}}},
     kDalian},
};

void Select(ui::Window& main, const SoundSet& set) {
  main["yinxiao"].set_text(main[set.radio].text());
  for (const SoundSet& other : kSets) main[other.save].set_enabled(other.save == set.save);
}

// The game's own sounds: the sound folder goes, and the bar stays at 100.
void RestoreDefault(app::App& app, ui::Window& main) {
  if (!app::GameChosen(app)) {
    app.ui.ShowMessage(&main, kNoGameText, "错误提示(指令:1)", ui::style::kOk);
    return;
  }
  ui::Control bar = main["进度条1"];
  bar.set_progress(10);
  host::RemoveFolderTree(app.sound_mod_dir);
  const bool removed = !host::FolderExists(app.sound_mod_dir);
  bar.set_progress(60);
  app.env.SleepMs(50);
  bar.set_progress(100);
  if (removed) {
    app.ui.ShowMessage(&main, "操作已经完成，您所修改的音效已经恢复到游戏初始。重新打开游戏才能感受它的变动！",
                       "徽光坊提示", ui::style::kInformation);
  } else {
    ShowNotEmptied(app, main, "音效", app.sound_mod_dir);
  }
}

void Install(app::App& app, ui::Window& main, const SoundSet& set) {
  PackSpec pack{.target = app.sound_mod_dir, .progress_bar = main["进度条1"]};
  pack.location_check = Message{"错误提示(路径指令错误)", kNoGameText, ui::style::kOk};
  pack.owner = &main;
  pack.schedule = set.schedule;
  pack.success = kSaved;
  pack.failure_untick = set.radio;
  pack.failure_disable = set.save;
  pack.failure = Message{"文件不完整，音效数据部分丢失",
                         " 程序所需要的音效数据不完整，无法使用该效果！请确保您的软件安装是否完整，或者重新安装徽光坊客户端",
                         ui::style::kWarning};
  for (const PackFile& file : set.files) {
    if (!file.source.empty()) pack.files.push_back(file);
  }
  PackInstall(app, pack);
}

}  // namespace

void BindSounds(app::App& app) {
  for (const SoundSet& set : kSets) {
    app.ui.Bind("MainWindow", set.radio, ui::Event::kClick, [&set](const ui::EventArgs& e) { Select(e.window, set); });
    if (set.kind == Kind::kPlaceholder) continue;  // its button does nothing
    app.ui.Bind("MainWindow", set.save, ui::Event::kClick, [&app, &set](const ui::EventArgs& e) {
      if (set.kind == Kind::kDefault) {
        RestoreDefault(app, e.window);
      } else {
        Install(app, e.window, set);
      }
    });
  }
}

}  // namespace packs
