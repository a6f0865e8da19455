// Native child windows for the controls of a definition, and the property
// changes the model sends them.
#include "ui/win32/native.h"

#include <commctrl.h>

#include "host/text.h"
#include "host/win32/wide.h"

namespace ui::win32 {

void SubclassControl(HWND control);
HWND CreatePage(HWND parent, const RECT& rect, HINSTANCE instance, std::wstring_view name);

namespace {

struct Native {
  const wchar_t* class_name;
  DWORD style;
};

Native NativeFor(const ControlDef& def) {
  switch (def.kind) {
    case ControlKind::kButton: return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP};
    // Check boxes and radios are ticked by the model, which keeps radio groups exclusive.
    case ControlKind::kCheckBox: return {WC_BUTTONW, BS_CHECKBOX | WS_TABSTOP};
    case ControlKind::kRadio: return {WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP};
    case ControlKind::kEdit:
      return {WC_EDITW, static_cast<DWORD>(WS_BORDER | WS_TABSTOP |
                                           (def.multiline ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL))};
    case ControlKind::kLabel:
      return {WC_STATICW, static_cast<DWORD>(SS_NOTIFY | (def.centered    ? SS_CENTER | SS_CENTERIMAGE
                                                          : def.multiline ? SS_LEFT
                                                                          : SS_LEFTNOWORDWRAP))};
    case ControlKind::kLink: return {WC_STATICW, SS_NOTIFY | SS_LEFTNOWORDWRAP};
    case ControlKind::kPicture: return {WC_STATICW, SS_NOTIFY | SS_OWNERDRAW};
    case ControlKind::kProgress: return {PROGRESS_CLASSW, PBS_SMOOTH};
    case ControlKind::kComboBox: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::kListBox: return {WC_LISTBOXW, WS_BORDER | WS_VSCROLL | LBS_NOTIFY};
    case ControlKind::kCalendar: return {MONTHCAL_CLASSW, 0};
    case ControlKind::kFrame: return {WC_BUTTONW, BS_GROUPBOX};
    default: return {nullptr, 0};
  }
}

RECT Bounds(const ControlState& state, const ControlDef& def) {
  return {state.left, state.top, state.left + def.width, state.top + def.height};
}

// The bar is a container window; its seven 80 x 80 tabs are buttons spread
// evenly over it, so automation finds each tab by its caption.
HWND CreateTabBar(NativeWindow& native, const ControlDef& def, int id, HINSTANCE instance) {
  HWND bar = CreatePage(native.hwnd, {def.x, def.y, def.x + def.width, def.y + def.height}, instance, L"");
  SetWindowLongPtrW(bar, GWLP_ID, id);
  std::vector<Text> captions;
  Text rest(def.caption);
  for (std::size_t cut; (cut = rest.find('|')) != Text::npos; rest = rest.substr(cut + 1)) {
    captions.push_back(rest.substr(0, cut));
  }
  captions.push_back(rest);
  const int count = static_cast<int>(captions.size());
  const int gap = (def.width - count * 80) / (count + 1);
  for (int i = 0; i < count; ++i) {
    HWND tab = CreateWindowExW(0, WC_BUTTONW, host::win32::Widen(captions[static_cast<std::size_t>(i)]).c_str(),
                               WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, gap + i * (80 + gap), 4, 80, 80, bar,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(TabFont()), FALSE);
    native.tabs.push_back(tab);
  }
  return bar;
}

void CreateTitleButtons(NativeWindow& native, HINSTANCE instance) {
  const int width = native.model->def().width;
  auto make = [&](const wchar_t* caption, int x, int id) {
    const int height = TitleHeight(native.model->def()) - 4;
    HWND button = CreateWindowExW(0, WC_BUTTONW, caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, 2, 26, height,
                                  native.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(true)), FALSE);
    return button;
  };
  native.minimize = make(L"最小化", width - 60, 10);
  native.close = make(L"关闭", width - 31, 11);
}

