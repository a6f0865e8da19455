#include "ui/headless/headless_renderer.h"

#include <algorithm>

namespace ui {
namespace {

// The result of pressing Enter: the default button of the style.
int DefaultAnswer(unsigned style) {
  const bool second_default = style & 0x100;
  switch (style & 0x0F) {
    case 1: return second_default ? 1 : 0;  // OK, Cancel
    case 4: return second_default ? 6 : 5;  // Yes, No
    default: return 0;
  }
}

}  // namespace

void HeadlessRenderer::Create(Window& window, Window* owner) {
  window.native = reinterpret_cast<void*>(static_cast<std::intptr_t>(next_handle_++));
  owners_[&window] = owner;
  created.emplace_back(window.name());
}

void HeadlessRenderer::Show(Window&) {}

void HeadlessRenderer::RunModal(Window& window) { modal.emplace_back(window.name()); }

void HeadlessRenderer::BringToFront(Window&) {}

void HeadlessRenderer::Destroy(Window& window) {
  if (std::find(pending_destroy_.begin(), pending_destroy_.end(), &window) == pending_destroy_.end()) {
    pending_destroy_.push_back(&window);
  }
}

void HeadlessRenderer::DestroyNow(Window& window) {
  // Owned windows go first, as Windows destroys them with their owner.
  std::vector<Window*> owned;
  for (auto& [candidate, owner] : owners_) {
    if (owner == &window) owned.push_back(candidate);
  }
  for (Window* child : owned) DestroyNow(*child);
  window.closing = true;
  drop_targets_.erase(std::remove(drop_targets_.begin(), drop_targets_.end(), &window), drop_targets_.end());
  ui_->Dispatch(window, -1, Event::kDestroying);
  owners_.erase(&window);
  std::erase(pending_destroy_, &window);
  ui_->Forget(window);
}

void HeadlessRenderer::HandlersReturned() {
  if (settling_) return;
  settling_ = true;
  while (!pending_destroy_.empty()) DestroyNow(*pending_destroy_.front());
  settling_ = false;
}

void HeadlessRenderer::Update(Window& window, int control, Property property) {
  if (property == Property::kProgress) {
    Control c = window.at(control);
    progress.push_back({std::string(window.name()), std::string(c.def().name), c.progress()});
  } else if (property == Property::kBrowserAddress) {
    Control c = window.at(control);
    navigations.push_back(std::string(window.name()) + "." + std::string(c.def().name) + " " + c.address());
  }
}

int HeadlessRenderer::ShowMessage(Window* owner, TextView text, TextView caption, unsigned style) {
  int answer = DefaultAnswer(style);
  if (!message_answers.empty()) {
    answer = message_answers.front();
    message_answers.pop_front();
  }
  messages.push_back({owner ? std::string(owner->name()) : std::string(), Text(caption), Text(text), style, answer});
  return answer;
}

std::optional<Text> HeadlessRenderer::AskText(Window*, TextView prompt, TextView caption, TextView initial) {
  last_prompt = Text(prompt);
  last_ask_caption = Text(caption);
  last_ask_initial = Text(initial);
  if (text_answers.empty()) return Text(initial);
  auto answer = text_answers.front();
  text_answers.pop_front();
  return answer;
}

bool HeadlessRenderer::ChooseFile(Window*, FileDialogFields& fields) {
  last_dialog = fields;
  if (file_answers.empty()) return false;
  auto answer = file_answers.front();
  file_answers.pop_front();
  if (!answer) return false;
  fields.file_name = *answer;
  return true;
}

bool HeadlessRenderer::RegisterDropTarget(Window& window) {
  if (std::find(drop_targets_.begin(), drop_targets_.end(), &window) != drop_targets_.end()) return false;
  drop_targets_.push_back(&window);
  return true;
}

Text HeadlessRenderer::BrowserTitle(Window& window, int control) {
  auto found = browser_titles.find(std::string(window.name()) + "." + std::string(window.at(control).def().name));
  return found == browser_titles.end() ? window.at(control).address() : found->second;
}

void HeadlessRenderer::ExitProcess() {
  exited = true;
  while (!ui_->OpenWindows().empty()) {
    Window* window = ui_->OpenWindows().front();
    Window* owner = owners_.count(window) ? owners_[window] : nullptr;
    DestroyNow(owner ? *owner : *window);
  }
  throw ProgramExit{};
}

bool HeadlessRenderer::Click(Window& window, std::string_view name) {
  Control control = window[name];
  if (!control.enabled() || !control.visible()) return false;
  switch (control.def().kind) {
    case ControlKind::kRadio: control.set_ticked(true); break;
    case ControlKind::kCheckBox: control.set_ticked(!control.ticked()); break;
    default: break;
  }
  ui_->Dispatch(window, control.index(), Event::kClick);
  return true;
}

bool HeadlessRenderer::Type(Window& window, std::string_view name, TextView text) {
  Control control = window[name];
  if (!control.enabled() || !control.visible()) return false;
  control.TextTyped(text);
  return true;
}

bool HeadlessRenderer::Drop(Window& window, const std::vector<Text>& names) {
  if (std::find(drop_targets_.begin(), drop_targets_.end(), &window) == drop_targets_.end()) return false;
  for (int i = 0; i < window.control_count(); ++i) {
    Control control = window.at(i);
    if (control.def().kind != ControlKind::kDropTarget || !control.accept_files()) continue;
    // One name alone; several each followed by a line break, as the shell lists them.
    Text text;
    for (const Text& name : names) text += names.size() == 1 ? name : name + "\r\n";
    ui_->Dispatch(window, i, Event::kFilesDropped, text);
    return true;
  }
  return false;
}

void HeadlessRenderer::MoveMouse(Window& window, std::string_view name) {
  ui_->Dispatch(window, name.empty() ? -1 : window[name].index(), Event::kMouseMove);
}

void HeadlessRenderer::FireTimer(Window& window, std::string_view name) {
  Control timer = window[name];
  if (timer.timer_period() > 0) ui_->Dispatch(window, timer.index(), Event::kTimer);
}

bool HeadlessRenderer::CloseByUser(Window& window) {
  if (window.closing) return false;
  window.closing = true;
  DestroyNow(window);
  return true;
}

std::vector<int> HeadlessRenderer::ProgressOf(std::string_view window, std::string_view control) const {
  std::vector<int> values;
  for (const auto& write : progress) {
    if (write.window == window && write.control == control) values.push_back(write.value);
  }
  return values;
}

}  // namespace ui
