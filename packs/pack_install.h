// The one procedure every pack install follows: check the game location,
// check the pack's files, prepare the target folder, then walk a schedule of
// copies, extractions, deletions, pauses and progress values.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/app.h"

namespace packs {

using app::Text;

struct InstallStep {
  enum class Kind { kProgress, kSleep, kCopy, kExtract, kDelete };
  Kind kind;
  int value;  // progress value, milliseconds, or the 1-based source/archive number
};

using Schedule = std::span<const InstallStep>;

// One file of a pack: where it lies below RunDir, and the name its copy takes
// inside the target folder. Both begin with a backslash.
struct PackFile {
  Text source;
  Text archive;
  // A copy whose failure spoils nothing (the readme beside the textures).
  bool cosmetic = false;
};

struct Message {
  std::string_view caption;
  std::string_view text;
  unsigned style;
};

enum class Preparation {
  kRecreate,  // remove the target with its content if it exists, then create it
  kEnsure,    // create the target only if it does not exist
};

struct PackSpec {
  Text target;
  std::vector<PackFile> files;
  // How many leading files the source check covers; all when empty.
  std::optional<std::size_t> checked_files;
  Preparation preparation = Preparation::kRecreate;
  // Refuse with this message when no game has been chosen.
  std::optional<Message> location_check;
  std::optional<int> opening_progress;
  ui::Control progress_bar;
  bool bar_shown_only_while_installing = false;
  // The owner of the messages; none shows them as task messages.
  ui::Window* owner = nullptr;
  Schedule schedule;
  Message success;
  // What a missing file changes, and the message it shows.
  std::optional<std::string_view> failure_untick;
  std::optional<std::string_view> failure_disable;
  std::optional<Message> failure;
};

// Runs one install to its end on the user-interface thread.
void PackInstall(app::App& app, const PackSpec& pack);

// The game's own kill icons: empties the texture folder and leaves only the
// readme, moving `bar` through 10, 60 and 100. False when something in the
// folder could not be removed (it would still show in the game).
bool ResetTextureFolder(app::App& app, const ui::Control& bar);
// The warning for a game folder that could not be emptied.
void ShowNotEmptied(app::App& app, ui::Window& owner, std::string_view what, const Text& folder);

// Schedules shared by several catalogues.
namespace schedules {
extern const Schedule kTwoArchives;
extern const Schedule kOneArchive;
extern const Schedule kLoose;
}  // namespace schedules

// The message every kill-icon and sound Save button shows on success.
inline constexpr Message kSaved{
    "徽光坊提示您",
    "恭喜您所选中的效果已经保存，请打开游戏开始体验不一般的乐趣吧！\r\n如果您觉得软件很好玩，别忘了告诉你朋友我们的网站哦！",
    ui::style::kInformation};
// The message of every install that needs a game location.
inline constexpr std::string_view kNoGameText = "您还没有选择[反恐行动]游戏客户端【MATOnline.exe】这个文件！";

}  // namespace packs
