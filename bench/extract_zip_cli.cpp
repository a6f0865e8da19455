// extract_zip_cli ARCHIVE FOLDER: extracts with host::ExtractZip; native paths in,
// ExtractZip's result out (exit 0 for 1, 1 for 0, 2 for -1 or bad usage).
#include <cstdio>
#include <filesystem>
#include <string>

#include "host/posix/native_path.h"
#include "host/zip.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ARCHIVE FOLDER\n", argv[0]);
    return 2;
  }
  // ExtractZip takes path texts: map the absolute native paths back through the drives.
  auto text = [](const char* native) { return host::posix::FromNative(std::filesystem::absolute(native).string()); };
  int result = host::ExtractZip(text(argv[1]), text(argv[2]));
  if (result != 1) std::fprintf(stderr, "ExtractZip returned %d\n", result);
  return result == 1 ? 0 : (result == 0 ? 1 : 2);
}
