#include "ui/win32/renderer_win.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "host/win32/wide.h"
#include "ui/win32/native.h"

namespace ui {
namespace win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"HuiguangWindow";
constexpr wchar_t kPageClass[] = L"HuiguangPage";

Ui* g_ui = nullptr;
std::vector<std::unique_ptr<NativeWindow>> g_windows;

void Dispatch(NativeWindow& native, int control, Event event, TextView text = {}) {
  if (native.model && !native.model->closing) g_ui->Dispatch(*native.model, control, event, text);
}

// Events every control reports: mouse movement and buttons, and its cursor.
LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  NativeWindow* native = NativeOf(hwnd);
  int index = native ? ControlIndexOf(*native, hwnd) : -1;
  if (native && index >= 0) {
    switch (message) {
      case WM_MOUSEMOVE: Dispatch(*native, index, Event::kMouseMove); break;
      case WM_LBUTTONDOWN: Dispatch(*native, index, Event::kLeftButtonDown); break;
      case WM_LBUTTONUP: Dispatch(*native, index, Event::kLeftButtonUp); break;
      case WM_RBUTTONUP: Dispatch(*native, index, Event::kRightButtonUp); break;
      case WM_SETCURSOR: {
        const ControlDef& def = native->model->def().controls[static_cast<std::size_t>(index)];
        if (def.hand_cursor || def.kind == ControlKind::kLink) {
          SetCursor(LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
      }
      default: break;
    }
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// Notifications from controls, whether they arrive at the window or at a page.
bool HandleCommand(NativeWindow& native, HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(lparam);
      if (child && child == native.minimize) {
        ShowWindow(native.hwnd, SW_MINIMIZE);
        return true;
      }
      if (child && child == native.close) {
        PostMessageW(native.hwnd, WM_CLOSE, 0, 0);
        return true;
      }
      auto tab = std::find(native.tabs.begin(), native.tabs.end(), child);
      if (child && tab != native.tabs.end()) {
        int number = static_cast<int>(tab - native.tabs.begin());
        native.selected_tab = number;
        for (HWND button : native.tabs) InvalidateRect(button, nullptr, FALSE);
        int bar = native.model->IndexOf("图片框2");
        Dispatch(native, bar, Event::kItemSelected, std::to_string(number + 1));
        return true;
      }
      int index = child ? ControlIndexOf(native, child) : -1;
      if (index < 0) return false;
      Control control = native.model->at(index);
      const UINT code = HIWORD(wparam);
      switch (control.def().kind) {
        case ControlKind::kButton:
          if (code == BN_CLICKED) Dispatch(native, index, Event::kClick);
          break;
        case ControlKind::kCheckBox:
          if (code == BN_CLICKED) {
            control.set_ticked(!control.ticked());
            Dispatch(native, index, Event::kClick);
          }
          break;
        case ControlKind::kRadio:
          if (code == BN_CLICKED) {
            control.set_ticked(true);
            Dispatch(native, index, Event::kClick);
          }
          break;
        case ControlKind::kLabel:
        case ControlKind::kLink:
        case ControlKind::kPicture:
          if (code == STN_CLICKED) Dispatch(native, index, Event::kClick);
          break;
        case ControlKind::kEdit:
          if (code == EN_CHANGE && GetPropW(child, L"huiguang.setting") == nullptr) {
            // The user typed: the model learns the text and reports the change.
            int length = GetWindowTextLengthW(child);
            std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(child, wide.data(), length + 1);
            wide.resize(static_cast<std::size_t>(length));
            control.TextTyped(host::win32::Narrow(wide));
          }
          break;
        case ControlKind::kComboBox:
          if (code == CBN_SELCHANGE) {
            int item = static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0));
            control.set_current_item(item);
            Dispatch(native, index, Event::kItemSelected);
          }
          break;
        default: break;
      }
      return true;
    }
    case WM_DRAWITEM:
      DrawOwnerItem(native, *reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = reinterpret_cast<LRESULT>(
          ControlColors(native, parent, reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam)));
      return result != 0;
    case WM_ERASEBKGND:
      PaintBackground(native, parent, reinterpret_cast<HDC>(wparam));
      result = 1;
      return true;
    case WM_MOUSEMOVE:
      Dispatch(native, -1, Event::kMouseMove);  // the bare surface
      return false;
    default: return false;
  }
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (NativeWindow* native = NativeOf(hwnd)) {
    LRESULT result = 0;
    if (HandleCommand(*native, hwnd, message, wparam, lparam, result)) return result;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* native = static_cast<NativeWindow*>(create->lpCreateParams);
    native->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native));
  }
  NativeWindow* native = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!native) return DefWindowProcW(hwnd, message, wparam, lparam);
  LRESULT result = 0;
  if (HandleCommand(*native, hwnd, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      (void)dc;
      return 0;
    }
    case WM_NCHITTEST: {
      // The skin's title strip (or a bare popup's top strip) moves the window.
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      ScreenToClient(hwnd, &point);
      const WindowDef& def = native->model->def();
      int strip = def.title_bar ? TitleHeight(def) : (def.skinned ? 24 : 0);
      if (point.y >= 0 && point.y < strip) return HTCAPTION;
      break;
    }
    case WM_TIMER: {
      int index = static_cast<int>(wparam) - kFirstControlId;
      if (index >= 0 && index < native->model->control_count()) Dispatch(*native, index, Event::kTimer);
      return 0;
    }
    case WM_CLOSE:
      native->model->closing = true;
      DestroyWindow(hwnd);
      return 0;
    case kDestroyLater:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      RevokeDrop(*native);
      if (native->model) g_ui->Dispatch(*native->model, -1, Event::kDestroying);
      return 0;
    case WM_NCDESTROY: {
      Window* model = native->model;
      native->model = nullptr;
      std::erase_if(g_windows, [&](const auto& open) { return open.get() == native; });
      if (model) g_ui->Forget(*model);
      if (g_windows.empty()) PostQuitMessage(0);
      return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    default: break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void RegisterClasses(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW window{};
  window.cbSize = sizeof window;
  window.style = CS_DBLCLKS;
  window.lpfnWndProc = WindowProc;
  window.hInstance = instance;
  window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  window.hIconSm = window.hIcon;
  window.lpszClassName = kWindowClass;
  RegisterClassExW(&window);
  WNDCLASSEXW page = window;
  page.lpfnWndProc = PageProc;
  page.hIcon = page.hIconSm = nullptr;
  page.lpszClassName = kPageClass;
  RegisterClassExW(&page);
}

}  // namespace

NativeWindow* NativeOf(const Window& window) { return static_cast<NativeWindow*>(window.native); }

NativeWindow* NativeOf(HWND hwnd) {
  HWND top = GetAncestor(hwnd, GA_ROOT);
  for (auto& native : g_windows) {
    if (native->hwnd == top) return native.get();
  }
  return nullptr;
}

void SubclassControl(HWND control) { SetWindowSubclass(control, ControlProc, 1, 0); }

HWND CreatePage(HWND parent, const RECT& rect, HINSTANCE instance, std::wstring_view name) {
  return CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, std::wstring(name).c_str(),
                         WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, nullptr, instance, nullptr);
}

}  // namespace win32

