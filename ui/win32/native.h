// What the Win32 renderer keeps per window, shared by its parts. Only files
// in this folder include it.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/ui.h"

namespace ui::win32 {

inline constexpr int kFirstControlId = 1000;
inline constexpr int kTitleHeight = 28;  // the skin's title strip of skinned windows
// The title strip of a window: above its background picture when that starts lower.
inline int TitleHeight(const WindowDef& def) { return def.background_top > 0 ? def.background_top : kTitleHeight; }
inline constexpr UINT kDestroyLater = WM_APP + 1;

struct NativeWindow {
  Window* model = nullptr;
  HWND hwnd = nullptr;
  std::vector<HWND> controls;  // by control index; nullptr for components
  std::vector<HWND> pages;     // containers of the tab control's pages
  std::vector<HWND> tabs;      // the tab bar's seven buttons
  int selected_tab = 0;        // 0-based, drawn in the highlight colour
  HWND minimize = nullptr, close = nullptr;
  bool drop_registered = false;
};

NativeWindow* NativeOf(const Window& window);
NativeWindow* NativeOf(HWND hwnd);  // for a top-level window or any of its descendants

// Controls.
void CreateControls(NativeWindow& native, HINSTANCE instance);
void ApplyProperty(NativeWindow& native, int control, Property property);
// The model control behind a native child, or -1.
int ControlIndexOf(NativeWindow& native, HWND child);
// Handles WM_CTLCOLOR* for a child of `parent` (the top-level window or a page).
HBRUSH ControlColors(NativeWindow& native, HWND parent, HWND child, HDC dc);

// Skin.
void PaintBackground(NativeWindow& native, HWND surface, HDC dc);
void DrawOwnerItem(NativeWindow& native, const DRAWITEMSTRUCT& item);
HFONT ControlFont(bool bold = false, bool underline = false);
HFONT TitleFont();
HFONT TabFont();
// A brush of the window's background picture, aligned for painting on `child`.
HBRUSH BackgroundBrushFor(NativeWindow& native, HWND child, HDC dc);
HBRUSH SolidBrush(Color color);
COLORREF ToColorRef(Color color);

// Pictures.
HBITMAP PictureBitmap(Picture picture);
void DrawPicture(HDC dc, Picture picture, const RECT& rect);

// Browser controls.
HWND CreateBrowser(HWND parent, const RECT& rect, int id, HINSTANCE instance);
void BrowserNavigate(HWND browser, TextView address);
Text BrowserTitle(HWND browser);

// Dialogs.
int ShowMessageBox(HWND owner, TextView text, TextView caption, unsigned style);
std::optional<Text> AskTextDialog(HWND owner, TextView prompt, TextView caption, TextView initial);
bool FileDialog(HWND owner, FileDialogFields& fields);

// Drops from the shell.
bool RegisterDrop(NativeWindow& native);
void RevokeDrop(NativeWindow& native);

}  // namespace ui::win32
