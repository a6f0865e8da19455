// The kill-icon page: thirteen sets, each with its radio, Save button and
// preview; the reset to the game's own icons; the World Cup share question.
#include <array>

#include "app/game_location.h"
#include "host/files.h"
#include "packs/pack_install.h"
#include "packs/textures.h"
#include "ui/links.h"

namespace packs {
namespace {

enum class Kind { kReset, kTwoArchives, kOneArchive, kLoose };

struct KillIconSet {
  std::string_view radio;
  std::string_view save;
  Kind kind;
  std::array<PackFile, 2> files;
  ui::Picture preview;
};

const KillIconSet kSets[] = {
    {"t1", "ok1", Kind::kReset, {}, ui::Picture::kNone},
    {"t2", "ok2", Kind::kTwoArchives,
     {{{"\\tagvox.com\\b0.dat", "\\tagvox_1.zip"}, {"\\sound\\down2_core.ui", "\\core2.zip"}}},
     ui::Picture::kPreviewT2},
    {"t3", "ok3", Kind::kTwoArchives,
     {{{"\\tagvox.com\\c91.dat", "\\1.zip"}, {"\\tagvox.com\\c92.dat", "\\2.zip"}}}, ui::Picture::kPreviewT3},
    {"t4", "ok4", Kind::kTwoArchives,
     {{{"\\tagvox.com\\c93.dat", "\\1.zip"}, {"\\tagvox.com\\c94.dat", "\\2.zip"}}}, ui::Picture::kPreviewT4},
    {"t5", "ok5", Kind::kLoose, {}, ui::Picture::kPreviewT5},
    {"t6", "ok6", Kind::kOneArchive, {{{"\\tagvox.com\\b.dat", "\\tagvox_06.zip"}}}, ui::Picture::kPreviewT6},
    {"t7", "ok7", Kind::kOneArchive, {{{"\\imgdata\\tagvox_07.dat", "\\tagvox_07.zip"}}}, ui::Picture::kPreviewT7},
    {"t8", "ok8", Kind::kOneArchive, {{{"\\imgdata\\tagvox_08.dat", "\\tagvox_08.zip"}}}, ui::Picture::kPreviewT8},
    {"t9", "ok9", Kind::kTwoArchives,
     {{{"\\imgdata\\tagvox_04.dat", "\\tagvox_04.zip"}, {"\\sound\\down_core.dat", "\\core2.zip"}}},
     ui::Picture::kPreviewT9},
    {"t10", "ok10", Kind::kTwoArchives,
     {{{"\\imgdata\\tagvox_01.dat", "\\tagvox_01.zip"}, {"\\sound\\down2_core.dat", "\\core2.zip"}}},
     ui::Picture::kPreviewT10},
    {"t12", "ok12", Kind::kTwoArchives,
     {{{"\\imgdata\\tagvox_09.dat", "\\tagvox_01.zip"}, {"\\sound\\down31_core.dat", "\\core2.zip"}}},
     ui::Picture::kPreviewT12},
    {"t13", "ok13", Kind::kTwoArchives,
     {{{"\\imgdata\\yinshan_1.dat", "\\tagvox_01.zip"}, {"\\sound\\down32_core.dat", "\\core2.zip"}}},
     ui::Picture::kPreviewT13},
    {"wordball", "ok11", Kind::kTwoArchives,
     {{{"\\imgdata\\tagvox_ball.dat", "\\tagvox_04.zip"}, {"\\sound\\down_ball.dat", "\\core2.zip"}}},
     ui::Picture::kPreviewWorldCup},
};

const KillIconSet& WorldCup() { return kSets[std::size(kSets) - 1]; }

constexpr Message kLocationMessage{"错误提示(路径指令错误)", kNoGameText, ui::style::kOk};
constexpr std::string_view kIncompleteText = " 程序所需要的图标库不完整，无法使用该效果！请确保您的软件安装是否完整";
constexpr std::string_view kReadme = "\\tagvox.com\\sm.inf";

void EnableOnlySave(ui::Window& main, std::string_view save) {
  for (const KillIconSet& set : kSets) main[set.save].set_enabled(set.save == save);
}

void Select(ui::Window& main, const KillIconSet& set) {
  main["jisha"].set_text(main[set.radio].text());
  if (!main[set.radio].ticked()) return;
  EnableOnlySave(main, set.save);
  if (set.kind == Kind::kReset) {
    main["yulan"].set_visible(false);  // uncovers the online page
  } else {
    main["yulan"].set_picture(set.preview);
    main["yulan"].set_visible(true);
  }
}

void SelectWorldCup(app::App& app, ui::Window& main) {
  main["jisha"].set_text("世 界 杯");
  main["yulan"].set_picture(WorldCup().preview);
  main["yulan"].set_visible(true);
  EnableOnlySave(main, "ok11");
  int answer = app.ui.ShowMessage(&main,
                                  "亲，徽光坊软件永久免费为您提供，请您且行且珍惜！\r\n\r\n软件设计不易，您随手支持一下好吗？",
                                  "分享给小伙伴们吧", ui::style::kYesNoQuestionDefaultNo);
  if (answer == ui::result::kYes) {
    app.env.OpenLink(Text(ui::links::kShareWorldCup));
    main["ok11"].set_enabled(true);
    // The tool's World Cup picture replaces the game's; without a game there is nowhere to put it.
    if (app::GameChosen(app)) {
      host::CopyFileOver(app.run_dir + "\\imgdata\\yinshanad.ini", app::GameDir(app) + "\\System\\ad.bmp");
    }
    return;
  }
  main["ok11"].set_enabled(false);
  app.ui.ShowMessage(&main, " 对不起，您无法使用该项目！亲，您的支持是我们坚持的动力，希望您能够理解和支持我们！",
                     "无法执行", ui::style::kWarning);
}

// The game's own icons: an empty texture folder with only the readme.
void Reset(app::App& app, ui::Window& main) {
  if (!app::GameChosen(app)) {
    app.ui.ShowMessage(&main, kNoGameText, "错误提示(指令:1)", ui::style::kOk);
    return;
  }
  ui::Control bar = main["进度条1"];
  if (ResetTextureFolder(app, bar)) {
    app.ui.ShowMessage(&main,
                       "操作已经完成，您的击杀图标游戏效果已经恢复到游戏初始效果。重新打开游戏才能查看到效果！",
                       "徽光坊提示", ui::style::kInformation);
  } else {
    ShowNotEmptied(app, main, "击杀图标", app.texture_mod_dir);
  }
  bar.set_progress(0);
}

PackSpec KillIconSpec(app::App& app, ui::Window& main, const KillIconSet& set) {
  PackSpec pack{.target = app.texture_mod_dir, .progress_bar = main["进度条1"]};
  pack.location_check = kLocationMessage;
  pack.opening_progress = 0;
  pack.owner = &main;
  pack.success = kSaved;
  pack.failure = Message{"文件不完整，缺少徽光坊支持库", kIncompleteText, ui::style::kWarning};
  // The World Cup row keeps its radio: it only loses its Save button.
  if (set.save != "ok11") pack.failure_untick = set.radio;
  pack.failure_disable = set.save;
  pack.schedule = set.kind == Kind::kOneArchive ? schedules::kOneArchive : schedules::kTwoArchives;
  for (const PackFile& file : set.files) {
    if (!file.source.empty()) pack.files.push_back(file);
  }
  return pack;
}

// The loose set: twenty textures copied under the game's names, then the readme.
PackSpec LooseSpec(app::App& app, ui::Window& main, const KillIconSet& set) {
  PackSpec pack = KillIconSpec(app, main, set);
  pack.opening_progress.reset();
  pack.failure->caption = "文件不完整，缺少图片支持库";
  pack.schedule = schedules::kLoose;
  pack.files.clear();
  for (std::size_t n = 1; n <= kLooseTextureNames.size(); ++n) {
    Text source = "\\tagvox.com\\b";
    source += std::to_string(n);
    source += ".ini";
    Text texture = "\\";
    texture += kLooseTextureNames[n - 1];
    pack.files.push_back({source, texture});
  }
  pack.checked_files = pack.files.size();
  pack.files.push_back({Text(kReadme), "\\readme.txt", true});
  return pack;
}

void Save(app::App& app, ui::Window& main, const KillIconSet& set) {
  switch (set.kind) {
    case Kind::kReset: Reset(app, main); break;
    case Kind::kLoose: PackInstall(app, LooseSpec(app, main, set)); break;
    default: PackInstall(app, KillIconSpec(app, main, set)); break;
  }
}

}  // namespace

void BindKillIcons(app::App& app) {
  for (const KillIconSet& set : kSets) {
    if (set.radio == "wordball") {
      app.ui.Bind("MainWindow", set.radio, ui::Event::kClick,
                  [&app](const ui::EventArgs& e) { SelectWorldCup(app, e.window); });
    } else {
      app.ui.Bind("MainWindow", set.radio, ui::Event::kClick,
                  [&set](const ui::EventArgs& e) { Select(e.window, set); });
    }
    app.ui.Bind("MainWindow", set.save, ui::Event::kClick,
                [&app, &set](const ui::EventArgs& e) { Save(app, e.window, set); });
  }
}

}  // namespace packs
