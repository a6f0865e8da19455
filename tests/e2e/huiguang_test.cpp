// The real huiguang.exe, started from a laid-out tool folder and worked
// through its windows as a player would, against the demo game.
// run-e2e.sh lays the folders out and names them in the environment:
//   E2E_TOOL      the tool's folder (huiguang.exe, path.ini)
//   E2E_GAME      the demo game's folder (MatOnline.exe, mat.exe)
//   E2E_SHORTCUT  the game's desktop shortcut
//   E2E_SHOTS     where screenshots go
//   E2E_PACKS     each ZIP the tool ships, unpacked by unzip under its own relative name
#include <gtest/gtest.h>
#include <ole2.h>
// after ole2.h, which brings the Windows types it needs
#include <commctrl.h>

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
  std::wstring tool, game, shortcut, shots, packs;
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

// The control id of a control: 1000 + its place in its window's definition.
int ControlId(const ui::WindowDef& window, std::string_view name) {
  const auto& controls = window.controls;
  auto found = std::find_if(controls.begin(), controls.end(), [&](const ui::ControlDef& c) { return c.name == name; });
  return found == controls.end() ? -1 : 1000 + static_cast<int>(found - controls.begin());
}
int MainControlId(std::string_view name) { return ControlId(ui::windows::kMain, name); }

// The control `name` of an open window made from `def`.
HWND ControlOf(HWND window, const ui::WindowDef& def, std::string_view name) {
  HWND control = FindControl(window, ControlId(def, name));
  EXPECT_NE(control, nullptr) << "no control " << Utf8(FromGbk(name)) << " in " << Utf8(FromGbk(def.name));
  return control;
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

// --- Installing into the game

constexpr wchar_t kDeveloperTitle[] = L"开发者模式 -【徽光坊】";
constexpr wchar_t kGateTitle[] = L"【魔法之门】";

// A folder of the game's System\thirdparty, where the sets go.
std::wstring ThirdParty(std::wstring_view name) { return folders.game + L"\\System\\thirdparty\\" + std::wstring(name); }
std::wstring Textures() { return ThirdParty(L"mod_texs"); }

// The files below a folder by their names relative to it (folders end in a
// backslash), with their bytes; empty when the folder is absent.
using Files = std::map<std::wstring, std::string>;

Files FilesBelow(const std::wstring& folder) {
  namespace fs = std::filesystem;
  Files files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
    std::wstring name = it->path().wstring().substr(folder.size() + 1);
    if (it->is_directory()) {
      files[name + L"\\"] = {};
    } else {
      files[name] = ReadBytes(it->path().wstring()).value_or("<unreadable>");
    }
  }
  return files;
}

// What shipped archives (by their place beside the tool) leave when they are
// extracted one after the other into one folder: later entries replace earlier ones.
Files PackEntries(const std::vector<std::wstring_view>& packs) {
  Files files;
  for (std::wstring_view pack : packs) {
    Files entries = FilesBelow(folders.packs + L"\\" + std::wstring(pack));
    EXPECT_FALSE(entries.empty()) << "unzip found no entries in " << Utf8(pack);
    for (auto& [name, bytes] : entries) files.insert_or_assign(name, std::move(bytes));
  }
  return files;
}

// The readme the tool puts beside the textures.
Files Readme() {
  return {{L"readme.txt", ReadBytes(folders.tool + L"\\tagvox.com\\sm.inf").value_or("<no sm.inf>")}};
}

// The folder holds exactly `expected`, byte for byte, after what `after` names.
void ExpectFolderHolds(const std::wstring& folder, const Files& expected, std::string_view after) {
  const Files actual = FilesBelow(folder);
  std::string missing, unexpected, different;
  for (const auto& [name, bytes] : expected) {
    auto found = actual.find(name);
    if (found == actual.end()) {
      missing += " " + Utf8(name);
    } else if (found->second != bytes) {
      different += " " + Utf8(name);
    }
  }
  for (const auto& entry : actual) {
    if (!expected.contains(entry.first)) unexpected += " " + Utf8(entry.first);
  }
  EXPECT_TRUE(missing.empty() && unexpected.empty() && different.empty())
      << Utf8(folder) << " after " << Utf8(FromGbk(after)) << "\n  missing:" << missing
      << "\n  unexpected:" << unexpected << "\n  with other bytes:" << different;
}

