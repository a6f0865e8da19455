// Reader of the Windows shell-link (.lnk) file format: the target path and
// arguments, as the shell's link object reports them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "host/platform.h"

namespace host {

using Utf16ToText = Text (*)(std::u16string_view);

// Empty optional if the bytes are not a shell link. The target comes from the
// link-info block (local path, or share and suffix), else from the item-id list.
std::optional<platform::Shortcut> ParseShellLink(std::span<const std::uint8_t> bytes, Utf16ToText to_text);

}  // namespace host
