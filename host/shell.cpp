#include "host/shell.h"

#include "host/platform.h"

namespace host {

bool IsMailAddress(TextView target) {
  return target.find('@') != TextView::npos && target.find("://") == TextView::npos &&
         !ToLowerCase(target).starts_with("mailto:");
}

Text ResolveShortcut(const Text& path) {
  Text link = FindText(ToLowerCase(path), ".lnk") == -1 ? path + ".lnk" : path;
  auto shortcut = platform::ReadShortcut(link);
  if (!shortcut) return {};
  return shortcut->target + " " + shortcut->arguments;
}

}  // namespace host