int BarPosition(HWND bar) { return static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)); }

// Makes a page current through its tab, answering its notice as kTabs does.
void OpenPage(const Huiguang& app, std::wstring_view caption) {
  auto tab = std::find_if(std::begin(kTabs), std::end(kTabs), [&](const TabCase& t) { return t.caption == caption; });
  ASSERT_NE(tab, std::end(kTabs)) << Utf8(caption);
  HWND button = FindTab(app.main(), caption);
  ASSERT_NE(button, nullptr) << "no tab " << Utf8(caption);
  Click(button);
  if (tab->notice) {
    ASSERT_TRUE(app.AnswerBox(tab->notice, tab->notice_text, tab->answer));
  }
}

// The program pointed at the demo game as a player does it: the shortcut
// dropped on its window, the location saved.
class WithTheGame : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    RemovePathIni();
    app_ = Huiguang::Start();
    ASSERT_TRUE(app_.WaitForMain());
    ShellDrop drop(folders.shortcut, app_.CentreOf("标签3"));
    ASSERT_TRUE(app_.AnswerBox(L"是否保存路径", L"是否让程序记住您当前设置的文件目录", IDOK));
    ASSERT_TRUE(app_.AnswerBox(L"提示", L"已经成功保存", IDOK));
    ASSERT_TRUE(drop.Wait(10s)) << "the drag loop does not end";
    ASSERT_EQ(app_.ControlText("lujing"), folders.client() + L" ");
  }

  Huiguang app_;
};

// A set's Save button on its page: the radio that enables it, and what the
// set's folder holds once its message has been answered.
struct SaveCase {
  const char* radio;
  const char* save;
  std::vector<std::wstring_view> packs = {};  // shipped archives, in the order they are extracted
  bool readme = false;                        // and the readme beside them
  bool removed = false;                       // the folder is gone instead
  int bar_after = 0;                          // 进度条1 once the message is answered (100 while it shows)
  const wchar_t* caption = L"徽光坊提示您";
  const wchar_t* text = L"恭喜您所选中的效果已经保存，请打开游戏开始体验不一般的乐趣吧！";
  const char* screenshot = nullptr;
};

struct SavePage {
  const wchar_t* tab;
  const wchar_t* folder;  // below System\thirdparty
  std::vector<std::string> saves;  // every Save button of the page
  std::vector<SaveCase> steps;     // in this order, in one run
};

const SavePage kKillIconPage = {
    L"击杀图标", L"mod_texs",
    {"ok1", "ok2", "ok3", "ok4", "ok5", "ok6", "ok7", "ok8", "ok9", "ok10", "ok11", "ok12", "ok13"},
    {
        {.radio = "t2", .save = "ok2", .packs = {L"tagvox.com\\b0.dat", L"sound\\down2_core.ui"},
         .screenshot = "main-window-kill-icons-saved"},
        // The next set replaces the first one entirely.
        {.radio = "t6", .save = "ok6", .packs = {L"tagvox.com\\b.dat"}},
        {.radio = "t1", .save = "ok1", .readme = true, .caption = L"徽光坊提示",
         .text = L"操作已经完成，您的击杀图标游戏效果已经恢复到游戏初始效果。"},
    }};

const SavePage kSoundPage = {
    L"游戏音效", L"mod_sounds",
    {"sound1", "sound2", "sound3", "sound4", "sound5", "sound6"},
    {
        {.radio = "y3", .save = "sound3", .packs = {L"sound\\bx1.wav"}},
        {.radio = "y1", .save = "sound1", .removed = true, .bar_after = 100, .caption = L"徽光坊提示",
         .text = L"操作已经完成，您所修改的音效已经恢复到游戏初始。"},
    }};

