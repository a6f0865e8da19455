// The program's windows: which exist, which are open, what their events do,
// and the dialogs every handler may show.
#pragma once

#include <functional>
#include <map>
#include <tuple>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/renderer.h"
#include "ui/window.h"

namespace ui {

enum class Event : std::uint8_t {
  kCreated,        // window: its creation handler
  kDestroying,     // window: about to be destroyed
  kClick,
  kMouseMove,      // over the control, or over the bare window surface
  kLeftButtonDown,
  kLeftButtonUp,
  kRightButtonUp,
  kTimer,
  kTextChanged,
  kItemSelected,
  kFilesDropped,   // drop target: the dropped names
};

struct EventArgs {
  Window& window;
  int control;       // -1 for the window itself
  Event event;
  Text text;         // kFilesDropped: the names, joined as the shell lists them
};

using Handler = std::function<void(const EventArgs&)>;

// Message-box styles the program uses, and their results.
namespace style {
inline constexpr unsigned kOk = 0;
inline constexpr unsigned kYesNoQuestion = 36;
inline constexpr unsigned kWarning = 48;
inline constexpr unsigned kInformation = 64;
inline constexpr unsigned kYesNoQuestionDefaultNo = 292;
inline constexpr unsigned kOkCancelForeground = 65537;
inline constexpr unsigned kTaskModal = 0x2000;
inline constexpr unsigned kSystemModal = 0x1000;
}  // namespace style
namespace result {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kYes = 5;
inline constexpr int kNo = 6;
}  // namespace result

class Ui {
 public:
  explicit Ui(Renderer& renderer) : renderer_(renderer) {}

  Renderer& renderer() { return renderer_; }

  // Makes a window definition known; its handlers are bound with Bind.
  void Define(const WindowDef& def);
  // Binds a handler; `control` "" is the window itself.
  void Bind(std::string_view window, std::string_view control, Event event, Handler handler);

  // The open window of that name, or nullptr.
  Window* Find(std::string_view name);
  // Opens a window, or brings an open one to the front. Modal: returns once it
  // has been closed. False if the window could not be created.
  bool LoadWindow(std::string_view name, bool modal, Window* owner = nullptr);
  void CloseWindow(Window& window);
  // Destroys every window (their destroy handlers run) and ends the process.
  [[noreturn]] void ExitProgram();

  int ShowMessage(Window* owner, TextView text, TextView caption, unsigned style);
  int ShowTaskMessage(TextView text, unsigned style, TextView caption = {});
  // True and `text` replaced by what was typed when confirmed; false leaves it.
  bool AskText(TextView prompt, TextView caption, TextView initial, Text& text);
  bool ChooseFile(Window* owner, FileDialogFields& fields);
  bool RegisterDropTarget(Window& window);

  // Called by renderers when something happened.
  void Dispatch(Window& window, int control, Event event, TextView text = {});
  // Called by renderers once a native window is gone.
  void Forget(Window& window);

  std::vector<Window*> OpenWindows();

  // Opens the target of a hyperlink control when it is clicked.
  std::function<void(TextView target)> link_opener;

 private:
  const WindowDef* Definition(std::string_view name) const;

  Renderer& renderer_;
  std::vector<const WindowDef*> defs_;
  std::map<std::tuple<std::string, std::string, Event>, Handler> handlers_;
  std::vector<std::unique_ptr<Window>> open_;
  int dispatch_depth_ = 0;
};

}  // namespace ui
