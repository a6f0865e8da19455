#include <dirent.h>
#include <time.h>


#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "host/platform.h"
#include "host/posix/native_path.h"
#include "host/system.h"

namespace host {
namespace platform {

Text TextFromUtf8(std::string_view utf8) { return posix::TextFromUtf8(utf8); }

bool ForEachProcess(const std::function<bool(std::uint32_t, const Text&)>& visit) {
  std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
  if (!proc) return false;
  while (dirent* item = readdir(proc.get())) {
    char* end = nullptr;
    unsigned long id = std::strtoul(item->d_name, &end, 10);
    if (end == item->d_name || *end != '\0') continue;
    // The executable's file name; kernel threads have none and give their name.
    std::string base = std::string("/proc/") + item->d_name;
    std::string name;
    char target[4096];
    ssize_t length = readlink((base + "/exe").c_str(), target, sizeof target - 1);
    if (length > 0) {
      name.assign(target, static_cast<std::size_t>(length));
      if (name.ends_with(" (deleted)")) name.resize(name.size() - 10);
      name = name.substr(name.rfind('/') + 1);
    } else if (FILE* comm = std::fopen((base + "/comm").c_str(), "r")) {
      char buffer[64] = {};
      if (std::fgets(buffer, sizeof buffer, comm)) name = buffer;
      std::fclose(comm);
      while (!name.empty() && name.back() == '\n') name.pop_back();
    }
    if (name.empty()) continue;  // ended while we looked
    if (!visit(static_cast<std::uint32_t>(id), posix::TextFromUtf8(name))) break;
  }
  return true;
}

DateTime LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
          local.tm_min,         local.tm_sec,     local.tm_wday};
}

std::int64_t LocalToUnix(const DateTime& local) {
  std::tm fields{};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  fields.tm_hour = local.hour;
  fields.tm_min = local.minute;
  fields.tm_sec = local.second;
  fields.tm_isdst = -1;
  std::time_t result = std::mktime(&fields);
  return result == static_cast<std::time_t>(-1) ? -1 : static_cast<std::int64_t>(result);
}

}  // namespace platform

ScreenSize PrimaryScreenSize() {
  // No display server is asked here; HUIGUANG_SCREEN=WxH stands in for one.
  ScreenSize size{1920, 1080};
  if (const char* value = std::getenv("HUIGUANG_SCREEN")) {
    std::sscanf(value, "%dx%d", &size.width, &size.height);
  }
  return size;
}

DateTime CurrentDateTime() { return platform::LocalNow(); }

Text ProgramFolder() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string native(path, static_cast<std::size_t>(length));
  return posix::FromNative(native.substr(0, native.rfind('/')));
}

bool SetCurrentFolder(const Text& folder) {
  std::string native = posix::ToNative(folder);
  return !native.empty() && chdir(native.c_str()) == 0;
}

void SleepMs(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec delay {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&delay, &delay) != 0 && errno == EINTR) {
  }
}

}  // namespace host
