// The real huiguang.exe, started from a laid-out tool folder and worked
// through its windows as a player would, against the demo game.
// run-e2e.sh lays the folders out and names them in the environment:
//   E2E_TOOL      the tool's folder (huiguang.exe, path.ini)
//   E2E_GAME      the demo game's folder (MatOnline.exe, mat.exe)
//   E2E_SHORTCUT  the game's desktop shortcut
//   E2E_SHOTS     where screenshots go
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "demo/demo_window.h"
#include "e2e/desktop.h"
#include "e2e/screen.h"
#include "e2e/shell_drop.h"
#include "ui/windows.h"

namespace e2e {
namespace {

struct Folders {
  std::wstring tool, game, shortcut, shots;
  std::wstring program() const { return tool + L"\\huiguang.exe"; }
  std::wstring path_ini() const { return tool + L"\\path.ini"; }
  std::wstring client() const { return game + L"\\MatOnline.exe"; }
};
Folders folders;

constexpr Duration kStartLimit = 25s;  // a Wine start plus the 2 s splash
constexpr Duration kBoxLimit = 10s;
constexpr Duration kQuietPeriod = 1500ms;  // to see that no box comes

constexpr wchar_t kSplashTitle[] = L"徽光坊";
constexpr wchar_t kMainTitle[] = L"徽光坊 3.3世界杯专版";
constexpr wchar_t kBulletinTitle[] = L"公告栏";
constexpr wchar_t kGameTitle[] = L"反恐行动";
constexpr wchar_t kGameClass[] = L"DemoGame";
constexpr wchar_t kLauncherTitle[] = L"反恐行动 (演示客户端)";
constexpr std::uint32_t kGreen = 0x00FF00, kRed = 0xFF0000;

std::string Utf8(std::wstring_view text) { return ToUtf8(text); }

// The control id of a MainWindow control: 1000 + its place in the definition.
int MainControlId(std::string_view name) {
  const auto& controls = ui::windows::kMain.controls;
  auto found = std::find_if(controls.begin(), controls.end(), [&](const ui::ControlDef& c) { return c.name == name; });
  return found == controls.end() ? -1 : 1000 + static_cast<int>(found - controls.begin());
}

bool HasWindow(ui::ControlKind kind) {
  using K = ui::ControlKind;
  return kind != K::kTimer && kind != K::kFileDialog && kind != K::kDropTarget && kind != K::kZip;
}

// The window as the screen shows it once drawing has settled: Wine paints
// after a window appears, so two captures in a row must agree.
Image SettledCapture(HWND window) {
  Image last = CaptureWindow(window);
  for (int i = 0; i < 15; ++i) {
    Sleep(200);
    Image now = CaptureWindow(window);
    if (now.width == last.width && now.pixels == last.pixels) return now;
    last = std::move(now);
  }
  return last;
}

Image Screenshot(HWND window, const std::string& name) {
  Image image = SettledCapture(window);
  EXPECT_TRUE(SavePng(image, folders.shots + L"\\" + std::wstring(name.begin(), name.end()) + L".png"))
      << "screenshot " << name;
  return image;
}

// A window that drew something: a blank or unpainted one has a colour or two.
void ExpectPainted(const Image& image, const std::string& what) {
  std::vector<std::uint32_t> colours = image.pixels;
  std::sort(colours.begin(), colours.end());
  auto distinct = std::unique(colours.begin(), colours.end()) - colours.begin();
  EXPECT_GE(distinct, 16) << what << " looks blank (" << image.width << " x " << image.height << ")";
}

std::string PathIni() { return ReadBytes(folders.path_ini()).value_or("<no path.ini>"); }
void RemovePathIni() { DeleteFileW(folders.path_ini().c_str()); }

// One run of the program.
class Huiguang {
 public:
  static Huiguang Start() {
    Huiguang app;
    app.process_ = Process::Start(folders.program(), L"", folders.tool);
    return app;
  }

