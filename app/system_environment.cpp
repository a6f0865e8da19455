#include "app/app.h"
#include "host/shell.h"
#include "host/system.h"

namespace app {

bool SystemEnvironment::ProcessRunning(const Text& name) { return host::ProcessRunning(name); }
void SystemEnvironment::OpenLink(const Text& address) { host::OpenLink(address); }
bool SystemEnvironment::OpenInBrowser(const Text& address) { return host::OpenInBrowser(address); }
bool SystemEnvironment::RunCommand(const Text& command_line, bool wait) {
  return host::RunCommand(command_line, wait);
}
void SystemEnvironment::OpenHyperlink(const Text& target) { host::OpenHyperlink(target); }
// The tool's own music arrives with the audio back end; until then it stays silent.
void SystemEnvironment::PlayMp3(const Text&) {}
void SystemEnvironment::PauseMp3() {}
void SystemEnvironment::SleepMs(int milliseconds) { host::SleepMs(milliseconds); }
host::ScreenSize SystemEnvironment::ScreenSize() { return host::PrimaryScreenSize(); }
Text SystemEnvironment::ProgramFolder() { return host::ProgramFolder(); }

}  // namespace app