// Walks the page's steps: each radio enables only its Save button, and each
// Save leaves the set's folder as the step says.
void SaveEachInTurn(const Huiguang& app, const SavePage& page) {
  OpenPage(app, page.tab);
  const std::wstring folder = ThirdParty(page.folder);
  HWND bar = app.Control("进度条1");
  auto enabled_saves = [&] {
    std::vector<std::string> enabled;
    for (const std::string& save : page.saves) {
      if (HWND button = app.Control(save); button && IsWindowEnabled(button)) enabled.push_back(save);
    }
    return enabled;
  };
  for (const SaveCase& step : page.steps) {
    SCOPED_TRACE(step.save);
    Click(app.Control(step.radio));
    const std::vector<std::string> only{step.save};
    EXPECT_TRUE(WaitUntil([&] { return enabled_saves() == only; }, 5s))
        << testing::PrintToString(enabled_saves()) << " enabled after " << step.radio;
    Click(app.Control(step.save));
    ASSERT_TRUE(WaitForBox(app.id(), step.caption, kBoxLimit)) << "no message after " << step.save;
    EXPECT_EQ(BarPosition(bar), 100) << "while the message shows";
    ASSERT_TRUE(app.AnswerBox(step.caption, step.text, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return BarPosition(bar) == step.bar_after; }, 5s))
        << "the progress bar at " << BarPosition(bar) << " after the message";
    if (step.removed) {
      EXPECT_FALSE(FileExists(folder)) << Utf8(folder) << " stays";
    } else {
      Files expected = PackEntries(step.packs);
      if (step.readme) expected.merge(Readme());
      ExpectFolderHolds(folder, expected, step.save);
    }
    if (step.screenshot) {
      HWND preview = app.Control("yulan");
      EXPECT_TRUE(preview && IsWindowVisible(preview)) << "no preview of the set";
      if (preview) ExpectPainted(SettledCapture(preview), "the preview");
      ExpectPainted(Screenshot(app.main(), step.screenshot), step.screenshot);
    }
  }
}

using KillIcons = WithTheGame;

TEST_F(KillIcons, EachSetReplacesTheLastAndTheResetLeavesOnlyTheReadme) {
  // The folder can only tell the sets apart if their textures differ.
  ASSERT_NE(PackEntries({L"tagvox.com\\b.dat"}), PackEntries({L"tagvox.com\\b0.dat", L"sound\\down2_core.ui"}));
  SaveEachInTurn(app_, kKillIconPage);
}

TEST_F(KillIcons, WorldCupSetOnlyForThoseWhoShareIt) {
  const std::wstring picture = folders.game + L"\\System\\ad.bmp";
  DeleteFileW(picture.c_str());
  const auto advert = ReadBytes(folders.tool + L"\\imgdata\\yinshanad.ini");
  ASSERT_TRUE(advert) << "the tool ships no World Cup picture";

  struct ShareCase {
    int answer;
    bool save_enabled;       // ok11, and the picture copied into the game
    const wchar_t* refusal;  // the box that follows, if any
  };
  const ShareCase kShareCases[] = {
      {IDNO, false, L"对不起，您无法使用该项目！亲，您的支持是我们坚持的动力"},
      {IDYES, true, nullptr},
  };
  HWND save = app_.Control("ok11");
  ASSERT_NE(save, nullptr);
  for (const ShareCase& share : kShareCases) {
    SCOPED_TRACE(share.answer == IDYES ? "shared" : "not shared");
    Click(app_.Control("wordball"));
    auto box = WaitForBox(app_.id(), L"分享给小伙伴们吧", kBoxLimit);
    ASSERT_TRUE(box) << "no World Cup question";
    EXPECT_NE(box->text.find(L"软件设计不易，您随手支持一下好吗？"), std::wstring::npos) << Utf8(box->text);
    std::vector<int> buttons = box->buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box->default_button, IDNO);
    if (share.answer == IDNO) Screenshot(box->window, "world-cup-question");
    ASSERT_TRUE(Answer(box->window, share.answer));
    if (share.refusal) {
      ASSERT_TRUE(app_.AnswerBox(L"无法执行", share.refusal, IDOK));
    }
    EXPECT_TRUE(WaitUntil([&] { return (IsWindowEnabled(save) != FALSE) == share.save_enabled; }, 5s))
        << (share.save_enabled ? "ok11 stays disabled" : "ok11 stays enabled");
    if (share.save_enabled) {
      EXPECT_TRUE(WaitUntil([&] { return ReadBytes(picture) == advert; }, 5s))
          << "System\\ad.bmp is not the tool's World Cup picture";
    } else {
      EXPECT_FALSE(FileExists(picture)) << "the picture was copied without sharing";
    }
  }

  Click(save);
  ASSERT_TRUE(app_.AnswerBox(L"徽光坊提示您", L"恭喜您所选中的效果已经保存", IDOK));
  ExpectFolderHolds(Textures(), PackEntries({L"imgdata\\tagvox_ball.dat", L"sound\\down_ball.dat"}), "ok11");
}

