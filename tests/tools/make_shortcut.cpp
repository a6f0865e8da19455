// make_shortcut <link.lnk> <target> [arguments]: writes a shell link through the
// shell's own link object, as Explorer does. Used to make the .lnk test files.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_shortcut <link.lnk> <target> [arguments]\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link));
  if (SUCCEEDED(hr)) hr = link->SetPath(argv[2]);
  if (SUCCEEDED(hr) && argc > 3) hr = link->SetArguments(argv[3]);
  if (SUCCEEDED(hr)) hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) hr = file->Save(argv[1], TRUE);
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  if (FAILED(hr)) {
    std::fprintf(stderr, "make_shortcut: failed (0x%08lx)\n", static_cast<unsigned long>(hr));
    return 1;
  }
  return 0;
}
