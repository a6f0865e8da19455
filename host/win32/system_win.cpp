#include <windows.h>
#include <tlhelp32.h>

#include "host/platform.h"
#include "host/system.h"
#include "host/win32/wide.h"

namespace host {
namespace platform {

Text TextFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return win32::Narrow(wide);
}

bool ForEachProcess(const std::function<bool(std::uint32_t, const Text&)>& visit) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (!visit(entry.th32ProcessID, win32::Narrow(entry.szExeFile))) break;
  }
  CloseHandle(snapshot);
  return true;
}

DateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
}

std::int64_t LocalToUnix(const DateTime& local) {
  SYSTEMTIME wall{};
  wall.wYear = static_cast<WORD>(local.year);
  wall.wMonth = static_cast<WORD>(local.month);
  wall.wDay = static_cast<WORD>(local.day);
  wall.wHour = static_cast<WORD>(local.hour);
  wall.wMinute = static_cast<WORD>(local.minute);
  wall.wSecond = static_cast<WORD>(local.second);
  SYSTEMTIME utc{};
  FILETIME time{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &wall, &utc) || !SystemTimeToFileTime(&utc, &time)) return -1;
  ULARGE_INTEGER ticks{};
  ticks.LowPart = time.dwLowDateTime;
  ticks.HighPart = time.dwHighDateTime;
  return static_cast<std::int64_t>((ticks.QuadPart - 116444736000000000ULL) / 10000000ULL);
}

}  // namespace platform

ScreenSize PrimaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

DateTime CurrentDateTime() { return platform::LocalNow(); }

Text ProgramFolder() {
  std::wstring path(32768, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  std::size_t cut = path.find_last_of(L'\\');
  return win32::Narrow(cut == std::wstring::npos ? std::wstring() : path.substr(0, cut));
}

bool SetCurrentFolder(const Text& folder) { return SetCurrentDirectoryW(win32::WinPath(folder).c_str()); }

void SleepMs(int milliseconds) { Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }

}  // namespace host