// New children go below their siblings, so an earlier control would hide a
// later one over it (the lamp over its caption, the preview over the browser).
// Raising just those keeps the tab order of everything else.
void RaiseOverlappingControls(NativeWindow& native) {
  for (std::size_t i = 0; i < native.controls.size(); ++i) {
    HWND later = native.controls[i];
    if (!later) continue;
    RECT later_rect, earlier_rect, overlap;
    GetWindowRect(later, &later_rect);
    for (std::size_t j = 0; j < i; ++j) {
      HWND earlier = native.controls[j];
      if (!earlier || GetParent(earlier) != GetParent(later)) continue;
      GetWindowRect(earlier, &earlier_rect);
      if (IntersectRect(&overlap, &later_rect, &earlier_rect)) {
        SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
      }
    }
  }
}

}  // namespace

int ControlIndexOf(NativeWindow& native, HWND child) {
  for (std::size_t i = 0; i < native.controls.size(); ++i) {
    if (native.controls[i] == child) return static_cast<int>(i);
  }
  return -1;
}

void CreateControls(NativeWindow& native, HINSTANCE instance) {
  Window& window = *native.model;
  const WindowDef& def = window.def();
  native.controls.assign(def.controls.size(), nullptr);
  if (def.skinned && def.title_bar) CreateTitleButtons(native, instance);

  // The pages of the tab control come first, so their controls have a parent.
  for (int i = 0; i < window.control_count(); ++i) {
    const ControlDef& control = def.controls[static_cast<std::size_t>(i)];
    if (control.kind != ControlKind::kTabControl || !native.pages.empty()) continue;
    RECT rect = Bounds(window.state(i), control);
    Text names(control.caption);
    for (int page = 0; page < 7; ++page) {
      std::size_t cut = names.find('|');
      HWND container = CreatePage(native.hwnd, rect, instance, host::win32::Widen(names.substr(0, cut)));
      names = cut == Text::npos ? Text() : names.substr(cut + 1);
      native.pages.push_back(container);
    }
    ShowWindow(native.pages[static_cast<std::size_t>(window.state(i).current_page)], SW_SHOW);
  }

  for (int i = 0; i < window.control_count(); ++i) {
    const ControlDef& control = def.controls[static_cast<std::size_t>(i)];
    const ControlState& state = window.state(i);
    HWND parent = control.page >= 0 && static_cast<std::size_t>(control.page) < native.pages.size()
                      ? native.pages[static_cast<std::size_t>(control.page)]
                      : native.hwnd;
    RECT rect = Bounds(state, control);
    const int id = kFirstControlId + i;
    HWND hwnd = nullptr;
    if (control.kind == ControlKind::kBrowser) {
      hwnd = CreateBrowser(parent, rect, id, instance);
    } else if (control.kind == ControlKind::kTabBar) {
      hwnd = CreateTabBar(native, control, id, instance);
    } else {
      Native kind = NativeFor(control);
      if (!kind.class_name) continue;  // a component without a window
      hwnd = CreateWindowExW(0, kind.class_name, host::win32::Widen(state.text).c_str(),
                             WS_CHILD | WS_CLIPSIBLINGS | kind.style, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             instance, nullptr);
    }
    if (!hwnd) continue;
    native.controls[static_cast<std::size_t>(i)] = hwnd;
    SendMessageW(hwnd, WM_SETFONT,
                 reinterpret_cast<WPARAM>(ControlFont(control.bold, control.kind == ControlKind::kLink)), FALSE);
    SubclassControl(hwnd);
    for (Property property : {Property::kTicked, Property::kEnabled, Property::kProgress, Property::kBrowserAddress}) {
      ApplyProperty(native, i, property);
    }
    if (control.kind == ControlKind::kProgress) {
      SendMessageW(hwnd, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(RGB(255, 128, 0)));
      SendMessageW(hwnd, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(RGB(24, 70, 28)));
    }
    if (state.visible) ShowWindow(hwnd, SW_SHOWNA);
  }
  RaiseOverlappingControls(native);
}

