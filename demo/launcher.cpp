// The demo client's launcher, what the game's desktop shortcut opens. Its
// button starts the game (mat.exe beside it) and closes the launcher, as the
// real launcher does; "MatOnline.exe /play" starts the game without a window.
#include <windows.h>
#include <shellapi.h>

#include "demo/demo_window.h"

namespace {

constexpr int kPlayButton = 100;

bool StartGame(HWND owner) {
  const std::wstring folder = demo::ProgramFolder();
  const std::wstring game = folder + L"\\mat.exe";
  std::wstring command_line = L"\"" + game + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(game.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    MessageBoxW(owner, (L"无法启动游戏：\r\n" + game).c_str(), L"反恐行动", MB_ICONERROR);
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool PlayRequested() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  bool play = false;
  for (int i = 1; i < count; ++i) play = play || lstrcmpiW(arguments[i], L"/play") == 0;
  LocalFree(arguments);
  return play;
}

LRESULT CALLBACK LauncherProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      demo::AddControl(window, L"STATIC",
                       L"反恐行动 · 演示客户端\r\n\r\n"
                       L"这是徽光坊附带的演示游戏。\r\n把它当作真正的游戏，试用徽光坊的各项功能。",
                       SS_LEFT, 16, 16, 328, 72, 0);
      demo::AddControl(window, L"BUTTON", L"开始游戏", WS_TABSTOP | BS_DEFPUSHBUTTON, 124, 100, 112, 34,
                       kPlayButton);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kPlayButton && StartGame(window)) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  if (PlayRequested()) return StartGame(nullptr) ? 0 : 1;
  HWND window = demo::CreateMainWindow(instance, L"DemoGameLauncher", L"反恐行动 (演示客户端)", LauncherProcedure,
                                       360, 150);
  if (!window) return 1;
  ShowWindow(window, show);
  return demo::RunMessageLoop(window);
}
