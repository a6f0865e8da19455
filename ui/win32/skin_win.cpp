// The skin: background pictures, the title strip, green buttons, the picture
// tab bar with captions in 宋体 (white, the selected one orange), and colours.
#include "ui/win32/native.h"

#include <map>

#include "host/win32/wide.h"

namespace ui::win32 {
namespace {

constexpr COLORREF kSkinGreen = RGB(81, 174, 81);
constexpr COLORREF kDeepGreen = RGB(22, 62, 26);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

HFONT MakeFont(int height, int weight, bool underline, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
  TRIVERTEX vertices[2] = {
      {rect.left, rect.top, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
       static_cast<COLOR16>(GetBValue(top) << 8), 0xFF00},
      {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
       static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0xFF00}};
  GRADIENT_RECT gradient{0, 1};
  GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

// Where `child` sits in its top-level window's client area.
POINT OffsetInWindow(NativeWindow& native, HWND child) {
  POINT point{0, 0};
  MapWindowPoints(child, native.hwnd, &point, 1);
  return point;
}

Picture BackgroundOf(NativeWindow& native) { return native.model ? native.model->def().background : Picture::kNone; }

void DrawText(HDC dc, const std::wstring& text, RECT rect, COLORREF color, HFONT font, UINT format) {
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  SelectObject(dc, old);
}

std::wstring WindowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void DrawButton(const DRAWITEMSTRUCT& item, bool bold) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  COLORREF top = disabled ? RGB(168, 190, 168) : pressed ? RGB(46, 120, 50) : RGB(104, 196, 104);
  COLORREF bottom = disabled ? RGB(150, 172, 150) : pressed ? RGB(64, 150, 66) : RGB(52, 138, 56);
  FillGradient(dc, rect, top, bottom);
  HPEN pen = CreatePen(PS_SOLID, 1, disabled ? RGB(120, 140, 120) : kDeepGreen);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
  if (pressed) OffsetRect(&rect, 1, 1);
  // A caption wider than the button wraps, centred as a block.
  const std::wstring caption = WindowText(item.hwndItem);
  HGDIOBJ old_font = SelectObject(dc, ControlFont(bold));
  RECT measure{0, 0, rect.right - rect.left - 6, 0};
  DrawTextW(dc, caption.c_str(), -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old_font);
  RECT text = rect;
  InflateRect(&text, -3, 0);
  text.top += (rect.bottom - rect.top - measure.bottom) / 2;
  DrawText(dc, caption, text, disabled ? RGB(225, 232, 225) : kWhite, ControlFont(bold),
           DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void DrawTab(NativeWindow& native, const DRAWITEMSTRUCT& item, int number) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  // The bar's own background first, so the icon's transparency shows it.
  HBRUSH brush = BackgroundBrushFor(native, item.hwndItem, dc);
  FillRect(dc, &rect, brush);
  const bool selected = number == native.selected_tab;
  if (selected || (item.itemState & ODS_SELECTED)) {
    HBRUSH glow = CreateSolidBrush(RGB(60, 140, 62));
    HPEN pen = CreatePen(PS_SOLID, 1, kOrange);
    HGDIOBJ old_brush = SelectObject(dc, glow);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 10, 10);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(glow);
  }
  DrawPicture(dc, static_cast<Picture>(static_cast<int>(Picture::kTab1) + number), rect);
  RECT caption{rect.left, rect.bottom - 22, rect.right, rect.bottom - 2};
  DrawText(dc, WindowText(item.hwndItem), caption, selected ? kOrange : kWhite, TabFont(),
           DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawTitleButton(NativeWindow& native, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool close = item.hwndItem == native.close;
  const bool pressed = item.itemState & ODS_SELECTED;
  HBRUSH brush = CreateSolidBrush(pressed ? (close ? RGB(200, 60, 40) : RGB(40, 110, 44)) : kDeepGreen);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  DrawText(dc, close ? L"×" : L"—", rect, kWhite, ControlFont(true), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

COLORREF ToColorRef(Color color) { return static_cast<COLORREF>(color & 0x00FFFFFF); }

HBRUSH SolidBrush(Color color) {
  static std::map<Color, HBRUSH> brushes;
  auto& brush = brushes[color];
  if (!brush) brush = CreateSolidBrush(ToColorRef(color));
  return brush;
}

HFONT ControlFont(bool bold, bool underline) {
  static HFONT fonts[4] = {};
  HFONT& font = fonts[(bold ? 1 : 0) + (underline ? 2 : 0)];
  if (!font) font = MakeFont(-12, bold ? FW_BOLD : FW_NORMAL, underline, L"宋体");
  return font;
}

HFONT TitleFont() {
  static HFONT font = MakeFont(-15, FW_BOLD, false, L"微软雅黑");
  return font;
}

HFONT TabFont() {
  static HFONT font = MakeFont(-12, FW_BOLD, false, L"宋体");
  return font;
}

HBRUSH BackgroundBrushFor(NativeWindow& native, HWND child, HDC dc) {
  static std::map<Picture, HBRUSH> brushes;
  Picture picture = BackgroundOf(native);
  HBITMAP bitmap = PictureBitmap(picture);
  if (!bitmap) return SolidBrush(picture == Picture::kNone ? Rgb(236, 246, 234) : Rgb(81, 174, 81));
  auto& brush = brushes[picture];
  if (!brush) brush = CreatePatternBrush(bitmap);
  POINT offset = OffsetInWindow(native, child);
  const int top = native.model ? native.model->def().background_top : 0;
  SetBrushOrgEx(dc, -offset.x, top - offset.y, nullptr);
  return brush;
}

void PaintBackground(NativeWindow& native, HWND surface, HDC dc) {
  RECT rect;
  GetClientRect(surface, &rect);
  FillRect(dc, &rect, BackgroundBrushFor(native, surface, dc));
  if (surface != native.hwnd || !native.model) return;
  const WindowDef& def = native.model->def();
  if (!def.skinned) return;
  if (def.title_bar) {
    // The title strip: the program's icon and the caption in white.
    const int height = TitleHeight(def);
    if (def.background_top > 0 || def.background == Picture::kNone) {
      RECT strip{0, 0, rect.right, height};
      FillGradient(dc, strip, RGB(40, 100, 44), kDeepGreen);
    }
    DrawIconEx(dc, 8, (height - 16) / 2, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), 16, 16, 0,
               nullptr, DI_NORMAL);
    RECT title{30, 0, rect.right - 70, height};
    DrawText(dc, host::win32::Widen(def.caption), title, kWhite, TitleFont(), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  } else {
    // A popup without a title: a dark strip along its top, and a frame.
    RECT strip{0, 0, rect.right, 24};
    FillGradient(dc, strip, RGB(40, 100, 44), kDeepGreen);
  }
  HPEN pen = CreatePen(PS_SOLID, 1, kDeepGreen);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 0, 0, rect.right, rect.bottom);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
}

void DrawOwnerItem(NativeWindow& native, const DRAWITEMSTRUCT& item) {
  if (item.hwndItem == native.minimize || item.hwndItem == native.close) {
    DrawTitleButton(native, item);
    return;
  }
  for (std::size_t tab = 0; tab < native.tabs.size(); ++tab) {
    if (native.tabs[tab] == item.hwndItem) {
      DrawTab(native, item, static_cast<int>(tab));
      return;
    }
  }
  int index = ControlIndexOf(native, item.hwndItem);
  if (index < 0 || !native.model) return;
  const ControlDef& def = native.model->def().controls[static_cast<std::size_t>(index)];
  const ControlState& state = native.model->state(index);
  if (def.kind == ControlKind::kButton) {
    DrawButton(item, def.bold);
  } else if (def.kind == ControlKind::kPicture) {
    FillRect(item.hDC, &item.rcItem, BackgroundBrushFor(native, item.hwndItem, item.hDC));
    DrawPicture(item.hDC, state.picture, item.rcItem);
  }
}

}  // namespace ui::win32
