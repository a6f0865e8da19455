// The Windows entry point: it only sets up the renderer and calls StartProgram.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/app.h"
#include "ui/win32/renderer_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  OleInitialize(nullptr);  // drag and drop, the shell's objects, the browser control
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);

  ui::Win32Renderer renderer(instance);
  ui::Ui ui(renderer);
  renderer.Attach(ui);
  app::SystemEnvironment environment;
  app::App application{ui, environment};
  app::DefineWindows(application);
  app::StartProgram(application);
  OleUninitialize();
  return 0;
}
