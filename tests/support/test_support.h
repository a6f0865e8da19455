// What the host tests share: a scratch folder per test, addressed by the same
// kind of Windows path text on both backends, and a few set-up helpers.
#pragma once

#include <cstdint>
#include <string>

#include "host/text.h"

namespace test {

// The root of all scratch folders of this test run, as a path text such as
// "T:\run" (POSIX: drive T: mapped to a temporary folder) or the Windows
// temporary folder. Created on first use, removed at exit.
const host::Text& ScratchRoot();

// A fresh empty folder below the scratch root; the path has no trailing `\`.
host::Text NewScratchFolder();

// Writes `content` to `path` (creating or replacing it); fails the test on error.
void WriteFile(const host::Text& path, const std::string& content);
std::string ReadFile(const host::Text& path);

// Creates a link at `link` to the folder `target` (a symbolic link; on Windows
// a junction where symbolic links are not allowed). False if the system refuses.
bool MakeFolderLink(const host::Text& link, const host::Text& target);

// The native path for a path text, for handing to other programs (POSIX only;
// on Windows the text itself).
std::string NativePath(const host::Text& path);

// Folder of test data shipped with the sources, as a path text.
host::Text DataFolder();

}  // namespace test

namespace test {
// The file name of the running test program ("host_tests.exe", "host_tests").
host::Text OwnExecutableName();
}  // namespace test

namespace test {
// A file's modification time in Unix seconds, or -1.
std::int64_t ModifiedTime(const host::Text& path);
}  // namespace test
