// Driving another program's windows as a user would, through the window
// manager only: finding windows and controls, reading their texts, clicking,
// answering message boxes, starting and ending processes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Polls `done` every 100 ms until it is true or `limit` has passed.
bool WaitUntil(const std::function<bool()>& done, Duration limit);

// Text conversions at the program's boundary: its texts are GBK bytes.
std::wstring FromGbk(std::string_view bytes);
std::string ToGbk(std::wstring_view text);
std::string ToUtf8(std::wstring_view text);  // for test messages

// An environment variable, or an empty text.
std::wstring Environment(const wchar_t* name);

// A process this driver started. Ended (terminated) on destruction if it still runs.
class Process {
 public:
  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  // Starts `program` with `arguments` in `folder`; an empty process on failure.
  static Process Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder);
  // Takes the process that owns `window`.
  static Process OfWindow(HWND window);

  bool started() const { return handle_ != nullptr; }
  DWORD id() const { return id_; }
  bool Running() const;
  bool WaitForExit(Duration limit) const;
  std::optional<DWORD> ExitCode() const;
  void Terminate();

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Top-level windows of a process (0: of every process), visible ones only.
std::vector<HWND> TopLevelWindows(DWORD process_id);
// The visible top-level window of `process_id` (0: any process) whose class
// (if given) and title match, or null.
HWND FindTopLevel(DWORD process_id, std::wstring_view title, std::wstring_view window_class = {});
HWND WaitForTopLevel(DWORD process_id, std::wstring_view title, Duration limit, std::wstring_view window_class = {});

// Every descendant of `parent`, depth first.
std::vector<HWND> Descendants(HWND parent);
// The first descendant with control id `id`.
HWND FindControl(HWND parent, int id);
// The first descendant of class `window_class` whose text is `text`.
HWND FindControlByText(HWND parent, std::wstring_view window_class, std::wstring_view text);

std::wstring ClassName(HWND window);
// The window's text through WM_GETTEXT, which also reaches edit boxes of other processes.
std::wstring Text(HWND window);
bool SetText(HWND window, const std::wstring& text);

// Clicks a button as BM_CLICK does, without waiting for what the click starts
// (a modal box would block a sent message).
void Click(HWND button);

// A standard message box ("#32770") or dialog of another process.
struct Box {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;           // of the static text control (id 0xFFFF)
  std::vector<int> buttons;    // ids of its buttons, in window order
  int default_button = 0;      // the button drawn as the default one, or 0
};
// The first visible message box or dialog of `process_id` (any caption when empty).
std::optional<Box> FindBox(DWORD process_id, std::wstring_view caption = {});
std::optional<Box> WaitForBox(DWORD process_id, std::wstring_view caption, Duration limit);
// Presses the button `id` of a dialog and waits until the dialog is gone.
bool Answer(HWND dialog, int id, Duration limit = 10s);

// Processes whose program file lies below `folder` (a Windows path), for
// ending what a failed case left behind.
std::vector<DWORD> ProcessesBelow(const std::wstring& folder);
void TerminateProcessId(DWORD process_id);

// Whole-file helpers.
std::optional<std::string> ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, std::string_view bytes);
bool FileExists(const std::wstring& path);

}  // namespace e2e