using Sounds = WithTheGame;

TEST_F(Sounds, SetInstalledThenTheGameSoundsAgain) { SaveEachInTurn(app_, kSoundPage); }

// --- Developer mode and the gate

// A 255 x 255 TGA with alpha, as the developer window asks for: uncompressed
// true colour, rows from the top, a pattern no shipped texture has.
std::string PlayersIcon() {
  constexpr int kSize = 255;
  std::string tga(18, '\0');
  tga[2] = 2;
  tga[12] = tga[14] = static_cast<char>(kSize);
  tga[16] = 32;
  tga[17] = 0x28;  // 8 alpha bits, top-left origin
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      tga += {static_cast<char>(x), static_cast<char>(y), static_cast<char>(x ^ y), static_cast<char>(0xFF)};
    }
  }
  return tga;
}

using DeveloperMode = WithTheGame;

TEST_F(DeveloperMode, OpensOnlyWithItsCodeAndPutsAChosenFileIntoTheGame) {
  OpenPage(app_, L"魔法之门");
  if (HasFatalFailure()) return;

  struct CodeCase {
    const wchar_t* code;
    int button;
    bool opens;
  };
  const CodeCase kCodes[] = {
      {L"7.kqlzob.ne", IDOK, false},
      {L"7.kqlzob.net", IDCANCEL, false},
      {L"7.kqlzob.net", IDOK, true},
  };
  for (const CodeCase& attempt : kCodes) {
    SCOPED_TRACE(Utf8(attempt.code) + (attempt.button == IDOK ? " confirmed" : " cancelled"));
    Click(app_.Control("按钮17"));
    HWND prompt = WaitForTopLevel(app_.id(), L"请输入开发者密码", kBoxLimit);
    ASSERT_NE(prompt, nullptr) << "no code prompt";
    HWND edit = nullptr;
    for (HWND child : Descendants(prompt)) {
      if (lstrcmpiW(ClassName(child).c_str(), L"Edit") == 0) edit = child;
    }
    ASSERT_NE(edit, nullptr) << "no box to type the code in";
    EXPECT_EQ(Text(FindControl(prompt, IDOK)), L"确认输入(&O)");
    EXPECT_EQ(Text(FindControl(prompt, IDCANCEL)), L"取消(&C)");
    ASSERT_TRUE(SetText(edit, attempt.code));
    ASSERT_TRUE(Answer(prompt, attempt.button)) << "the prompt stays";
    if (!attempt.opens) {
      app_.ExpectNoBox();
      EXPECT_EQ(FindTopLevel(app_.id(), kDeveloperTitle), nullptr) << "DeveloperWindow opened";
    }
  }

  auto warning = WaitForBox(app_.id(), L"严重警告！", kBoxLimit);
  ASSERT_TRUE(warning) << "no warning as DeveloperWindow opens";
  EXPECT_EQ(Text(GetWindow(warning->window, GW_OWNER)), kDeveloperTitle) << "the warning's owner";
  EXPECT_NE(warning->text.find(L"徽光坊开发者模式是面向与广大的技术玩家提供的开放平台"), std::wstring::npos);
  EXPECT_EQ(warning->buttons, std::vector<int>{IDOK});
  ASSERT_TRUE(Answer(warning->window, IDOK));
  HWND developer = WaitForTopLevel(app_.id(), kDeveloperTitle, kBoxLimit);
  ASSERT_NE(developer, nullptr) << "no DeveloperWindow";
  ExpectPainted(Screenshot(developer, "developer-window"), "DeveloperWindow");
  auto control = [&](std::string_view name) { return ControlOf(developer, ui::windows::kDeveloper, name); };
  const std::wstring textures = Textures();

  // "恢复默认": the game's own icons, the readme alone.
  Click(control("按钮3"));
  ASSERT_TRUE(app_.AnswerBox(L"徽光坊提示", L"命令已经执行完毕！", IDOK));
  ExpectFolderHolds(textures, Readme(), "恢复默认");

  // Slot 1 takes a player's own file through its dialog.
  namespace fs = std::filesystem;
  const fs::path own = fs::temp_directory_path() / (L"自制图标-" + std::to_wstring(GetCurrentProcessId()));
  fs::create_directories(own);
  const std::wstring icon = (own / L"我的一连杀.tga").wstring();
  const std::string tga = PlayersIcon();
  ASSERT_TRUE(WriteBytes(icon, tga));
  Click(control("diy1"));
  auto dialog = WaitForBox(app_.id(), {}, 15s);
  ASSERT_TRUE(dialog) << "no file dialog";
  EXPECT_EQ(GetWindow(dialog->window, GW_OWNER), developer) << "the dialog's owner";
  ChooseInFileDialog(dialog->window, icon);
  if (HasFatalFailure()) return;
  HWND slot = control("img1");
  EXPECT_TRUE(WaitUntil([&] { return Text(slot) == icon; }, 5s)) << "slot 1 reads " << Utf8(Text(slot));
  Click(control("tihuan1"));
  Files expected = Readme();
  expected[L"HUD_Cheer_gun_onekill.tga"] = tga;
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(textures + L"\\HUD_Cheer_gun_onekill.tga") == tga; }, 5s))
      << "HUD_Cheer_gun_onekill.tga is not the chosen file";
  ExpectFolderHolds(textures, expected, "修改此项");
  app_.ExpectNoBox();

  // "一键全部修改" needs all twenty slots and refuses before it touches the game.
  Click(control("按钮1"));
  ASSERT_TRUE(app_.AnswerBox(L"错误提示", L"击杀图标素材项目不完整，请全部加入素材", IDOK));
  ExpectFolderHolds(textures, expected, "一键全部修改");

  // "清空重置" empties the slots and leaves the game alone.
  Click(control("按钮2"));
  ASSERT_TRUE(app_.AnswerBox(L"徽光坊提示", L"命令已经执行完毕！", IDOK));
  EXPECT_EQ(Text(slot), L"");
  ExpectFolderHolds(textures, expected, "清空重置");
  fs::remove_all(own);
}

