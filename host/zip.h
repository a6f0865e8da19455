// ZIP extraction.
#pragma once

#include "host/text.h"

namespace host {

// Extracts every entry of the archive below `folder`, replacing existing files and
// creating missing folders. 1 success, 0 failure after the archive was found
// (not a ZIP, damaged or unsafe entry, write failure), -1 no such archive.
int ExtractZip(const Text& archive, const Text& folder);

}  // namespace host
