// The demo game: the process "mat.exe" that the tool watches for, running
// until its window is closed. It shows what the game would load from the mod
// folders beside it, so that a player sees what the tool installed there.
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "demo/demo_window.h"

namespace {

struct ModFolder {
  const wchar_t* title;
  const wchar_t* path;  // relative to the game folder
};

constexpr ModFolder kFolders[] = {
    {L"击杀图标", L"System\\thirdparty\\mod_texs"},
    {L"游戏音效", L"System\\thirdparty\\mod_sounds"},
};
constexpr int kFolderCount = static_cast<int>(std::size(kFolders));

constexpr int kColumnWidth = 264;
constexpr int kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;

struct FolderView {
  HWND heading = nullptr;
  HWND list = nullptr;
  bool shown = false;
  bool exists = false;
  std::vector<std::wstring> entries;
};
FolderView views[kFolderCount];

// The folder's entries, sorted, folders marked by a trailing backslash; false
// when the folder is not there.
bool ReadFolder(const std::wstring& folder, std::vector<std::wstring>& entries) {
  entries.clear();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) name += L'\\';
    entries.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(entries.begin(), entries.end());
  return true;
}

void Refresh() {
  const std::wstring game = demo::ProgramFolder();
  for (int i = 0; i < kFolderCount; ++i) {
    FolderView& view = views[i];
    std::vector<std::wstring> entries;
    bool exists = ReadFolder(game + L"\\" + kFolders[i].path, entries);
    // Rewritten only on change, so that the list keeps its scroll position.
    if (view.shown && exists == view.exists && entries == view.entries) continue;
    std::wstring state = !exists           ? L"文件夹不存在：使用游戏自带的效果"
                         : entries.empty() ? L"文件夹是空的：使用游戏自带的效果"
                                           : std::to_wstring(entries.size()) + L" 个文件";
    SetWindowTextW(view.heading,
                   (std::wstring(kFolders[i].title) + L"（" + kFolders[i].path + L"）\r\n" + state).c_str());
    SendMessageW(view.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view.list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : entries) {
      SendMessageW(view.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageW(view.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view.list, nullptr, TRUE);
    view = {view.heading, view.list, true, exists, std::move(entries)};
  }
}

LRESULT CALLBACK GameProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      demo::AddControl(window, L"STATIC", L"演示游戏正在运行。游戏启动时会读取下面这些文件；关闭本窗口即退出游戏。",
                       SS_LEFT, 12, 10, 536, 20, 0);
      for (int i = 0; i < kFolderCount; ++i) {
        int x = 12 + i * (kColumnWidth + 8);
        views[i].heading = demo::AddControl(window, L"STATIC", L"", SS_LEFT, x, 40, kColumnWidth, 36, 0);
        views[i].list = demo::AddControl(window, L"LISTBOX", L"",
                                         WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, x, 80,
                                         kColumnWidth, 268, demo::kFolderListId + i);
      }
      Refresh();
      SetTimer(window, kRefreshTimer, kRefreshMs, nullptr);
      return 0;
    case WM_TIMER:
      if (wparam == kRefreshTimer) Refresh();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kRefreshTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  HWND window = demo::CreateMainWindow(instance, L"DemoGame", L"反恐行动", GameProcedure, 560, 360);
  if (!window) return 1;
  ShowWindow(window, show);
  return demo::RunMessageLoop(window);
}