using win32::NativeOf;
using win32::NativeWindow;

Win32Renderer::Win32Renderer(void* instance) : instance_(instance) {}

void Win32Renderer::Attach(Ui& ui) { win32::g_ui = &ui; }

void Win32Renderer::Create(Window& window, Window* owner) {
  auto instance = static_cast<HINSTANCE>(instance_);
  win32::RegisterClasses(instance);
  const WindowDef& def = window.def();
  auto native = std::make_unique<NativeWindow>();
  native->model = &window;
  NativeWindow* raw = native.get();
  win32::g_windows.push_back(std::move(native));

  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  DWORD ex_style = WS_EX_CONTROLPARENT;
  if (def.title_bar) style |= WS_SYSMENU | WS_MINIMIZEBOX;
  if (!def.skinned && !def.title_bar) ex_style |= WS_EX_TOOLWINDOW;  // the splash
  if (def.skinned && !def.title_bar) ex_style |= WS_EX_TOOLWINDOW;   // the notice board
  // A window without a place of its own opens in the middle of the work area.
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  int x = def.x >= 0 ? def.x : area.left + (area.right - area.left - def.width) / 2;
  int y = def.y >= 0 ? def.y : area.top + (area.bottom - area.top - def.height) / 2;
  HWND owner_hwnd = owner && NativeOf(*owner) ? NativeOf(*owner)->hwnd : nullptr;
  HWND hwnd = CreateWindowExW(ex_style, win32::kWindowClass, host::win32::Widen(def.caption).c_str(), style, x, y,
                              def.width, def.height, owner_hwnd, nullptr, instance, raw);
  if (!hwnd) {
    std::erase_if(win32::g_windows, [&](const auto& open) { return open.get() == raw; });
    return;
  }
  window.native = raw;
  win32::CreateControls(*raw, instance);
}