  // Waits for MainWindow; false (with a failure) if it does not come.
  bool WaitForMain() {
    if (!process_.started()) {
      ADD_FAILURE() << "cannot start " << Utf8(folders.program());
      return false;
    }
    main_ = WaitForTopLevel(process_.id(), kMainTitle, kStartLimit);
    EXPECT_NE(main_, nullptr) << "MainWindow did not appear";
    return main_ != nullptr;
  }

  Process& process() { return process_; }
  DWORD id() const { return process_.id(); }
  HWND main() const { return main_; }

  HWND Control(std::string_view name) const {
    HWND control = FindControl(main_, MainControlId(name));
    EXPECT_NE(control, nullptr) << "no control " << Utf8(FromGbk(name)) << " (id " << MainControlId(name) << ")";
    return control;
  }
  std::wstring ControlText(std::string_view name) const {
    HWND control = Control(name);
    return control ? Text(control) : L"<missing>";
  }
  // Waits until the control reads `text`, and gives what it reads last.
  std::wstring WaitForControlText(std::string_view name, const std::wstring& text, Duration limit = 5s) const {
    std::wstring now;
    WaitUntil([&] { return (now = ControlText(name)) == text; }, limit);
    return now;
  }
  POINT CentreOf(std::string_view name) const {
    RECT rect{};
    if (HWND control = Control(name)) GetWindowRect(control, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  void ExpectNoBox() const {
    auto box = WaitForBox(id(), {}, kQuietPeriod);
    EXPECT_FALSE(box) << "unexpected box \"" << Utf8(box->caption) << "\": " << Utf8(box->text);
  }

  // Answers the box captioned `caption` with `button` after checking its text
  // holds `text`; false (with a failure) when it does not come.
  bool AnswerBox(const std::wstring& caption, const std::wstring& text, int button) const {
    auto box = WaitForBox(id(), caption, kBoxLimit);
    EXPECT_TRUE(box) << "no box \"" << Utf8(caption) << "\"";
    if (!box) return false;
    EXPECT_NE(box->text.find(text), std::wstring::npos) << "box \"" << Utf8(caption) << "\" says " << Utf8(box->text);
    EXPECT_TRUE(Answer(box->window, button)) << "box \"" << Utf8(caption) << "\" stays after button " << button;
    return true;
  }

  // The lamp's colour as the screen shows it.
  std::uint32_t LampColour() const {
    RECT lamp{};
    if (HWND control = Control("jiance1")) GetWindowRect(control, &lamp);
    return CommonColour(CaptureScreen(lamp));
  }

 private:
  Process process_;
  HWND main_ = nullptr;
};

// The demo game's window, however it was started.
HWND WaitForGameWindow(Duration limit = 15s) { return WaitForTopLevel(0, kGameTitle, limit, kGameClass); }

// Keeps the game's window off MainWindow, whose lamp the screen must show.
void MoveAside(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left), 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override { EndLeftovers(); }
  void TearDown() override { EndLeftovers(); }

  // What an earlier failed case left running from our folders.
  static void EndLeftovers() {
    for (const auto* folder : {&folders.tool, &folders.game}) {
      for (DWORD id : ProcessesBelow(*folder)) TerminateProcessId(id);
    }
  }
};

// --- Start-up

using Startup = EndToEnd;

TEST_F(Startup, SplashThenMainWindowWithTheBulletinAtTheBottomRight) {
  RemovePathIni();
  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.process().started()) << "cannot start " << Utf8(folders.program());

  HWND splash = WaitForTopLevel(app.id(), kSplashTitle, kStartLimit);
  ASSERT_NE(splash, nullptr) << "no splash window";
  RECT rect{};
  GetWindowRect(splash, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 200);
  EXPECT_EQ(GetWindowLongW(splash, GWL_STYLE) & WS_CAPTION, 0) << "the splash is a bare popup";
  ExpectPainted(Screenshot(splash, "splash"), "the splash");

