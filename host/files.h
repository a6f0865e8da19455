// File and folder operations with Windows semantics, on GBK path texts.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "host/text.h"

namespace host {

// A file or folder of that name exists; `*` and `?` match. False for "" and a path ending in `\`.
bool FileExists(const Text& path);
// The parent holds a folder whose name equals the last part byte for byte.
bool FolderExists(const Text& path);
// Copies and replaces an existing target; fails on a read-only target or missing folder.
bool CopyFileOver(const Text& source, const Text& target);
bool RemoveFile(const Text& path);
// One level only: the parent must exist.
bool MakeFolder(const Text& path);
// Creates the folder with every missing level; true if it exists at the end.
bool MakeFolderWithParents(const Text& path);
// Deletes the folder and everything below it, except names starting with a dot
// and read-only files; never follows a link and refuses drive roots. True when
// the folder itself is gone.
bool RemoveFolderTree(const Text& path);
// The whole file, read while denying writers; empty when missing or locked.
Bytes ReadWholeFile(const Text& path);
// Creates or truncates the file, opened exclusively, and writes the buffers in order.
bool WriteWholeFile(const Text& path, std::initializer_list<std::span<const std::uint8_t>> buffers);

}  // namespace host
