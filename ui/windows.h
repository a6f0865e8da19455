// The definitions of the program's windows.
#pragma once

#include "ui/definition.h"

namespace ui::windows {

extern const WindowDef kSplash;
extern const WindowDef kMain;
extern const WindowDef kBulletin;
extern const WindowDef kDeveloper;
extern const WindowDef kGate;
extern const WindowDef kSoundPlugin;

}  // namespace ui::windows