  ASSERT_TRUE(app.WaitForMain());
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(splash) || !IsWindowVisible(splash); }, 5s))
      << "the splash stays after MainWindow came";
  GetWindowRect(app.main(), &rect);
  EXPECT_EQ(rect.right - rect.left, 843);
  EXPECT_EQ(rect.bottom - rect.top, 535);

  HWND bulletin = WaitForTopLevel(app.id(), kBulletinTitle, 10s);
  ASSERT_NE(bulletin, nullptr) << "no bulletin window";
  EXPECT_EQ(GetWindow(bulletin, GW_OWNER), app.main()) << "MainWindow owns the bulletin";
  RECT screen{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  GetWindowRect(bulletin, &rect);
  EXPECT_LE(rect.right, screen.right);
  EXPECT_GE(rect.right, screen.right - 40) << "not at the right edge";
  EXPECT_LE(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_GE(rect.bottom, GetSystemMetrics(SM_CYSCREEN) - 80) << "not at the bottom edge";

  ExpectPainted(Screenshot(app.main(), "main-window"), "MainWindow");
  ExpectPainted(Screenshot(bulletin, "bulletin"), "the bulletin");
  EXPECT_EQ(app.ControlText("lujing3"), L"") << "no path.ini, no location";
  app.ExpectNoBox();
}

TEST_F(Startup, RefusesToRunBesideTheGameAndEnds) {
  Process launcher = Process::Start(folders.client(), L"/play", folders.game);
  ASSERT_TRUE(launcher.started());
  HWND game = WaitForGameWindow();
  ASSERT_NE(game, nullptr) << "MatOnline.exe /play started no game";
  Process game_process = Process::OfWindow(game);
  EXPECT_TRUE(launcher.WaitForExit(5s)) << "the launcher stays after /play";
  MoveAside(game);

  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.process().started());
  auto box = WaitForBox(app.id(), L"徽光坊环境监测模块", kStartLimit);
  ASSERT_TRUE(box) << "no refusal while mat.exe runs";
  EXPECT_EQ(box->text, L"您的反恐行动游戏正在运行，徽光坊则无法进行工作！请退出游戏后，再来使用本软件！");
  EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
  Screenshot(box->window, "refusal-beside-the-game");
  EXPECT_TRUE(Answer(box->window, IDOK));
  EXPECT_TRUE(app.process().WaitForExit(10s)) << "the program stays after the refusal";
  EXPECT_EQ(app.process().ExitCode(), std::optional<DWORD>(0));
  EXPECT_TRUE(game_process.Running()) << "the game was touched";
}

// --- The tab bar

struct TabCase {
  const wchar_t* caption;
  const char* screenshot;
  // The notice the tab shows, if any: caption, part of its text, its buttons
  // (the default one first) and the answer given.
  const wchar_t* notice = nullptr;
  const wchar_t* notice_text = nullptr;
  std::vector<int> buttons = {};
  int answer = 0;
};

const TabCase kTabs[] = {
    {L"击杀图标", "tab1-kill-icons"},
    {L"魔法之门", "tab2-gate", L"温馨提示", L"hello ,想使用更多的效果吗？徽光坊可以直接用外部插件导入更多效果哦！",
     {IDNO, IDYES}, IDNO},
    {L"游戏音效", "tab3-sounds"},
    {L"背景音乐", "tab4-music", L"特别提示", L"1，如果您是新手，请先点击软件下面的【备份到C盘】", {IDOK}, IDOK},
    {L"游戏瘦身", "tab5-cleaner"},
    {L"在线视频", "tab6-videos"},
    {L"功能插件", "tab7-plugins"},
};
// Page 0 is current at start, so tab 1 comes last to show that it returns.
constexpr int kClickOrder[] = {1, 2, 3, 4, 5, 6, 0};

// The controls of each page show exactly while their page is current.
void ExpectCurrentPage(const Huiguang& app, int current) {
  std::map<int, HWND> by_id;
  for (HWND window : Descendants(app.main())) by_id.emplace(GetDlgCtrlID(window), window);
  for (const ui::ControlDef& control : ui::windows::kMain.controls) {
    if (control.page < 0 || !control.visible || control.caption.empty() || !HasWindow(control.kind)) continue;
    auto found = by_id.find(MainControlId(control.name));
    if (found == by_id.end()) {
      ADD_FAILURE() << "no control " << Utf8(FromGbk(control.name));
      continue;
    }
    EXPECT_EQ(IsWindowVisible(found->second) != FALSE, control.page == current)
        << Utf8(FromGbk(control.name)) << " of page " << control.page << " with page " << current << " current";
  }
}

