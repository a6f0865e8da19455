#include "host/win32/wide.h"

#include <windows.h>

#include <vector>

namespace host::win32 {

constexpr UINT kCodePage = 936;

std::wstring Widen(TextView text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

Text Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  int size = WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                 nullptr);
  Text text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

std::wstring WinPath(const Text& path) {
  std::wstring wide = Widen(path);
  // Below this length every file function takes the plain form, whose
  // normalisation (doubled separators, trailing blanks) callers rely on.
  constexpr std::size_t kPlainLimit = 240;
  if (wide.size() < kPlainLimit || wide.starts_with(L"\\\\?\\")) return wide;
  DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::vector<wchar_t> full(size);
  DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return wide;
  std::wstring result(full.data(), length);
  if (result.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + result.substr(2);
  return L"\\\\?\\" + result;
}

}  // namespace host::win32