using MagicGate = WithTheGame;

TEST_F(MagicGate, EffectReplacesWhateverTheTextureFolderHeld) {
  // What an earlier set left, which the gate's install must remove.
  std::filesystem::create_directories(std::filesystem::path(Textures()));
  ASSERT_TRUE(WriteBytes(Textures() + L"\\HUD_Cheer_earlier_set.tga", "TRUEVISION"));
  OpenPage(app_, L"魔法之门");
  if (HasFatalFailure()) return;
  Click(app_.Control("mofa"));
  HWND gate = WaitForTopLevel(app_.id(), kGateTitle, kBoxLimit);
  ASSERT_NE(gate, nullptr) << "no GateWindow";
  for (const std::string& save : kKillIconPage.saves) {
    HWND button = app_.Control(save);
    EXPECT_TRUE(button && !IsWindowEnabled(button)) << save << " stays enabled in the gate";
  }
  ExpectPainted(Screenshot(gate, "gate-window"), "GateWindow");

  HWND bar = ControlOf(gate, ui::windows::kGate, "进度条1");
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(IsWindowVisible(bar)) << "the progress bar shows before the install";
  Click(ControlOf(gate, ui::windows::kGate, "按钮6"));
  auto box = WaitForBox(app_.id(), L"徽光坊提示您", kBoxLimit);
  ASSERT_TRUE(box) << "no message after the install";
  EXPECT_TRUE(IsWindowVisible(bar) && BarPosition(bar) == 100) << "while the message shows";
  EXPECT_EQ(GetWindow(box->window, GW_OWNER), gate) << "the message's owner";
  EXPECT_NE(box->text.find(L"恭喜您! 已经成功开启新的击杀特效！"), std::wstring::npos) << Utf8(box->text);
  ASSERT_TRUE(Answer(box->window, IDOK));
  ExpectFolderHolds(Textures(), PackEntries({L"imgdata\\gdi_color1.ui", L"tagvox.com\\c1.ui"}),
                    "激活[魔法效果]");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, 5s)) << "the progress bar stays after the install";
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
             e2e::Environment(L"E2E_SHOTS"), e2e::Environment(L"E2E_PACKS")};
  if (folders.tool.empty() || folders.game.empty() || folders.shortcut.empty() || folders.shots.empty() ||
      folders.packs.empty()) {
    std::fprintf(stderr, "e2e_driver: set E2E_TOOL, E2E_GAME, E2E_SHORTCUT, E2E_SHOTS and E2E_PACKS (see run-e2e.sh)\n");
    return 2;
  }
  CreateDirectoryW(folders.shots.c_str(), nullptr);
  return RUN_ALL_TESTS();
}