// A tab of the tab bar: an owner-drawn button with the tab's caption (page 0
// also has a check box captioned like tab 4).
HWND FindTab(HWND main, std::wstring_view caption) {
  for (HWND window : Descendants(main)) {
    if (lstrcmpiW(ClassName(window).c_str(), L"Button") == 0 &&
        (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW && Text(window) == caption) {
      return window;
    }
  }
  return nullptr;
}

using TabBar = EndToEnd;

TEST_F(TabBar, EachTabShowsItsPageAndItsNotice) {
  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.WaitForMain());
  ExpectCurrentPage(app, 0);
  for (int index : kClickOrder) {
    const TabCase& tab = kTabs[index];
    SCOPED_TRACE(Utf8(tab.caption));
    HWND button = FindTab(app.main(), tab.caption);
    ASSERT_NE(button, nullptr) << "no tab button";
    Click(button);
    if (tab.notice) {
      auto box = WaitForBox(app.id(), tab.notice, kBoxLimit);
      ASSERT_TRUE(box) << "no notice \"" << Utf8(tab.notice) << "\"";
      EXPECT_NE(box->text.find(tab.notice_text), std::wstring::npos) << Utf8(box->text);
      std::vector<int> buttons = box->buttons;
      std::sort(buttons.begin(), buttons.end());
      std::vector<int> expected = tab.buttons;
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(buttons, expected);
      EXPECT_EQ(box->default_button, tab.buttons.front()) << "default button";
      Screenshot(box->window, std::string(tab.screenshot) + "-notice");
      ASSERT_TRUE(Answer(box->window, tab.answer));
    }
    app.ExpectNoBox();
    ExpectCurrentPage(app, index);
    ExpectPainted(Screenshot(app.main(), tab.screenshot), tab.screenshot);
  }
}

// --- The game location

using GameLocation = EndToEnd;

// Fills the open dialog's file name and confirms it.
void ChooseInFileDialog(HWND dialog, const std::wstring& file) {
  HWND name = FindControl(dialog, 0x47C);  // the file name combo box
  if (!name) name = FindControl(dialog, 0x480);  // or the plain edit box
  ASSERT_NE(name, nullptr) << "no file name box in the dialog";
  ASSERT_TRUE(SetText(name, file));
  ASSERT_TRUE(Answer(dialog, IDOK, 15s)) << "the dialog stays open";
}

TEST_F(GameLocation, ClientChosenInTheFileDialogIsSavedWhenTheUserAgrees) {
  const std::wstring client = folders.client();
  for (int answer : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(answer == IDOK ? "saved" : "not saved");
    RemovePathIni();
    Huiguang app = Huiguang::Start();
    ASSERT_TRUE(app.WaitForMain());
    HWND choose = app.Control("xuan");
    ASSERT_NE(choose, nullptr);
    EXPECT_EQ(Text(choose), L"选择 MatOnline.exe");
    Click(choose);
    HWND dialog = WaitForTopLevel(app.id(), L"选择游戏客户端", 15s, L"#32770");
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    if (answer == IDOK) Screenshot(dialog, "file-dialog");
    ChooseInFileDialog(dialog, client);
    if (HasFatalFailure()) return;

    ASSERT_TRUE(app.AnswerBox(L"是否保存路径", L"是否让程序记住您当前设置的文件目录以方便下次使用？", answer));
    if (answer == IDOK) {
      ASSERT_TRUE(app.AnswerBox(L"提示", L"已经成功保存 ，下次启动徽光坊则不需要再次选择游戏", IDOK));
      EXPECT_EQ(PathIni(), ToGbk(client)) << "path.ini holds the path's GBK bytes, nothing else";
    } else {
      app.ExpectNoBox();
      EXPECT_FALSE(FileExists(folders.path_ini()));
    }
    EXPECT_EQ(app.ControlText("lujing3"), client);
    EXPECT_EQ(app.ControlText("lujing"), client);
  }
}

