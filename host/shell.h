// Shell operations: addresses, processes and shortcuts.
#pragma once

#include "host/text.h"

namespace host {

// Opens an address with the system's default handler, without waiting. Silent on failure.
void OpenLink(const Text& address);
// Starts the system's web browser on the address; false only if it was not found.
bool OpenInBrowser(const Text& address);
// What a hyperlink does: opens the target through the shell's "open" verb
// ("mailto:" goes in front of an e-mail address); if that fails, runs the
// program registered for ".htm" files with it.
void OpenHyperlink(const Text& target);
// True for an e-mail address without a scheme ("name@host").
bool IsMailAddress(TextView target);
// Starts a process from a command line with a normal window; with `wait`, returns
// after it has ended. True if the process was started.
bool RunCommand(const Text& command_line, bool wait);
// "<target path> <arguments>" of a shortcut (".lnk" is appended to a path that
// does not contain it), or "" if the file is not a loadable shortcut.
Text ResolveShortcut(const Text& path);

}  // namespace host