void Win32Renderer::Show(Window& window) {
  if (NativeWindow* native = NativeOf(window)) {
    ShowWindow(native->hwnd, SW_SHOW);
    UpdateWindow(native->hwnd);
  }
}

void Win32Renderer::RunModal(Window& window) {
  NativeWindow* native = NativeOf(window);
  if (!native) return;
  HWND modal = native->hwnd;
  // Modal: disable the program's other windows and pump until this one is gone.
  std::vector<HWND> disabled;
  for (auto& other : win32::g_windows) {
    if (other->hwnd != modal && IsWindowEnabled(other->hwnd)) {
      EnableWindow(other->hwnd, FALSE);
      disabled.push_back(other->hwnd);
    }
  }
  MSG message;
  while (IsWindow(modal) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  for (HWND hwnd : disabled) {
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  }
  if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
}

void Win32Renderer::BringToFront(Window& window) {
  NativeWindow* native = NativeOf(window);
  if (!native) return;
  if (IsIconic(native->hwnd)) {
    ShowWindow(native->hwnd, SW_RESTORE);
  } else {
    SetForegroundWindow(native->hwnd);
  }
}

void Win32Renderer::Destroy(Window& window) {
  // The window goes once the current handler has returned.
  if (NativeWindow* native = NativeOf(window)) PostMessageW(native->hwnd, win32::kDestroyLater, 0, 0);
}

void Win32Renderer::Update(Window& window, int control, Property property) {
  NativeWindow* native = NativeOf(window);
  if (!native) return;
  if (control < 0) {
    if (property == Property::kPosition) {
      SetWindowPos(native->hwnd, nullptr, window.left(), window.top(), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return;
  }
  win32::ApplyProperty(*native, control, property);
}

int Win32Renderer::ShowMessage(Window* owner, TextView text, TextView caption, unsigned style) {
  NativeWindow* native = owner ? NativeOf(*owner) : nullptr;
  return win32::ShowMessageBox(native ? native->hwnd : nullptr, text, caption, style);
}

std::optional<Text> Win32Renderer::AskText(Window* owner, TextView prompt, TextView caption, TextView initial) {
  NativeWindow* native = owner ? NativeOf(*owner) : nullptr;
  return win32::AskTextDialog(native ? native->hwnd : GetActiveWindow(), prompt, caption, initial);
}

bool Win32Renderer::ChooseFile(Window* owner, FileDialogFields& fields) {
  NativeWindow* native = owner ? NativeOf(*owner) : nullptr;
  return win32::FileDialog(native ? native->hwnd : GetActiveWindow(), fields);
}

bool Win32Renderer::RegisterDropTarget(Window& window) {
  NativeWindow* native = NativeOf(window);
  return native && win32::RegisterDrop(*native);
}

Text Win32Renderer::BrowserTitle(Window& window, int control) {
  NativeWindow* native = NativeOf(window);
  if (!native || !native->controls[static_cast<std::size_t>(control)]) return {};
  return win32::BrowserTitle(native->controls[static_cast<std::size_t>(control)]);
}

void Win32Renderer::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void Win32Renderer::ExitProcess() {
  // Each window's destroy handler runs; owned windows go with their owner.
  std::vector<HWND> windows;
  for (auto& native : win32::g_windows) windows.push_back(native->hwnd);
  for (HWND hwnd : windows) {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  ::ExitProcess(0);
}

}  // namespace ui