TEST_F(GameLocation, DroppedShortcutIsSavedAndComesBackAtTheNextStart) {
  // The shortcut's target with the blank that stands for its empty arguments.
  const std::wstring location = folders.client() + L" ";
  RemovePathIni();
  {
    Huiguang app = Huiguang::Start();
    ASSERT_TRUE(app.WaitForMain());
    ShellDrop drop(folders.shortcut, app.CentreOf("标签3"));
    ASSERT_TRUE(app.AnswerBox(L"是否保存路径", L"是否让程序记住您当前设置的文件目录以方便下次使用？", IDOK));
    ASSERT_TRUE(app.AnswerBox(L"提示", L"已经成功保存", IDOK));
    EXPECT_TRUE(drop.Wait(10s)) << "the drag loop does not end";
    EXPECT_EQ(drop.result(), DRAGDROP_S_DROP);
    EXPECT_NE(drop.effect(), static_cast<DWORD>(DROPEFFECT_NONE)) << "the window refused the drop";
    EXPECT_EQ(PathIni(), ToGbk(location));
    EXPECT_EQ(app.ControlText("lujing3"), location);

    // Closing MainWindow ends the program.
    PostMessageW(app.main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.process().WaitForExit(15s)) << "the program stays after MainWindow closed";
  }
  Huiguang again = Huiguang::Start();
  ASSERT_TRUE(again.WaitForMain());
  EXPECT_EQ(again.WaitForControlText("lujing3", location), location);
  EXPECT_EQ(again.ControlText("lujing"), location);
  again.ExpectNoBox();
  EXPECT_EQ(PathIni(), ToGbk(location)) << "reading path.ini changed it";
}

TEST_F(GameLocation, LaterDropRewritesPathIniWithoutAsking) {
  const std::wstring earlier = L"D:\\Games\\MAT\\MatOnline.exe";
  ASSERT_TRUE(WriteBytes(folders.path_ini(), ToGbk(earlier)));
  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.WaitForMain());
  EXPECT_EQ(app.WaitForControlText("lujing3", earlier), earlier) << "path.ini was not restored";

  ShellDrop drop(folders.shortcut, app.CentreOf("标签3"));
  EXPECT_TRUE(drop.Wait(15s)) << "the drag loop does not end";
  EXPECT_EQ(drop.result(), DRAGDROP_S_DROP);
  app.ExpectNoBox();
  const std::wstring location = folders.client() + L" ";
  EXPECT_EQ(PathIni(), ToGbk(location));
  EXPECT_EQ(app.ControlText("lujing3"), location);
}

TEST_F(GameLocation, DroppedProgramInsteadOfItsShortcutIsRefused) {
  const std::string earlier = ToGbk(L"D:\\游戏\\反恐行动\\MatOnline.exe");
  ASSERT_TRUE(WriteBytes(folders.path_ini(), earlier));
  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.WaitForMain());
  const std::wstring shown = app.WaitForControlText("lujing3", FromGbk(earlier));
  EXPECT_EQ(shown, FromGbk(earlier)) << "a Chinese path.ini was not restored";

  ShellDrop drop(folders.client(), app.CentreOf("标签3"));
  EXPECT_TRUE(app.AnswerBox(L"徽光坊提示", L"选择错误！请重新将您桌面的反恐行动图标拖拽到本软件中", IDOK));
  EXPECT_TRUE(drop.Wait(10s));
  EXPECT_EQ(PathIni(), earlier);
  EXPECT_EQ(app.ControlText("lujing3"), FromGbk(earlier));
}

// --- The game lamp

using GameLamp = EndToEnd;

