// The runtime model: open windows and their controls, addressed by name, with
// the properties handlers read and write. Every write reaches the renderer at
// once, so the screen always shows the model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/text.h"
#include "ui/definition.h"

namespace ui {

using host::Text;
using host::TextView;

class Ui;
class Window;

// The fields of a file-dialog component; they keep their values between uses.
struct FileDialogFields {
  enum class Kind { kOpen, kSave };
  Kind kind = Kind::kOpen;
  Text title;
  Text file_name;      // in: the starting name; out: the chosen full path
  Text filter;         // "description|pattern|description|pattern"
  int initial_filter = 0;
  Text initial_folder;
  Text default_extension;
};

enum class Property : std::uint8_t {
  kText,
  kVisible,
  kEnabled,
  kTicked,
  kTextColor,
  kBackColor,
  kPicture,
  kProgress,
  kCurrentPage,
  kCurrentItem,
  kPosition,
  kTimerPeriod,
  kBrowserAddress,
  kAcceptFiles,
};

struct ControlState {
  Text text;
  bool visible = true;
  bool enabled = true;
  bool ticked = false;
  Color text_color = kNoColor;
  Color back_color = kNoColor;
  Picture picture = Picture::kNone;
  int progress = 0;
  int current_page = 0;
  int current_item = 0;
  int left = 0, top = 0;
  int timer_period = 0;
  Text address;           // browser
  bool accept_files = false;  // drop target
  FileDialogFields dialog;
};

// A handle to one control of an open window.
class Control {
 public:
  Control(Window& window, int index) : window_(&window), index_(index) {}

  const ControlDef& def() const;
  int index() const { return index_; }
  Window& window() const { return *window_; }

  const Text& text() const { return state().text; }
  void set_text(TextView text) const;
  // For renderers: the user typed this; the screen shows it already.
  void TextTyped(TextView text) const;
  bool visible() const { return state().visible; }
  void set_visible(bool visible) const;
  bool enabled() const { return state().enabled; }
  void set_enabled(bool enabled) const;
  bool ticked() const { return state().ticked; }
  void set_ticked(bool ticked) const;
  Color text_color() const { return state().text_color; }
  void set_text_color(Color color) const;
  Color back_color() const { return state().back_color; }
  void set_back_color(Color color) const;
  Picture picture() const { return state().picture; }
  void set_picture(Picture picture) const;
  int progress() const { return state().progress; }
  void set_progress(int value) const;
  int current_page() const { return state().current_page; }
  void set_current_page(int page) const;
  int current_item() const { return state().current_item; }
  void set_current_item(int item) const;
  void set_position(int left, int top) const;
  int timer_period() const { return state().timer_period; }
  // Restarts a timer with the period; 0 or less stops it; the same period changes nothing.
  void set_timer_period(int milliseconds) const;
  const Text& address() const { return state().address; }
  void Navigate(TextView address) const;
  Text BrowserTitle() const;
  bool accept_files() const { return state().accept_files; }
  void set_accept_files(bool accept) const;
  FileDialogFields& dialog() const { return state().dialog; }

 private:
  ControlState& state() const;
  void Changed(Property property) const;

  Window* window_;
  int index_;
};

class Window {
 public:
  Window(Ui& ui, const WindowDef& def);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const WindowDef& def() const { return *def_; }
  std::string_view name() const { return def_->name; }
  Ui& ui() const { return *ui_; }

  // The control of that name; a name the window does not have is a programming
  // error and stops the program.
  Control operator[](std::string_view name);
  int IndexOf(std::string_view name) const;  // -1 if none
  Control at(int index) { return Control(*this, index); }
  int control_count() const { return static_cast<int>(def_->controls.size()); }

  ControlState& state(int index) { return states_[static_cast<std::size_t>(index)]; }
  int left() const { return left_; }
  int top() const { return top_; }
  void set_position(int left, int top);

  // The renderer's own handle (a window handle on Windows).
  void* native = nullptr;
  bool closing = false;

 private:
  Ui* ui_;
  const WindowDef* def_;
  std::vector<ControlState> states_;
  int left_, top_;
};

}  // namespace ui
