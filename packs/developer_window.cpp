// The developer mode: behind an access code, twenty slots that each put one
// chosen .tga file into the game under one texture name.
#include <array>

#include "app/game_location.h"
#include "host/files.h"
#include "packs/pack_install.h"
#include "ui/windows.h"

namespace packs {
namespace {

using app::Text;

constexpr std::string_view kAccessCode = "7.kqlzob.net";

// The texture each slot writes, by slot number 1..20.
constexpr std::array<std::string_view, 20> kSlotTextures = {
    "HUD_Cheer_gun_onekill.tga",   "HUD_Cheer_gun_twokill.tga",          "HUD_Cheer_gun_threekill.tga",
    "HUD_Cheer_gun_fourkill.tga",  "HUD_Cheer_gun_fivekill.tga",         "HUD_Cheer_bomb_kill.tga",
    "HUD_Cheer_knife_kill.tga",    "HUD_Cheer_gun_nkill.tga",            "HUD_Cheer_gun_Driveicon_revenge.tga",
    "HUD_Cheer_fist_kill.tga",     "HUD_Cheer_first_damage.tga",         "HUD_Cheer_gun_headshot.tga",
    "HUD_Cheer_corpse_killhum.tga", "HUD_Cheer_gun_killcorpse.tga",      "HUD_encourage_GhostMelee_KillGhost.tga",
    "HUD_encourage_GhostMelee_KillHuman.tga", "HUD_Cheer_animal_kill.tga", "HUD_Cheer_gun_WallNormalShot.tga",
    "HUD_Cheer_gun_WallHeadShot.tga", "HUD_Cheer_tank_kill.tga",
};

// "一键全部修改" copies the slots in the order of the texture names, five at a time.
constexpr std::array<std::array<int, 5>, 4> kApplyGroups = {{
    {17, 6, 13, 11, 10},
    {9, 5, 4, 12, 14},
    {8, 1, 3, 2, 19},
    {18, 7, 20, 15, 16},
}};

std::string Slot(std::string_view control, int slot) { return std::string(control) + std::to_string(slot); }

Text TexturePath(app::App& app, int slot) {
  Text path = app.texture_mod_dir + "\\";
  path += kSlotTextures[static_cast<std::size_t>(slot - 1)];
  return path;
}

void Open(app::App& app, ui::Window& main) {
  if (!app::GameChosen(app)) {
    app.ui.ShowMessage(&main,
                       "无法进入魔法之门！您的游戏路径还没有设定哦！\r\n"
                       "请按照提示，【智能选择】或【手动选择】反恐行动目录文件夹下的客户端MatOnline.exe这个文件",
                       "路径还未设定", ui::style::kWarning);
    return;
  }
  Text typed;
  app.ui.AskText("本功能属于高级功能，仅供开发测试使用！并没有任何击杀图标和音效功能！如果您不是专业人员，请勿使用此功能！"
                 "操作错误会造成游戏严重错误！\r\n\r\n密码获取请联系QQ群31415926",
                 "请输入开发者密码", "非专业人员请勿使用此功能！", typed);
  if (typed == kAccessCode) app.ui.LoadWindow("DeveloperWindow", false);
}

void Created(app::App& app, ui::Window& window) {
  app.env.SleepMs(100);
  app.ui.ShowMessage(&window,
                     "徽光坊开发者模式是面向与广大的技术玩家提供的开放平台，在这个平台您可以手动替换自己的原创作品进行调试和试用，"
                     "如果您并非专业用户亲关闭本功能！本功能所需要个各种效果均有您个人设计制作，这是您走进魔法之门的第一步！"
                     "建议您关注作者微博，以便于了解更多的知识！",
                     "严重警告！", ui::style::kWarning);
}

// The dialog's file name goes into the slot even after a cancel: the last
// chosen name, or nothing if none was ever chosen.
void Browse(app::App& app, ui::Window& window, int slot) {
  ui::FileDialogFields& dialog = window[Slot("lu", slot)].dialog();
  app.ui.ChooseFile(&window, dialog);
  window[Slot("img", slot)].set_text(dialog.file_name);
}

void Modify(app::App& app, ui::Window& window, int slot) {
  const Text& chosen = window[Slot("img", slot)].text();
  if (chosen.empty()) return;
  if (host::CopyFileOver(chosen, TexturePath(app, slot))) return;
  // Nothing confirms a copy that worked, but one that did not must not pass unnoticed.
  Text text = "无法把图标写入游戏文件夹：";
  text += kSlotTextures[static_cast<std::size_t>(slot - 1)];
  text += "\r\n\r\n请确认所选的文件还在；游戏还没有图标文件夹时，请先点击【恢复默认】或安装一套击杀图标；"
          "如果游戏正在运行，请先关闭游戏。";
  app.ui.ShowMessage(&window, text, "徽光坊提示", ui::style::kWarning);
}

void ShowIncomplete(app::App& app, ui::Window& window) {
  app.ui.ShowMessage(&window, "击杀图标素材项目不完整，请全部加入素材", "错误提示", ui::style::kOk);
}

void ApplyAll(app::App& app, ui::Window& window) {
  // Every chosen file must be there before the installed icons are removed.
  for (int slot = 1; slot <= 20; ++slot) {
    const Text& chosen = window[Slot("img", slot)].text();
    if (chosen.empty() || !host::FileExists(chosen)) {
      ShowIncomplete(app, window);
      return;
    }
  }
  ui::Control bar = window["进度条1"];
  host::RemoveFolderTree(app.texture_mod_dir);
  app.env.SleepMs(50);
  host::MakeFolder(app.texture_mod_dir);
  bar.set_progress(0);
  app.env.SleepMs(50);
  std::vector<Text> failed;
  int progress = 0;
  for (const auto& group : kApplyGroups) {
    for (int slot : group) {
      if (!host::CopyFileOver(window[Slot("img", slot)].text(), TexturePath(app, slot))) {
        failed.push_back(Text(kSlotTextures[static_cast<std::size_t>(slot - 1)]));
      }
    }
    if (progress == 75) host::CopyFileOver(app.run_dir + "\\tagvox.com\\sm.inf", app.texture_mod_dir + "\\readme.txt");
    app.env.SleepMs(100);
    bar.set_progress(progress += 25);
  }
  if (failed.empty()) {
    app.ui.ShowTaskMessage("您好，你所设定的击杀图标效果已经设定完毕，您必须重启游戏才可以使用该效果！\r\n"
                           "注：此时关闭本程序不影响所保存效果",
                           ui::style::kInformation, "徽光坊提示");
  } else {
    Text text = "击杀图标没有全部保存，这些图标无法写入游戏文件夹：";
    for (const Text& name : failed) text += "\r\n" + name;
    text += "\r\n\r\n请先关闭游戏，再以管理员身份运行徽光坊后重试。";
    app.ui.ShowTaskMessage(text, ui::style::kWarning, "徽光坊提示");
  }
  bar.set_progress(0);
}

void Clear(app::App& app, ui::Window& window) {
  for (int slot = 1; slot <= 20; ++slot) window[Slot("img", slot)].set_text("");
  app.ui.ShowMessage(&window, "命令已经执行完毕！", "徽光坊提示", ui::style::kInformation);
}

void RestoreDefault(app::App& app, ui::Window& window) {
  ui::Control bar = window["进度条1"];
  if (ResetTextureFolder(app, bar)) {
    app.ui.ShowMessage(&window, "命令已经执行完毕！", "徽光坊提示", ui::style::kInformation);
  } else {
    ShowNotEmptied(app, window, "击杀图标", app.texture_mod_dir);
  }
  bar.set_progress(0);
}

}  // namespace

void BindDeveloperMode(app::App& app) {
  app.ui.Define(ui::windows::kDeveloper);
  app.ui.Bind("MainWindow", "按钮17", ui::Event::kClick, [&app](const ui::EventArgs& e) { Open(app, e.window); });
  app.ui.Bind("DeveloperWindow", "", ui::Event::kCreated, [&app](const ui::EventArgs& e) { Created(app, e.window); });
  for (int slot = 1; slot <= 20; ++slot) {
    app.ui.Bind("DeveloperWindow", Slot("diy", slot), ui::Event::kClick,
                [&app, slot](const ui::EventArgs& e) { Browse(app, e.window, slot); });
    app.ui.Bind("DeveloperWindow", Slot("tihuan", slot), ui::Event::kClick,
                [&app, slot](const ui::EventArgs& e) { Modify(app, e.window, slot); });
  }
  app.ui.Bind("DeveloperWindow", "按钮1", ui::Event::kClick, [&app](const ui::EventArgs& e) { ApplyAll(app, e.window); });
  app.ui.Bind("DeveloperWindow", "按钮2", ui::Event::kClick, [&app](const ui::EventArgs& e) { Clear(app, e.window); });
  app.ui.Bind("DeveloperWindow", "按钮3", ui::Event::kClick,
              [&app](const ui::EventArgs& e) { RestoreDefault(app, e.window); });
}

}  // namespace packs
