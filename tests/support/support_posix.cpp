#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "host/posix/native_path.h"
#include "support/test_support.h"

namespace test {
namespace {

struct ScratchDrive {
  std::string native;
  host::Text text = "T:\\run";
  ScratchDrive() {
    char pattern[] = "/tmp/huiguang-test-XXXXXX";
    native = mkdtemp(pattern);
    setenv("HUIGUANG_DRIVE_T", native.c_str(), 1);
    mkdir((native + "/run").c_str(), 0755);
  }
  ~ScratchDrive() {
    // Read-only files and folders stay deletable for the owner here.
    std::error_code ignored;
    std::filesystem::remove_all(native, ignored);
  }
};

ScratchDrive& Drive() {
  static ScratchDrive drive;
  return drive;
}

}  // namespace

const host::Text& ScratchRoot() { return Drive().text; }

bool MakeFolderLink(const host::Text& link, const host::Text& target) {
  return symlink(host::posix::ToNative(target).c_str(), host::posix::ToNative(link).c_str()) == 0;
}

std::string NativePath(const host::Text& path) { return host::posix::ToNative(path); }

host::Text DataFolder() {
  std::string exe = std::filesystem::read_symlink("/proc/self/exe");
  return host::posix::FromNative(exe.substr(0, exe.rfind('/')) + "/data");
}

}  // namespace test

namespace test {
host::Text OwnExecutableName() { return std::filesystem::read_symlink("/proc/self/exe").filename().string(); }
}  // namespace test

namespace test {
std::int64_t ModifiedTime(const host::Text& path) {
  struct stat info {};
  if (stat(host::posix::ToNative(path).c_str(), &info) != 0) return -1;
  return info.st_mtime;
}
}  // namespace test
