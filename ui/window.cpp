#include "ui/window.h"

#include <cstdio>
#include <cstdlib>

#include "ui/ui.h"

namespace ui {

Window::Window(Ui& ui, const WindowDef& def)
    : ui_(&ui), def_(&def), states_(def.controls.size()), left_(def.x), top_(def.y) {
  for (std::size_t i = 0; i < states_.size(); ++i) {
    const ControlDef& control = def.controls[i];
    ControlState& state = states_[i];
    state.text = Text(control.caption);
    state.visible = control.visible;
    state.enabled = control.enabled;
    state.ticked = control.ticked;
    state.text_color = control.text_color;
    state.back_color = control.back_color;
    state.picture = control.picture;
    state.left = control.x;
    state.top = control.y;
    state.dialog.title = Text(control.dialog_title);
    state.dialog.filter = Text(control.dialog_filter);
    state.dialog.file_name = Text(control.dialog_file);
  }
}

int Window::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < def_->controls.size(); ++i) {
    if (def_->controls[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

Control Window::operator[](std::string_view name) {
  int index = IndexOf(name);
  if (index < 0) {
    std::fprintf(stderr, "window %.*s has no control %.*s\n", static_cast<int>(def_->name.size()),
                 def_->name.data(), static_cast<int>(name.size()), name.data());
    std::abort();
  }
  return Control(*this, index);
}

void Window::set_position(int left, int top) {
  left_ = left;
  top_ = top;
  if (native) ui_->renderer().Update(*this, -1, Property::kPosition);
}

const ControlDef& Control::def() const { return window_->def().controls[static_cast<std::size_t>(index_)]; }

ControlState& Control::state() const { return window_->state(index_); }

void Control::Changed(Property property) const {
  if (window_->native) window_->ui().renderer().Update(*window_, index_, property);
}

void Control::set_text(TextView text) const {
  state().text = Text(text);
  Changed(Property::kText);
  // An edit box reports every change of its text, whoever made it.
  if (def().kind == ControlKind::kEdit && window_->native) {
    window_->ui().Dispatch(*window_, index_, Event::kTextChanged);
  }
}

void Control::TextTyped(TextView text) const {
  state().text = Text(text);
  window_->ui().Dispatch(*window_, index_, Event::kTextChanged);
}

void Control::set_visible(bool visible) const {
  state().visible = visible;
  Changed(Property::kVisible);
}

void Control::set_enabled(bool enabled) const {
  state().enabled = enabled;
  Changed(Property::kEnabled);
}

void Control::set_ticked(bool ticked) const {
  state().ticked = ticked;
  Changed(Property::kTicked);
  if (!ticked || def().kind != ControlKind::kRadio) return;
  // Radios of one group are exclusive: a group runs from a radio marked as
  // its start to the next such radio, among the radios of the same page.
  const auto& controls = window_->def().controls;
  auto group_of = [&](int index) {
    int start = -1;
    for (int i = 0; i <= index; ++i) {
      const ControlDef& c = controls[static_cast<std::size_t>(i)];
      if (c.kind == ControlKind::kRadio && c.page == controls[static_cast<std::size_t>(index)].page &&
          (c.group || start < 0)) {
        start = i;
      }
    }
    return start;
  };
  const int group = group_of(index_);
  for (int i = 0; i < window_->control_count(); ++i) {
    const ControlDef& c = controls[static_cast<std::size_t>(i)];
    if (i != index_ && c.kind == ControlKind::kRadio && c.page == def().page && group_of(i) == group &&
        window_->state(i).ticked) {
      window_->state(i).ticked = false;
      Control(*window_, i).Changed(Property::kTicked);
    }
  }
}

void Control::set_text_color(Color color) const {
  state().text_color = color;
  Changed(Property::kTextColor);
}

void Control::set_back_color(Color color) const {
  state().back_color = color;
  Changed(Property::kBackColor);
}

void Control::set_picture(Picture picture) const {
  state().picture = picture;
  Changed(Property::kPicture);
}

void Control::set_progress(int value) const {
  state().progress = value < 0 ? 0 : value > 100 ? 100 : value;
  Changed(Property::kProgress);
}

void Control::set_current_page(int page) const {
  state().current_page = page;
  Changed(Property::kCurrentPage);
}

void Control::set_current_item(int item) const {
  state().current_item = item;
  Changed(Property::kCurrentItem);
}

void Control::set_position(int left, int top) const {
  state().left = left;
  state().top = top;
  Changed(Property::kPosition);
}

void Control::set_timer_period(int milliseconds) const {
  if (milliseconds < 0) milliseconds = 0;
  if (state().timer_period == milliseconds) return;
  state().timer_period = milliseconds;
  Changed(Property::kTimerPeriod);
}

void Control::Navigate(TextView address) const {
  state().address = Text(address);
  Changed(Property::kBrowserAddress);
}

Text Control::BrowserTitle() const {
  if (!window_->native) return {};
  return window_->ui().renderer().BrowserTitle(*window_, index_);
}

void Control::set_accept_files(bool accept) const {
  state().accept_files = accept;
  Changed(Property::kAcceptFiles);
}

}  // namespace ui
