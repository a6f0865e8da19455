// What a renderer does for the runtime model: the Win32 renderer with native
// windows, the headless one for tests. Only renderers know how windows look.
#pragma once

#include <optional>

#include "ui/window.h"

namespace ui {

class Renderer {
 public:
  virtual ~Renderer() = default;

  // Creates the native window and its controls, hidden.
  virtual void Create(Window& window, Window* owner) = 0;
  virtual void Show(Window& window) = 0;
  // Disables the program's other windows and runs the message loop until
  // `window` has been destroyed.
  virtual void RunModal(Window& window) = 0;
  // Restores a minimised window, else activates it.
  virtual void BringToFront(Window& window) = 0;
  // Destroys the window once the current handler has returned.
  virtual void Destroy(Window& window) = 0;
  // Reflects a property the model has just changed.
  virtual void Update(Window& window, int control, Property property) = 0;

  // A modal message box; the result is the pressed button's number minus one.
  virtual int ShowMessage(Window* owner, TextView text, TextView caption, unsigned style) = 0;
  // The typed text when confirmed; nothing when cancelled.
  virtual std::optional<Text> AskText(Window* owner, TextView prompt, TextView caption, TextView initial) = 0;
  // Shows the open or save dialog; true and the chosen path in `fields.file_name` when confirmed.
  virtual bool ChooseFile(Window* owner, FileDialogFields& fields) = 0;
  // Makes the window accept files dropped from the shell; false if it already does.
  virtual bool RegisterDropTarget(Window& window) = 0;
  virtual Text BrowserTitle(Window& window, int control) = 0;

  // Called whenever the outermost event handler has returned.
  virtual void HandlersReturned() {}

  // Runs the message loop until the last window is gone.
  virtual void RunMessageLoop() = 0;
  // Ends the process with exit code 0, once every window is destroyed.
  [[noreturn]] virtual void ExitProcess() = 0;
};

}  // namespace ui
