#include "e2e/desktop.h"

#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <utility>

namespace e2e {

bool WaitUntil(const std::function<bool()>& done, Duration limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(100ms);
  }
}

namespace {

std::wstring Widen(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  int size = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
  return text;
}

std::string Narrow(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                 nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

constexpr DWORD kGetTextTimeoutMs = 5000;

}  // namespace

std::wstring FromGbk(std::string_view bytes) { return Widen(936, bytes); }
std::string ToGbk(std::wstring_view text) { return Narrow(936, text); }
std::string ToUtf8(std::wstring_view text) { return Narrow(CP_UTF8, text); }

std::wstring Environment(const wchar_t* name) {
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

// --- Processes

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Terminate();
    handle_ = std::exchange(other.handle_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

Process::~Process() { Terminate(); }

Process Process::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder) {
  std::wstring command_line = L"\"" + program + L"\"";
  if (!arguments.empty()) command_line += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  Process process;
  if (CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                     &startup, &info)) {
    CloseHandle(info.hThread);
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
  }
  return process;
}

Process Process::OfWindow(HWND window) {
  Process process;
  DWORD id = 0;
  if (window && GetWindowThreadProcessId(window, &id)) {
    process.handle_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process.handle_) process.id_ = id;
  }
  return process;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(Duration limit) const {
  return handle_ && WaitForSingleObject(handle_, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (!handle_ || Running() || !GetExitCodeProcess(handle_, &code)) return std::nullopt;
  return code;
}

void Process::Terminate() {
  if (!handle_) return;
  if (Running()) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
  }
  CloseHandle(handle_);
  handle_ = nullptr;
  id_ = 0;
}

// --- Windows

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

std::wstring Text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kGetTextTimeoutMs, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kGetTextTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

bool SetText(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             kGetTextTimeoutMs, &result) != 0 &&
         result != 0;
}

std::vector<HWND> TopLevelWindows(DWORD process_id) {
  struct Search {
    DWORD process_id;
    std::vector<HWND> found;
  } search{process_id, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((s.process_id == 0 || owner == s.process_id) && IsWindowVisible(window)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(DWORD process_id, std::wstring_view title, std::wstring_view window_class) {
  for (HWND window : TopLevelWindows(process_id)) {
    if (!window_class.empty() && ClassName(window) != window_class) continue;
    if (Text(window) == title) return window;
  }
  return nullptr;
}

HWND WaitForTopLevel(DWORD process_id, std::wstring_view title, Duration limit, std::wstring_view window_class) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopLevel(process_id, title, window_class)) != nullptr; }, limit);
  return found;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindControl(HWND parent, int id) {
  for (HWND window : Descendants(parent)) {
    if (GetDlgCtrlID(window) == id) return window;
  }
  return nullptr;
}

HWND FindControlByText(HWND parent, std::wstring_view window_class, std::wstring_view text) {
  for (HWND window : Descendants(parent)) {
    if (lstrcmpiW(ClassName(window).c_str(), std::wstring(window_class).c_str()) == 0 && Text(window) == text) {
      return window;
    }
  }
  return nullptr;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

std::optional<Box> FindBox(DWORD process_id, std::wstring_view caption) {
  for (HWND window : TopLevelWindows(process_id)) {
    if (ClassName(window) != L"#32770") continue;
    Box box{window, Text(window), {}, {}, 0};
    if (!caption.empty() && box.caption != caption) continue;
    for (HWND child : Descendants(window)) {
      int id = GetDlgCtrlID(child);
      if (id == 0xFFFF && lstrcmpiW(ClassName(child).c_str(), L"Static") == 0) box.text = Text(child);
      if (lstrcmpiW(ClassName(child).c_str(), L"Button") != 0 || !IsWindowVisible(child)) continue;
      box.buttons.push_back(id);
      // Wine's message box marks its default button by style only, without DM_SETDEFID.
      if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) box.default_button = id;
    }
    return box;
  }
  return std::nullopt;
}

std::optional<Box> WaitForBox(DWORD process_id, std::wstring_view caption, Duration limit) {
  std::optional<Box> box;
  WaitUntil([&] { return (box = FindBox(process_id, caption)).has_value(); }, limit);
  return box;
}

bool Answer(HWND dialog, int id, Duration limit) {
  HWND button = GetDlgItem(dialog, id);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, limit);
}

// --- Processes by folder

std::vector<DWORD> ProcessesBelow(const std::wstring& folder) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  std::wstring prefix = folder;
  if (!prefix.empty() && prefix.back() != L'\\') prefix += L'\\';
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    wchar_t path[MAX_PATH * 2];
    DWORD size = static_cast<DWORD>(std::size(path));
    if (QueryFullProcessImageNameW(process, 0, path, &size) &&
        CompareStringOrdinal(path, static_cast<int>(std::min<std::size_t>(size, prefix.size())), prefix.c_str(),
                             static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL) {
      found.push_back(entry.th32ProcessID);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

void TerminateProcessId(DWORD process_id) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id);
  if (!process) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

// --- Files

std::optional<std::string> ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteBytes(const std::wstring& path, std::string_view bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace e2e
