#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <iterator>

#include <vector>

#include "host/platform.h"
#include "host/shell.h"
#include "host/win32/wide.h"

namespace host {
namespace {

// COM on the calling thread, apartment-threaded as the shell objects want it.
void EnsureCom() {
  thread_local bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  (void)initialised;
}

template <typename T>
struct ComPtr {
  T* p = nullptr;
  ~ComPtr() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
  void** out() { return reinterpret_cast<void**>(&p); }
};

// Calls WScript.Shell's Run(command, 1, false) through its automation interface.
bool RunThroughScriptHost(const std::wstring& command) {
  EnsureCom();
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(L"WScript.Shell", &clsid))) return false;
  ComPtr<IDispatch> shell;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              shell.out()))) {
    return false;
  }
  OLECHAR name[] = L"Run";
  LPOLESTR names[] = {name};
  DISPID run = 0;
  if (FAILED(shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &run))) return false;
  // Arguments go in reverse order: wait on exit, window style, command.
  VARIANTARG args[3];
  for (auto& arg : args) VariantInit(&arg);
  args[0].vt = VT_BOOL;
  args[0].boolVal = VARIANT_FALSE;
  args[1].vt = VT_I4;
  args[1].lVal = SW_SHOWNORMAL;
  args[2].vt = VT_BSTR;
  args[2].bstrVal = SysAllocString(command.c_str());
  DISPPARAMS params{args, nullptr, 3, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = shell->Invoke(run, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
  VariantClear(&args[2]);
  VariantClear(&result);
  return SUCCEEDED(hr);
}

bool StartProcess(std::wstring command_line, bool wait) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  std::vector<wchar_t> line(command_line.begin(), command_line.end());
  line.push_back(L'\0');
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  if (wait) {
    WaitForSingleObject(process.hProcess, INFINITE);
  } else {
    WaitForInputIdle(process.hProcess, 1000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

void OpenLink(const Text& address) {
  std::wstring command = L"rundll32.exe url.dll,FileProtocolHandler " + win32::Widen(address);
  // Where the script host is switched off by policy, start the same command directly.
  if (!RunThroughScriptHost(command)) StartProcess(command, false);
}

bool OpenInBrowser(const Text& address) {
  std::wstring parameters = win32::Widen(address);
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", L"iexplore.exe", parameters.c_str(), nullptr, SW_SHOWNORMAL));
  return result != ERROR_FILE_NOT_FOUND;
}

bool RunCommand(const Text& command_line, bool wait) { return StartProcess(win32::Widen(command_line), wait); }

void OpenHyperlink(const Text& target) {
  std::wstring wide = win32::Widen(IsMailAddress(target) ? "mailto:" + target : target);
  auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return;
  // The program registered for web pages, with the target in place of %1.
  wchar_t command[2048];
  DWORD size = static_cast<DWORD>(std::size(command));
  if (FAILED(AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_COMMAND, L".htm", L"open", command, &size))) return;
  std::wstring line = command;
  std::size_t at = line.find(L"%1");
  if (at != std::wstring::npos) {
    line.replace(at, 2, wide);
  } else {
    line += L" \"" + wide + L"\"";
  }
  StartProcess(line, false);
}

namespace platform {

std::optional<Shortcut> ReadShortcut(const Text& path) {
  EnsureCom();
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out()))) {
    return std::nullopt;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) return std::nullopt;
  std::wstring wide = win32::WinPath(path);
  if (FAILED(file->Load(wide.c_str(), STGM_READ))) return std::nullopt;
  std::vector<wchar_t> buffer(32768);
  Shortcut shortcut;
  if (link->GetPath(buffer.data(), static_cast<int>(buffer.size()), nullptr, SLGP_UNCPRIORITY) == S_OK) {
    shortcut.target = win32::Narrow(buffer.data());
  }
  buffer[0] = L'\0';
  if (SUCCEEDED(link->GetArguments(buffer.data(), static_cast<int>(buffer.size())))) {
    shortcut.arguments = win32::Narrow(buffer.data());
  }
  return shortcut;
}

}  // namespace platform
}  // namespace host
