#include "packs/pack_install.h"

#include <algorithm>

#include "app/game_location.h"
#include "host/files.h"
#include "host/zip.h"

namespace packs {
namespace schedules {
namespace {

using K = InstallStep::Kind;

constexpr InstallStep kTwoArchiveSteps[] = {
    {K::kProgress, 20}, {K::kCopy, 1},    {K::kSleep, 50},    {K::kProgress, 30}, {K::kCopy, 2},
    {K::kSleep, 50},    {K::kProgress, 45}, {K::kExtract, 1}, {K::kSleep, 100},   {K::kProgress, 70},
    {K::kExtract, 2},   {K::kSleep, 500}, {K::kDelete, 1},    {K::kSleep, 50},    {K::kProgress, 80},
    {K::kDelete, 2},    {K::kProgress, 100},
};

// No pause between the copy and the extraction.
constexpr InstallStep kOneArchiveSteps[] = {
    {K::kProgress, 20}, {K::kCopy, 1}, {K::kProgress, 50}, {K::kExtract, 1},
    {K::kSleep, 500},   {K::kDelete, 1}, {K::kProgress, 100},
};

// Twenty loose textures in four groups of five, then the readme.
constexpr InstallStep kLooseSteps[] = {
    {K::kProgress, 0},  {K::kCopy, 1},  {K::kCopy, 2},  {K::kCopy, 3},  {K::kCopy, 4},  {K::kCopy, 5},
    {K::kSleep, 100},   {K::kProgress, 25}, {K::kCopy, 6}, {K::kCopy, 7},  {K::kCopy, 8},  {K::kCopy, 9},
    {K::kCopy, 10},     {K::kSleep, 100}, {K::kProgress, 50}, {K::kCopy, 11}, {K::kCopy, 12}, {K::kCopy, 13},
    {K::kCopy, 14},     {K::kCopy, 15}, {K::kSleep, 100}, {K::kProgress, 75}, {K::kCopy, 16}, {K::kCopy, 17},
    {K::kCopy, 18},     {K::kCopy, 19}, {K::kCopy, 20}, {K::kSleep, 100}, {K::kCopy, 21}, {K::kProgress, 100},
};

}  // namespace

const Schedule kTwoArchives = kTwoArchiveSteps;
const Schedule kOneArchive = kOneArchiveSteps;
const Schedule kLoose = kLooseSteps;

}  // namespace schedules

namespace {

// What went wrong on the way, in the order it happened, each said once.
class Problems {
 public:
  void Add(Text problem) {
    if (std::find(list_.begin(), list_.end(), problem) == list_.end()) list_.push_back(std::move(problem));
  }
  bool empty() const { return list_.empty(); }
  Text Describe() const {
    Text text = "效果没有完整保存：";
    for (const Text& problem : list_) text += "\r\n" + problem;
    return text + "\r\n\r\n请先关闭游戏，再以管理员身份运行徽光坊后重试；如果仍然失败，请重新安装徽光坊。";
  }

