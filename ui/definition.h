// Windows and their controls as data: what each control is, where it sits and
// how it starts. The runtime model (window.h) and the renderers read these.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

// 0x00BBGGRR, as Windows lays colours out.
using Color = std::uint32_t;
inline constexpr Color kNoColor = 0xFF000000;  // transparent, or the skin's default
inline constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}

// Pictures embedded in the program.
enum class Picture : std::uint8_t {
  kNone,
  kSplash,
  kSkinBackground,
  kTab1, kTab2, kTab3, kTab4, kTab5, kTab6, kTab7,
  kQrCode,
  kAppIcon,
  // Previews of the kill-icon sets and of the gate effect (203 x 176).
  kPreviewT2, kPreviewT3, kPreviewT4, kPreviewT5, kPreviewT6, kPreviewT7, kPreviewT8,
  kPreviewT9, kPreviewT10, kPreviewT12, kPreviewT13, kPreviewWorldCup, kPreviewGate,
  kGateBackground,         // 496 x 368
  kSoundPluginBackground,  // 496 x 368
};

enum class ControlKind : std::uint8_t {
  kButton,
  kCheckBox,
  kRadio,
  kEdit,
  kLabel,
  kPicture,
  kProgress,
  kComboBox,
  kListBox,
  kCalendar,
  kLink,        // hyperlink: opens `target` through the shell
  kBrowser,     // embedded web browser
  kTabControl,  // pages of controls; the first tab control holds the `page` controls
  kTabBar,      // the skin's picture tab bar
  kFrame,
  // Components without a window of their own.
  kTimer,
  kFileDialog,
  kDropTarget,
  kZip,
};

struct ControlDef {
  std::string_view name;
  ControlKind kind;
  int x = 0, y = 0, width = 0, height = 0;
  std::string_view caption = {};
  // Page of the window's tab control the control sits on, or -1 for the window itself.
  int page = -1;
  bool visible = true;
  bool enabled = true;
  bool ticked = false;
  bool group = false;        // starts a new group of radio buttons
  bool hand_cursor = false;
  bool multiline = false;
  bool centered = false;     // labels: text centred in the control
  bool bold = false;
  Color text_color = kNoColor;
  Color back_color = kNoColor;
  Picture picture = Picture::kNone;
  std::string_view target = {};        // link: the address it opens
  std::string_view dialog_title = {};  // file dialog
  std::string_view dialog_filter = {};
  std::string_view dialog_file = {};
};

struct WindowDef {
  std::string_view name;
  std::string_view caption;
  int x = -1, y = -1;  // -1: the system chooses
  int width = 0, height = 0;
  std::span<const ControlDef> controls;
  Picture background = Picture::kNone;
  int background_top = 0;  // where the background picture starts, below the title
  bool skinned = true;     // the skin's title area and colours; false: a bare popup
  bool title_bar = true;
};

}  // namespace ui
