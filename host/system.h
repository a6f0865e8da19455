// Processes, screen, clock.
#pragma once

#include "host/platform.h"
#include "host/text.h"

namespace host {

// Whether a process whose executable file name equals `name` (ASCII letter case
// ignored, whole name only) is running.
bool ProcessRunning(const Text& name);

struct ScreenSize {
  int width = 0, height = 0;
};
ScreenSize PrimaryScreenSize();

using DateTime = platform::DateTime;
DateTime CurrentDateTime();

// The folder that holds the program file, without a trailing `\`.
Text ProgramFolder();
// Makes `folder` the process's current folder.
bool SetCurrentFolder(const Text& folder);

// Blocks the calling thread; negative counts as 0. No events are handled meanwhile.
void SleepMs(int milliseconds);

}  // namespace host
