// The boundary between GBK texts and the W functions of Windows.
#pragma once

#include <string>
#include <string_view>

#include "host/text.h"

namespace host::win32 {

// Code page 936 to UTF-16, whatever the user's ANSI code page is.
std::wstring Widen(TextView text);
// UTF-16 to code page 936; unmappable characters become '?'.
Text Narrow(std::wstring_view wide);

// A path for the W file functions: full, and in the "\\?\" form when it is too
// long for the classic limit, so deep game folders work.
std::wstring WinPath(const Text& path);

}  // namespace host::win32