 private:
  std::vector<Text> list_;
};

Text FileName(const Text& archive) { return archive.substr(archive.find_first_not_of('\\')); }

void Show(app::App& app, const PackSpec& pack, std::string_view text, std::string_view caption, unsigned style) {
  if (pack.owner) {
    app.ui.ShowMessage(pack.owner, text, caption, style);
  } else {
    app.ui.ShowTaskMessage(text, style, caption);
  }
}

bool SourcesPresent(app::App& app, const PackSpec& pack) {
  const std::size_t checked = std::min(pack.checked_files.value_or(pack.files.size()), pack.files.size());
  for (std::size_t i = 0; i < checked; ++i) {
    if (!host::FileExists(app.run_dir + pack.files[i].source)) return false;
  }
  return true;
}

void Prepare(app::App& app, const PackSpec& pack, Problems& problems) {
  const bool exists = host::FolderExists(pack.target);
  if (pack.preparation == Preparation::kRecreate && exists) {
    host::RemoveFolderTree(pack.target);
    app.env.SleepMs(50);
  }
  if (pack.preparation == Preparation::kRecreate || !exists) {
    host::MakeFolder(pack.target);
    app.env.SleepMs(50);
  }
  if (!host::FolderExists(pack.target)) problems.Add("无法在游戏文件夹里创建 " + pack.target);
}

void RunSchedule(app::App& app, const PackSpec& pack, Problems& problems) {
  std::vector<bool> copied(pack.files.size() + 1, false);
  for (const InstallStep& step : pack.schedule) {
    const auto file = static_cast<std::size_t>(step.value - 1);
    switch (step.kind) {
      case InstallStep::Kind::kProgress: pack.progress_bar.set_progress(step.value); break;
      case InstallStep::Kind::kSleep: app.env.SleepMs(step.value); break;
      case InstallStep::Kind::kCopy:
        copied[file] =
            host::CopyFileOver(app.run_dir + pack.files[file].source, pack.target + pack.files[file].archive);
        if (!copied[file] && !pack.files[file].cosmetic) problems.Add("无法把效果文件复制到游戏文件夹：" + FileName(pack.files[file].archive));
        break;
      case InstallStep::Kind::kExtract:
        // A copy that failed has said so already.
        if (host::ExtractZip(pack.target + pack.files[file].archive, pack.target) != 1 && copied[file]) {
          problems.Add("无法解压效果文件（文件可能已损坏）：" + FileName(pack.files[file].archive));
        }
        break;
      case InstallStep::Kind::kDelete:
        if (!host::RemoveFile(pack.target + pack.files[file].archive) &&
            host::FileExists(pack.target + pack.files[file].archive)) {
          problems.Add("无法删除游戏文件夹里的临时文件：" + FileName(pack.files[file].archive));
        }
        break;
    }
  }
}

}  // namespace

bool ResetTextureFolder(app::App& app, const ui::Control& bar) {
  bar.set_progress(10);
  const bool existed = host::FolderExists(app.texture_mod_dir);
  host::RemoveFolderTree(app.texture_mod_dir);
  const bool emptied = !existed || !host::FolderExists(app.texture_mod_dir);
  app.env.SleepMs(50);
  host::MakeFolder(app.texture_mod_dir);
  bar.set_progress(60);
  app.env.SleepMs(50);
  host::CopyFileOver(app.run_dir + "\\tagvox.com\\sm.inf", app.texture_mod_dir + "\\readme.txt");
  bar.set_progress(100);
  return emptied;
}

void ShowNotEmptied(app::App& app, ui::Window& owner, std::string_view what, const Text& folder) {
  Text text(what);
  text += "没有完全恢复：游戏文件夹里有文件无法删除。\r\n" + folder + "\r\n\r\n请先关闭游戏，再以管理员身份运行徽光坊后重试。";
  app.ui.ShowMessage(&owner, text, "徽光坊提示", ui::style::kWarning);
}

void PackInstall(app::App& app, const PackSpec& pack) {
  if (pack.location_check && !app::GameChosen(app)) {
    Show(app, pack, pack.location_check->text, pack.location_check->caption, pack.location_check->style);
    return;
  }
  if (pack.bar_shown_only_while_installing) pack.progress_bar.set_visible(true);
  if (pack.opening_progress) pack.progress_bar.set_progress(*pack.opening_progress);

  // The pack must be all there before anything in the game is emptied.
  if (!SourcesPresent(app, pack)) {
    ui::Window& window = pack.progress_bar.window();
    if (pack.failure_untick) window[*pack.failure_untick].set_ticked(false);
    if (pack.failure_disable) window[*pack.failure_disable].set_enabled(false);
    if (pack.failure) Show(app, pack, pack.failure->text, pack.failure->caption, pack.failure->style);
    return;
  }

  Problems problems;
  Prepare(app, pack, problems);
  RunSchedule(app, pack, problems);
  if (problems.empty()) {
    Show(app, pack, pack.success.text, pack.success.caption, pack.success.style);
  } else {
    Show(app, pack, problems.Describe(), "徽光坊提示", ui::style::kWarning);
  }
  pack.progress_bar.set_progress(0);
  if (pack.bar_shown_only_while_installing) pack.progress_bar.set_visible(false);
}

}  // namespace packs
