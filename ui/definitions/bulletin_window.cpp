#include "ui/windows.h"

namespace ui::windows {
namespace {

constexpr ControlDef kControls[] = {
    {.name = "编辑框1", .kind = ControlKind::kEdit, .x = 8, .y = 2, .width = 152, .height = 20,
     .caption = "反恐行动cdkey"},
    {.name = "超级链接框1", .kind = ControlKind::kLink, .x = 161, .y = 1, .width = 56, .height = 22,
     .caption = "银杉搜索", .text_color = Rgb(255, 200, 80)},
    {.name = "标签1", .kind = ControlKind::kLabel, .x = 264, .y = 2, .width = 26, .height = 18, .caption = "X",
     .hand_cursor = true, .bold = true, .text_color = Rgb(255, 255, 255)},
    {.name = "超文本浏览框1", .kind = ControlKind::kBrowser, .x = 0, .y = 24, .width = 297, .height = 235},
};

}  // namespace

const WindowDef kBulletin = {
    .name = "BulletinWindow",
    .caption = "公告栏",
    .width = 297, .height = 258,
    .controls = kControls,
    .background = Picture::kSkinBackground,
    .title_bar = false,
};

}  // namespace ui::windows