TEST_F(GameLamp, TurnsGreenWhileTheGameRunsAndRedAfterIt) {
  RemovePathIni();
  Huiguang app = Huiguang::Start();
  ASSERT_TRUE(app.WaitForMain());
  // The first tick comes two seconds after MainWindow.
  EXPECT_TRUE(WaitUntil([&] { return app.LampColour() == kRed; }, 6s))
      << std::hex << "lamp colour " << app.LampColour() << " without the game";

  // The way a player starts the game: the launcher's button.
  Process launcher = Process::Start(folders.client(), L"", folders.game);
  HWND launcher_window = WaitForTopLevel(launcher.id(), kLauncherTitle, 15s);
  ASSERT_NE(launcher_window, nullptr) << "no launcher window";
  Screenshot(launcher_window, "demo-launcher");
  HWND play = FindControlByText(launcher_window, L"Button", L"开始游戏");
  ASSERT_NE(play, nullptr);
  Click(play);
  HWND game = WaitForGameWindow();
  ASSERT_NE(game, nullptr) << "the launcher started no game";
  auto started = std::chrono::steady_clock::now();
  Process game_process = Process::OfWindow(game);
  EXPECT_TRUE(launcher.WaitForExit(5s)) << "the launcher stays after starting the game";
  MoveAside(game);

  EXPECT_TRUE(WaitUntil([&] { return app.LampColour() == kGreen; }, 4500ms))
      << std::hex << "lamp colour " << app.LampColour() << " while the game runs";
  RecordProperty("green_after_ms", static_cast<int>(std::chrono::duration_cast<Duration>(
                                                        std::chrono::steady_clock::now() - started)
                                                        .count()));
  Screenshot(app.main(), "lamp-green");

  PostMessageW(game, WM_CLOSE, 0, 0);
  ASSERT_TRUE(game_process.WaitForExit(10s)) << "the game does not close";
  EXPECT_TRUE(WaitUntil([&] { return app.LampColour() == kRed; }, 4500ms))
      << std::hex << "lamp colour " << app.LampColour() << " after the game ended";
}

// --- The demo game itself

using DemoGame = EndToEnd;

TEST_F(DemoGame, ListsTheTexturesTheToolInstalled) {
  const std::wstring textures = folders.game + L"\\System\\thirdparty\\mod_texs";
  std::filesystem::remove_all(std::filesystem::path(textures));
  Process game_process = Process::Start(folders.game + L"\\mat.exe", L"", folders.game);
  HWND game = WaitForGameWindow();
  ASSERT_NE(game, nullptr);
  HWND list = FindControl(game, demo::kFolderListId);
  ASSERT_NE(list, nullptr);
  auto items = [&] {
    std::vector<std::wstring> names;
    auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t name[MAX_PATH] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
      names.emplace_back(name);
    }
    return names;
  };
  EXPECT_TRUE(items().empty());

  std::filesystem::create_directories(std::filesystem::path(textures) / L"extra");
  const std::vector<std::wstring> installed = {L"HUD_Cheer_gun_onekill.tga", L"HUD_Cheer_knife.tga", L"extra\\"};
  for (const auto& name : installed) {
    if (name.back() != L'\\') WriteBytes(textures + L"\\" + name, "TRUEVISION");
  }
  EXPECT_TRUE(WaitUntil([&] { return items() == installed; }, 5s)) << items().size() << " entries listed";
  Screenshot(game, "demo-game");

  std::filesystem::remove_all(std::filesystem::path(textures));
  EXPECT_TRUE(WaitUntil([&] { return items().empty(); }, 5s)) << "removed textures stay listed";
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  using e2e::folders;
  folders = {e2e::Environment(L"E2E_TOOL"), e2e::Environment(L"E2E_GAME"), e2e::Environment(L"E2E_SHORTCUT"),
             e2e::Environment(L"E2E_SHOTS")};
  if (folders.tool.empty() || folders.game.empty() || folders.shortcut.empty() || folders.shots.empty()) {
    std::fprintf(stderr, "e2e_driver: set E2E_TOOL, E2E_GAME, E2E_SHORTCUT and E2E_SHOTS (see run-e2e.sh)\n");
    return 2;
  }
  CreateDirectoryW(folders.shots.c_str(), nullptr);
  return RUN_ALL_TESTS();
}
