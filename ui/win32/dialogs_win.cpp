// Message boxes, the text prompt and the file dialogs.
#include "ui/win32/native.h"

#include <commdlg.h>

#include <vector>

#include "host/win32/wide.h"

namespace ui::win32 {
namespace {

HHOOK g_box_hook = nullptr;
HWND g_box_owner = nullptr;

// The skin's chance at a message box: it centres the box on its owner (or the
// screen), so that it never opens far from the window that asked.
LRESULT CALLBACK BoxHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wparam);
    wchar_t class_name[16] = {};
    GetClassNameW(box, class_name, 16);
    if (std::wstring_view(class_name) == L"#32770") {
      RECT box_rect, area;
      GetWindowRect(box, &box_rect);
      if (g_box_owner && IsWindowVisible(g_box_owner)) {
        GetWindowRect(g_box_owner, &area);
      } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
      }
      int width = box_rect.right - box_rect.left, height = box_rect.bottom - box_rect.top;
      SetWindowPos(box, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      UnhookWindowsHookEx(g_box_hook);
      g_box_hook = nullptr;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

struct AskState {
  HWND edit = nullptr;
  bool done = false;
  std::optional<Text> result;
};

LRESULT CALLBACK AskProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<AskState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (!state) break;
      if (LOWORD(wparam) == IDOK) {
        int length = GetWindowTextLengthW(state->edit);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(state->edit, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        state->result = host::win32::Narrow(text);
        state->done = true;
      } else if (LOWORD(wparam) == IDCANCEL) {
        state->done = true;
      }
      return 0;
    case WM_CLOSE:
      if (state) state->done = true;
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetBkColor(dc, RGB(236, 246, 234));
      return reinterpret_cast<LRESULT>(SolidBrush(Rgb(236, 246, 234)));
    }
    default: break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND AddChild(HWND parent, const wchar_t* class_name, const std::wstring& text, DWORD style, RECT rect, int id) {
  HWND child = CreateWindowExW(0, class_name, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  return child;
}

}  // namespace

int ShowMessageBox(HWND owner, TextView text, TextView caption, unsigned style) {
  g_box_owner = owner;
  g_box_hook = SetWindowsHookExW(WH_CBT, BoxHook, nullptr, GetCurrentThreadId());
  int pressed = MessageBoxExW(owner, host::win32::Widen(text).c_str(), host::win32::Widen(caption).c_str(), style, 0);
  if (g_box_hook) UnhookWindowsHookEx(g_box_hook);
  g_box_hook = nullptr;
  return pressed > 0 ? pressed - 1 : 1;  // a box that could not open counts as cancelled
}

std::optional<Text> AskTextDialog(HWND owner, TextView prompt, TextView caption, TextView initial) {
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSEXW window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = AskProc;
    window.hInstance = instance;
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.hbrBackground = SolidBrush(Rgb(236, 246, 234));
    window.lpszClassName = L"HuiguangAsk";
    registered = RegisterClassExW(&window) != 0;
  }
  const int width = 420, margin = 14;
  const std::wstring prompt_text = host::win32::Widen(prompt);
  // The prompt's height decides the layout below it.
  int prompt_height = 0;
  if (!prompt_text.empty()) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ControlFont());
    RECT measure{0, 0, width - 2 * margin, 0};
    DrawTextW(dc, prompt_text.c_str(), -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    prompt_height = static_cast<int>(measure.bottom) + 8;
  }
  const int edit_top = margin + prompt_height;
  const int buttons_top = edit_top + 24 + 14;
  const int client_height = buttons_top + 28 + margin;
  RECT frame{0, 0, width, client_height};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  RECT area;
  if (owner) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int frame_width = frame.right - frame.left, frame_height = frame.bottom - frame.top;
  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, L"HuiguangAsk",
                                host::win32::Widen(caption).c_str(), style,
                                area.left + (area.right - area.left - frame_width) / 2,
                                area.top + (area.bottom - area.top - frame_height) / 2, frame_width, frame_height,
                                owner, nullptr, instance, nullptr);
  if (!dialog) return std::nullopt;
  AskState state;
  SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  if (!prompt_text.empty()) {
    AddChild(dialog, L"STATIC", prompt_text, SS_LEFT | SS_NOPREFIX,
             {margin, margin, width - margin, margin + prompt_height}, 100);
  }
  state.edit = AddChild(dialog, L"EDIT", host::win32::Widen(initial), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                        {margin, edit_top, width - margin, edit_top + 24}, 101);
  AddChild(dialog, L"BUTTON", L"确认输入(&O)", BS_DEFPUSHBUTTON | WS_TABSTOP,
           {width - margin - 220, buttons_top, width - margin - 116, buttons_top + 28}, IDOK);
  AddChild(dialog, L"BUTTON", L"取消(&C)", BS_PUSHBUTTON | WS_TABSTOP,
           {width - margin - 104, buttons_top, width - margin, buttons_top + 28}, IDCANCEL);

  // Modal: the program's other windows wait until the prompt is answered.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* list = reinterpret_cast<std::vector<HWND>*>(param);
        if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) list->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, dialog);
  for (HWND hwnd : disabled) EnableWindow(hwnd, FALSE);
  ShowWindow(dialog, SW_SHOW);
  SetFocus(state.edit);
  SendMessageW(state.edit, EM_SETSEL, 0, -1);
  MSG message;
  while (!state.done && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
  DestroyWindow(dialog);
  if (owner) SetForegroundWindow(owner);
  return state.result;
}

bool FileDialog(HWND owner, FileDialogFields& fields) {
  // "a|b|c|d||" becomes "a\0b\0c\0d\0\0".
  std::wstring filter = host::win32::Widen(fields.filter);
  for (wchar_t& c : filter) c = c == L'|' ? L'\0' : c;
  std::vector<wchar_t> file(32768, L'\0');
  std::wstring start = host::win32::Widen(fields.file_name);
  std::copy(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(std::min(start.size(), file.size() - 1)),
            file.begin());
  std::wstring title = host::win32::Widen(fields.title);
  std::wstring folder = host::win32::Widen(fields.initial_folder);
  std::wstring extension = host::win32::Widen(fields.default_extension);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(fields.initial_filter + 1);
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  bool confirmed = fields.kind == FileDialogFields::Kind::kSave ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (confirmed) fields.file_name = host::win32::Narrow(file.data());
  return confirmed;
}

}  // namespace ui::win32
