// What the two demo programs share: their folder, a plain top-level window
// with the system's message font, and a message loop with keyboard navigation.
#pragma once

#include <windows.h>

#include <string>

namespace demo {

// The ids of mat.exe's folder lists, in the order of its table: textures first.
inline constexpr int kFolderListId = 100;

// The folder that holds the running program, without a trailing backslash.
std::wstring ProgramFolder();

// A fixed-size top-level window whose client area is width x height.
HWND CreateMainWindow(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title, WNDPROC procedure,
                      int width, int height);

// A child control in the message font.
HWND AddControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int width,
                int height, int id);

int RunMessageLoop(HWND window);

}  // namespace demo
