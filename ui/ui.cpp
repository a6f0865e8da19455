#include "ui/ui.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

void Ui::Define(const WindowDef& def) { defs_.push_back(&def); }

const WindowDef* Ui::Definition(std::string_view name) const {
  for (const WindowDef* def : defs_) {
    if (def->name == name) return def;
  }
  return nullptr;
}

void Ui::Bind(std::string_view window, std::string_view control, Event event, Handler handler) {
  handlers_[{std::string(window), std::string(control), event}] = std::move(handler);
}

Window* Ui::Find(std::string_view name) {
  for (auto& window : open_) {
    if (window->name() == name && !window->closing) return window.get();
  }
  return nullptr;
}

std::vector<Window*> Ui::OpenWindows() {
  std::vector<Window*> windows;
  for (auto& window : open_) windows.push_back(window.get());
  return windows;
}

bool Ui::LoadWindow(std::string_view name, bool modal, Window* owner) {
  if (Window* open = Find(name)) {
    renderer_.BringToFront(*open);
    return true;
  }
  const WindowDef* def = Definition(name);
  if (!def) return false;
  open_.push_back(std::make_unique<Window>(*this, *def));
  Window& window = *open_.back();
  renderer_.Create(window, owner);
  if (!window.native) {
    open_.pop_back();
    return false;
  }
  Dispatch(window, -1, Event::kCreated);
  if (window.closing) return true;  // closed by its own creation handler
  renderer_.Show(window);
  if (modal) renderer_.RunModal(window);
  return true;
}

void Ui::CloseWindow(Window& window) {
  if (window.closing) return;
  window.closing = true;
  renderer_.Destroy(window);
}

void Ui::ExitProgram() {
  renderer_.ExitProcess();
  std::abort();  // ExitProcess does not return; this tells the compiler so
}

void Ui::Forget(Window& window) {
  std::erase_if(open_, [&](const auto& open) { return open.get() == &window; });
}

int Ui::ShowMessage(Window* owner, TextView text, TextView caption, unsigned style) {
  return renderer_.ShowMessage(owner, text, caption, style);
}

int Ui::ShowTaskMessage(TextView text, unsigned style, TextView caption) {
  if (!(style & style::kSystemModal)) style |= style::kTaskModal;
  return renderer_.ShowMessage(nullptr, text, caption.empty() ? TextView("信息：") : caption, style);
}

bool Ui::AskText(TextView prompt, TextView caption, TextView initial, Text& text) {
  auto typed = renderer_.AskText(nullptr, prompt, caption.empty() ? TextView("请输入：") : caption, initial);
  if (!typed) return false;
  text = *typed;
  return true;
}

bool Ui::ChooseFile(Window* owner, FileDialogFields& fields) {
  // The filter is a list of pairs; the dialog wants it closed by "||".
  if (!fields.filter.ends_with("||")) fields.filter += "||";
  return renderer_.ChooseFile(owner, fields);
}

bool Ui::RegisterDropTarget(Window& window) { return renderer_.RegisterDropTarget(window); }

void Ui::Dispatch(Window& window, int control, Event event, TextView text) {
  std::string control_name = control < 0 ? std::string() : std::string(window.at(control).def().name);
  if (event == Event::kClick && control >= 0 && link_opener) {
    const ControlDef& def = window.at(control).def();
    if (def.kind == ControlKind::kLink && !def.target.empty()) link_opener(def.target);
  }
  auto found = handlers_.find({std::string(window.name()), control_name, event});
  if (found == handlers_.end()) return;
  struct Depth {
    Ui& ui;
    explicit Depth(Ui& u) : ui(u) { ++ui.dispatch_depth_; }
    ~Depth() {
      if (--ui.dispatch_depth_ == 0) ui.renderer_.HandlersReturned();
    }
  } depth(*this);
  Handler handler = found->second;  // the table may change while it runs
  handler(EventArgs{window, control, event, Text(text)});
}

}  // namespace ui
