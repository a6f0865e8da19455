// Browser controls: the system's web-browser control, hosted through the
// container window class that every Windows ships in atl.dll, where a browser
// engine is present; otherwise a plain panel that names the page.
#include "ui/win32/native.h"

#include <exdisp.h>
#include <oleauto.h>

#include "host/win32/wide.h"

namespace ui::win32 {
namespace {

constexpr wchar_t kPlaceholderClass[] = L"HuiguangBrowserPlaceholder";
constexpr wchar_t kAddressProperty[] = L"huiguang.address";

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// GetProcAddress's result, as the function it is (through the generic function type).
template <typename Function>
Function Export(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

HMODULE Atl() {
  // Without the page engine the control would stay blank (or, under Wine,
  // offer to download one): then the placeholder is the honest choice.
  static HMODULE atl = [] {
    if (!LoadLibraryW(L"mshtml.dll")) return HMODULE{};
    HMODULE module = LoadLibraryW(L"atl.dll");
    auto init = Export<AtlAxWinInitFn>(module, "AtlAxWinInit");
    return init && init() ? module : HMODULE{};
  }();
  return atl;
}

IWebBrowser2* BrowserOf(HWND host) {
  HMODULE atl = Atl();
  auto get = Export<AtlAxGetControlFn>(atl, "AtlAxGetControl");
  IUnknown* unknown = nullptr;
  if (!get || FAILED(get(host, &unknown)) || !unknown) return nullptr;
  IWebBrowser2* browser = nullptr;
  unknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
  unknown->Release();
  return browser;
}

LRESULT CALLBACK PlaceholderProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT rect;
    GetClientRect(hwnd, &rect);
    HBRUSH fill = CreateSolidBrush(RGB(236, 246, 234));
    FillRect(dc, &rect, fill);
    DeleteObject(fill);
    HBRUSH frame = CreateSolidBrush(RGB(52, 138, 56));
    FrameRect(dc, &rect, frame);
    DeleteObject(frame);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, ControlFont(true));
    SetTextColor(dc, RGB(40, 100, 44));
    RECT line = rect;
    line.bottom = rect.bottom / 2;
    DrawTextW(dc, L"在线内容", -1, &line, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    SelectObject(dc, ControlFont());
    SetTextColor(dc, RGB(90, 110, 90));
    auto* address = static_cast<const wchar_t*>(GetPropW(hwnd, kAddressProperty));
    RECT below{rect.left + 8, rect.bottom / 2 + 6, rect.right - 8, rect.bottom - 6};
    DrawTextW(dc, address ? address : L"", -1, &below, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    SelectObject(dc, old);
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    if (auto* address = static_cast<wchar_t*>(RemovePropW(hwnd, kAddressProperty))) delete[] address;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

HWND CreateBrowser(HWND parent, const RECT& rect, int id, HINSTANCE instance) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  if (Atl()) {
    HWND host = CreateWindowExW(0, L"AtlAxWin", L"Shell.Explorer.2", WS_CHILD | WS_CLIPSIBLINGS, rect.left,
                                rect.top, width, height, parent, menu, instance, nullptr);
    if (host) return host;
  }
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = PlaceholderProc;
    window.hInstance = instance;
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.lpszClassName = kPlaceholderClass;
    registered = RegisterClassExW(&window) != 0;
  }
  return CreateWindowExW(0, kPlaceholderClass, L"", WS_CHILD | WS_CLIPSIBLINGS, rect.left, rect.top, width, height,
                         parent, menu, instance, nullptr);
}

void BrowserNavigate(HWND host, TextView address) {
  std::wstring wide = host::win32::Widen(address);
  if (IWebBrowser2* browser = BrowserOf(host)) {
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(wide.c_str());
    browser->Navigate2(&url, nullptr, nullptr, nullptr, nullptr);
    VariantClear(&url);
    browser->Release();
    return;
  }
  auto* copy = new wchar_t[wide.size() + 1];
  std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, copy);
  if (auto* old = static_cast<wchar_t*>(RemovePropW(host, kAddressProperty))) delete[] old;
  SetPropW(host, kAddressProperty, copy);
  InvalidateRect(host, nullptr, TRUE);
}

Text BrowserTitle(HWND host) {
  if (IWebBrowser2* browser = BrowserOf(host)) {
    BSTR name = nullptr;
    Text title;
    if (SUCCEEDED(browser->get_LocationName(&name)) && name) title = host::win32::Narrow(name);
    SysFreeString(name);
    browser->Release();
    return title;
  }
  // No page is shown, so the title is its address, as for a page without a title.
  auto* address = static_cast<const wchar_t*>(GetPropW(host, kAddressProperty));
  return address ? host::win32::Narrow(address) : Text();
}

}  // namespace ui::win32
