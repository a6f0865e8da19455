// The renderer that turns window definitions into native Win32 windows.
#pragma once

#include "ui/renderer.h"
#include "ui/ui.h"

namespace ui {

class Win32Renderer final : public Renderer {
 public:
  // `instance` is the program's module handle, as WinMain receives it.
  explicit Win32Renderer(void* instance);
  void Attach(Ui& ui);

  void Create(Window& window, Window* owner) override;
  void Show(Window& window) override;
  void RunModal(Window& window) override;
  void BringToFront(Window& window) override;
  void Destroy(Window& window) override;
  void Update(Window& window, int control, Property property) override;
  int ShowMessage(Window* owner, TextView text, TextView caption, unsigned style) override;
  std::optional<Text> AskText(Window* owner, TextView prompt, TextView caption, TextView initial) override;
  bool ChooseFile(Window* owner, FileDialogFields& fields) override;
  bool RegisterDropTarget(Window& window) override;
  Text BrowserTitle(Window& window, int control) override;
  void RunMessageLoop() override;
  [[noreturn]] void ExitProcess() override;

 private:
  void* instance_;
};

}  // namespace ui
