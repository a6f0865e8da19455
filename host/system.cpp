#include "host/system.h"

namespace host {

bool ProcessRunning(const Text& name) {
  const Text wanted = ToLowerCase(name);
  bool found = false;
  platform::ForEachProcess([&](std::uint32_t id, const Text& exe_name) {
    if (id == 0) return true;  // the idle process
    found = TextEquals(wanted, ToLowerCase(exe_name));
    return !found;
  });
  return found;
}

}  // namespace host
