#include "ui/windows.h"

namespace ui::windows {
namespace {

constexpr ControlDef kControls[] = {
    {.name = "图片框1", .kind = ControlKind::kPicture, .x = 0, .y = 0, .width = 400, .height = 200,
     .picture = Picture::kSplash},
    {.name = "时钟1", .kind = ControlKind::kTimer},
};

}  // namespace

const WindowDef kSplash = {
    .name = "SplashWindow",
    .caption = "徽光坊",
    .x = 50, .y = 50, .width = 400, .height = 200,
    .controls = kControls,
    .background = Picture::kSplash,
    .skinned = false,
    .title_bar = false,
};

}  // namespace ui::windows
