// Pure helpers on backslash-joined path texts; no file system access.
#pragma once

#include <vector>

#include "host/text.h"

namespace host {

bool IsSeparator(char c);

// "C:", or "" when the path does not start with a drive letter and colon.
Text DrivePrefix(TextView path);

// The parts between separators; empty parts (doubled separators) are dropped.
std::vector<Text> SplitPath(TextView path);

// Collapses separators into single `\`, resolves "." and ".." parts (never above
// the root) and drops trailing blanks and dots of the last part, as Windows does
// when it opens a path. Keeps the drive prefix and a leading `\`.
Text NormalizePath(TextView path);

// True when the path names the root of a drive or share: "C:", "C:\", "C:\\",
// "\\server\share", "\", or anything whose normal form is one of those.
bool IsRootPath(TextView path);

// Position (0-based) of the last separator, or npos.
std::size_t LastSeparator(TextView path);

// Everything after the last separator.
Text LastPart(TextView path);
// Everything before the last separator ("" when there is none).
Text ParentPath(TextView path);

// Windows wildcard match of one name against a pattern with `*` and `?`,
// letter case ignored for ASCII; "*.*" matches every name.
bool WildcardMatch(TextView pattern, TextView name);
bool HasWildcard(TextView path);

}  // namespace host
