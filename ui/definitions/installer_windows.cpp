// GateWindow and SoundPluginWindow: a background picture, an install button,
// a progress bar shown only while installing, and an author link.
#include "ui/windows.h"

namespace ui::windows {
namespace {

using K = ControlKind;

constexpr Color kWhite = Rgb(255, 255, 255);

constexpr ControlDef kGateControls[] = {
    {.name = "图片框1", .kind = K::kPicture, .x = 0, .y = 24, .width = 496, .height = 368,
     .picture = Picture::kGateBackground},
    {.name = "透明标签1", .kind = K::kLabel, .x = 20, .y = 320, .width = 104, .height = 24, .caption = "技术支持：云舟",
     .text_color = kWhite},
    {.name = "进度条1", .kind = K::kProgress, .x = 47, .y = 144, .width = 392, .height = 18, .visible = false},
    {.name = "按钮6", .kind = K::kButton, .x = 177, .y = 178, .width = 128, .height = 56, .caption = "激活[魔法效果]",
     .bold = true},
    {.name = "选择框1", .kind = K::kCheckBox, .x = 16, .y = 304, .width = 88, .height = 16, .caption = "背景音乐",
     .text_color = kWhite},
    {.name = "按钮5", .kind = K::kButton, .x = 316, .y = 336, .width = 72, .height = 24, .caption = "关注作者"},
    {.name = "ZIP压缩1", .kind = K::kZip},
};

constexpr ControlDef kSoundPluginControls[] = {
    {.name = "图片框1", .kind = K::kPicture, .x = 0, .y = 24, .width = 496, .height = 368,
     .picture = Picture::kSoundPluginBackground},
    {.name = "透明标签1", .kind = K::kLabel, .x = 25, .y = 352, .width = 104, .height = 24, .caption = "技术支持：云舟",
     .text_color = kWhite},
    {.name = "进度条1", .kind = K::kProgress, .x = 27, .y = 286, .width = 392, .height = 18, .visible = false},
    {.name = "按钮6", .kind = K::kButton, .x = 45, .y = 208, .width = 128, .height = 56, .caption = "激活音效插件",
     .bold = true},
    {.name = "按钮5", .kind = K::kButton, .x = 321, .y = 336, .width = 72, .height = 24, .caption = "联系作者"},
    {.name = "ZIP压缩1", .kind = K::kZip},
};

}  // namespace

const WindowDef kGate = {
    .name = "GateWindow",
    .caption = "【魔法之门】",
    .width = 496, .height = 388,
    .controls = kGateControls,
    .background = Picture::kGateBackground,
    .background_top = 24,
};

const WindowDef kSoundPlugin = {
    .name = "SoundPluginWindow",
    .caption = "【声纹扩展】",
    .width = 496, .height = 388,
    .controls = kSoundPluginControls,
    .background = Picture::kSoundPluginBackground,
    .background_top = 24,
};

}  // namespace ui::windows