void ApplyProperty(NativeWindow& native, int index, Property property) {
  Window& window = *native.model;
  const ControlDef& def = window.def().controls[static_cast<std::size_t>(index)];
  const ControlState& state = window.state(index);
  if (property == Property::kTimerPeriod) {
    const UINT_PTR id = static_cast<UINT_PTR>(kFirstControlId + index);
    if (state.timer_period > 0) {
      SetTimer(native.hwnd, id, static_cast<UINT>(state.timer_period), nullptr);
    } else {
      KillTimer(native.hwnd, id);
    }
    return;
  }
  if (def.kind == ControlKind::kTabControl && property == Property::kCurrentPage) {
    for (std::size_t page = 0; page < native.pages.size(); ++page) {
      ShowWindow(native.pages[page], static_cast<int>(page) == state.current_page ? SW_SHOW : SW_HIDE);
    }
    for (std::size_t tab = 0; tab < native.tabs.size(); ++tab) InvalidateRect(native.tabs[tab], nullptr, FALSE);
    native.selected_tab = state.current_page;
    return;
  }
  HWND hwnd = native.controls[static_cast<std::size_t>(index)];
  if (!hwnd) return;
  switch (property) {
    case Property::kText:
      // Marked, so that the edit's change notice is not taken for typing.
      SetPropW(hwnd, L"huiguang.setting", reinterpret_cast<HANDLE>(1));
      SetWindowTextW(hwnd, host::win32::Widen(state.text).c_str());
      RemovePropW(hwnd, L"huiguang.setting");
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case Property::kVisible: ShowWindow(hwnd, state.visible ? SW_SHOWNA : SW_HIDE); break;
    case Property::kEnabled: EnableWindow(hwnd, state.enabled); break;
    case Property::kTicked:
      if (def.kind == ControlKind::kCheckBox || def.kind == ControlKind::kRadio) {
        SendMessageW(hwnd, BM_SETCHECK, state.ticked ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      break;
    case Property::kTextColor:
    case Property::kBackColor:
    case Property::kPicture: InvalidateRect(hwnd, nullptr, TRUE); break;
    case Property::kProgress:
      if (def.kind == ControlKind::kProgress) {
        SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(state.progress), 0);
        UpdateWindow(hwnd);  // handlers sleep between steps: show each value at once
      }
      break;
    case Property::kCurrentItem: SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(state.current_item), 0); break;
    case Property::kPosition:
      SetWindowPos(hwnd, nullptr, state.left, state.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Property::kBrowserAddress:
      if (def.kind == ControlKind::kBrowser && !state.address.empty()) BrowserNavigate(hwnd, state.address);
      break;
    default: break;
  }
}

HBRUSH ControlColors(NativeWindow& native, HWND parent, HWND child, HDC dc) {
  (void)parent;
  int index = ControlIndexOf(native, child);
  if (index < 0) {
    SetBkMode(dc, TRANSPARENT);
    return BackgroundBrushFor(native, child, dc);
  }
  const ControlDef& def = native.model->def().controls[static_cast<std::size_t>(index)];
  const ControlState& state = native.model->state(index);
  if (def.kind == ControlKind::kEdit || def.kind == ControlKind::kListBox || def.kind == ControlKind::kComboBox) {
    SetTextColor(dc, state.enabled ? RGB(0, 0, 0) : RGB(40, 70, 40));
    SetBkColor(dc, state.enabled ? RGB(255, 255, 255) : RGB(236, 246, 234));
    return SolidBrush(state.enabled ? Rgb(255, 255, 255) : Rgb(236, 246, 234));
  }
  COLORREF text = state.text_color != kNoColor ? ToColorRef(state.text_color)
                  : def.kind == ControlKind::kLink ? RGB(0, 70, 160)
                                                   : RGB(0, 0, 0);
  if (!state.enabled) text = RGB(120, 130, 120);
  SetTextColor(dc, text);
  if (state.back_color != kNoColor) {
    SetBkColor(dc, ToColorRef(state.back_color));
    return SolidBrush(state.back_color);
  }
  SetBkMode(dc, TRANSPARENT);
  return BackgroundBrushFor(native, child, dc);
}

}  // namespace ui::win32
