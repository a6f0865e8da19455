// A renderer without a screen, for tests: it records what the program shows
// (message boxes, progress values, navigations, opened windows), answers
// dialogs from a script, and lets tests click, type, drop and fire timers.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/renderer.h"
#include "ui/ui.h"

namespace ui {

// Thrown by ExitProcess so that a test survives the program's end.
struct ProgramExit {};

class HeadlessRenderer final : public Renderer {
 public:
  struct Message {
    std::string owner;  // "" for an ownerless box
    Text caption;
    Text text;
    unsigned style;
    int answer;
  };
  struct ProgressWrite {
    std::string window, control;
    int value;
  };

  // What the program saw, in order.
  std::vector<Message> messages;
  std::vector<ProgressWrite> progress;
  std::vector<std::string> navigations;  // "window.control address"
  std::vector<std::string> created;
  std::vector<std::string> modal;
  bool exited = false;

  // Scripted answers; when one runs out, the default button answers.
  std::deque<int> message_answers;
  std::deque<std::optional<Text>> text_answers;
  std::deque<std::optional<Text>> file_answers;  // a chosen path, or cancel
  std::map<std::string, Text> browser_titles;    // "window.control" -> title

  void Attach(Ui& ui) { ui_ = &ui; }

  // User actions; each returns false when the control cannot take it
  // (disabled or hidden, or no drop target).
  bool Click(Window& window, std::string_view control);
  bool Type(Window& window, std::string_view control, TextView text);
  bool Drop(Window& window, const std::vector<Text>& names);
  void MoveMouse(Window& window, std::string_view control = {});
  void FireTimer(Window& window, std::string_view control);
  bool CloseByUser(Window& window);
  // Runs an action that may end the program.
  template <typename Action>
  void Run(Action action) {
    try {
      action();
    } catch (const ProgramExit&) {
    }
  }
  // The progress values written to one control, in order.
  std::vector<int> ProgressOf(std::string_view window, std::string_view control) const;

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
  void HandlersReturned() override;
  void RunMessageLoop() override {}
  [[noreturn]] void ExitProcess() override;

  // What the last AskText and ChooseFile were shown.
  Text last_prompt, last_ask_caption, last_ask_initial;
  FileDialogFields last_dialog;

 private:
  void DestroyNow(Window& window);

  Ui* ui_ = nullptr;
  std::map<Window*, Window*> owners_;
  std::vector<Window*> drop_targets_;
  std::vector<Window*> pending_destroy_;
  bool settling_ = false;
  int next_handle_ = 1;
};

}  // namespace ui
