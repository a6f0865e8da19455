#include "app/game_location.h"

#include "host/files.h"
#include "host/path.h"
#include "host/shell.h"

namespace app {
namespace {

constexpr int kClientNameLength = 14;  // "\MatOnline.exe"

bool IsAbsoluteFolder(TextView folder) {
  bool drive = !host::DrivePrefix(folder).empty() && folder.size() > 2 && host::IsSeparator(folder[2]);
  bool share = folder.size() > 2 && host::IsSeparator(folder[0]) && host::IsSeparator(folder[1]);
  return drive || share;
}

bool UsableGamePath(TextView game_path) { return IsAbsoluteFolder(GameDir(game_path)); }

Text IniPath(App& app) { return app.run_dir + "\\path.ini"; }

void ClearGameLocation(ui::Window& main) {
  main["lujing"].set_text("");
  main["lujing3"].set_text("");
}

void ReportUnsavedLocation(App& app) {
  app.ui.ShowMessage(&app.main(),
                     "游戏路径没有保存成功：无法写入徽光坊文件夹里的 path.ini。\r\n"
                     "本次设置在关闭软件之前仍然有效。请以管理员身份运行徽光坊，或者把徽光坊解压到"
                     "可以写入的文件夹（例如 D:\\徽光坊）后再试一次。",
                     "徽光坊提示", ui::style::kWarning);
}

void ChooseClientFile(App& app, ui::Window& main) {
  ui::FileDialogFields& dialog = main["通用对话框1"].dialog();
  dialog.filter = "MAT客户端|MatOnline.exe|程序文件(*.exe)|*.exe";
  dialog.kind = ui::FileDialogFields::Kind::kOpen;
  if (!app.ui.ChooseFile(&main, dialog)) {
    ClearGameLocation(main);
    return;
  }
  if (!UsableGamePath(dialog.file_name)) {
    ClearGameLocation(main);
    app.ui.ShowMessage(&main,
                       "选择错误！您选择的文件不在反恐行动的安装文件夹里。\r\n"
                       "请选择反恐行动安装目录下的客户端 MatOnline.exe 这个文件。",
                       "徽光坊提示", ui::style::kWarning);
    return;
  }
  SetGameLocation(app, dialog.file_name);
}

void ShortcutDropped(App& app, ui::Window& main, const Text& dropped) {
  Text target = host::ResolveShortcut(dropped);
  if (host::FindText(target, "MatOnline.", 1, true) == -1 || !UsableGamePath(target)) {
    app.ui.ShowMessage(&main, "选择错误！请重新将您桌面的反恐行动图标拖拽到本软件中", "徽光坊提示",
                       ui::style::kInformation);
    return;
  }
  SetGameLocation(app, host::ResolveShortcut(dropped));
}

void HomeUserMode(App& app, ui::Window& main) {
  ClearGameLocation(main);
  app.ui.RegisterDropTarget(main);
  main["拖放对象1"].set_accept_files(true);
  main["标签3"].set_back_color(ui::Rgb(192, 96, 0));
  main["标签3"].set_text("提示1：将电脑桌面上面的反恐行动客户端图标拖拽到本软件上面");
  main["xuan"].set_enabled(false);
  main["xuan"].set_text("智能拖拽");
}

void NetBarMode(ui::Window& main) {
  ClearGameLocation(main);
  main["拖放对象1"].set_accept_files(false);
  main["标签3"].set_back_color(ui::Rgb(0, 128, 0));
  main["标签3"].set_text("提示2：请找到反恐行动安装目录【MatOnline.exe】这个文件");
  main["xuan"].set_enabled(true);
  main["xuan"].set_text("选择MAT客户端");
}

}  // namespace

Text GameDir(TextView game_path) {
  return host::TextLeft(game_path, host::TextLength(game_path) - kClientNameLength);
}

Text GameDir(App& app) { return GameDir(app.main()["lujing"].text()); }

bool GameChosen(App& app) {
  const Text& game_path = app.main()["lujing"].text();
  return !game_path.empty() && UsableGamePath(game_path);
}

void DeriveGameFolders(App& app) {
  ui::Window& main = app.main();
  app.sound_mod_dir = GameDir(app) + "\\System\\thirdparty\\mod_sounds";
  app.texture_mod_dir = GameDir(app) + "\\System\\thirdparty\\mod_texs";
  main["mat_music"].set_text(GameDir(app) + "\\Music");
}

void RestoreGameLocation(App& app) {
  ui::Window& main = app.main();
  if (!host::FileExists(IniPath(app))) return;
  Text stored = host::BytesToText(host::ReadWholeFile(IniPath(app)));
  if (host::TextEquals(stored, "MatOnline.exe")) {
    host::RemoveFile(IniPath(app));
    return;  // lujing stays empty: no game has been chosen
  }
  // An unreadable, empty or edited file names no game folder: nothing is derived.
  if (!UsableGamePath(stored)) return;
  main["lujing"].set_text(stored);
  main["lujing3"].set_text(stored);
  DeriveGameFolders(app);
}

void SetGameLocation(App& app, const Text& path) {
  ui::Window& main = app.main();
  main["lujing"].set_text(path);
  main["lujing3"].set_text(path);
  DeriveGameFolders(app);
  RememberGameLocation(app);
}

void RememberGameLocation(App& app) {
  ui::Window& main = app.main();
  const host::Bytes location = host::TextToBytes(main["lujing3"].text());
  if (host::FileExists(IniPath(app))) {
    if (!host::WriteWholeFile(IniPath(app), {location})) ReportUnsavedLocation(app);
    return;
  }
  int answer = app.ui.ShowMessage(&main,
                                  "是否让程序记住您当前设置的文件目录以方便下次使用？)\r\n\r\n"
                                  "徽光坊为免费软件，版权归作者所有，仅供玩家个人学习交流使用，请勿用于任何商业用途。",
                                  "是否保存路径", ui::style::kOkCancelForeground);
  if (answer != ui::result::kOk) return;
  if (!host::WriteWholeFile(IniPath(app), {location})) {
    ReportUnsavedLocation(app);
    return;
  }
  app.ui.ShowMessage(&main, "已经成功保存 ，下次启动徽光坊则不需要再次选择游戏", "提示", ui::style::kInformation);
}

void BindGameLocation(App& app) {
  app.ui.Bind("MainWindow", "xuan", ui::Event::kClick,
              [&app](const ui::EventArgs& e) { ChooseClientFile(app, e.window); });
  app.ui.Bind("MainWindow", "拖放对象1", ui::Event::kFilesDropped,
              [&app](const ui::EventArgs& e) { ShortcutDropped(app, e.window, e.text); });
  app.ui.Bind("MainWindow", "单选框1", ui::Event::kClick,
              [&app](const ui::EventArgs& e) { HomeUserMode(app, e.window); });
  app.ui.Bind("MainWindow", "单选框2", ui::Event::kClick, [](const ui::EventArgs& e) { NetBarMode(e.window); });
}

}  // namespace app
