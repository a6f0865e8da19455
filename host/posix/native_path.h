// Maps Windows path texts onto this machine's file system: "X:\rest" lives
// under a folder per drive letter (Wine's layout by default), names are GBK
// texts outside and UTF-8 here, and each part is found regardless of ASCII
// letter case, as on Windows.
#pragma once

#include <string>
#include <string_view>

#include "host/text.h"

namespace host::posix {

// The folder that stands for drive `letter`: $HUIGUANG_DRIVE_<LETTER> if set,
// else $WINEPREFIX/dosdevices/<letter>: (~/.wine when WINEPREFIX is unset).
std::string DriveRoot(char letter);

// The native path for a path text, or "" when it cannot be mapped (no such
// drive, a share path). Parts that exist are spelled as on disk.
std::string ToNative(const Text& path);
// The path text for a native path: below a drive root when one holds it, else Z:.
Text FromNative(const std::string& native);

std::string Utf8FromText(TextView text);
Text TextFromUtf8(std::string_view utf8);

}  // namespace host::posix
