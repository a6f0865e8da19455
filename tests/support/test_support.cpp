#include "support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>

#include "host/files.h"
#include "host/platform.h"

namespace test {

host::Text NewScratchFolder() {
  static std::atomic<int> counter{0};
  host::Text folder = ScratchRoot() + "\\case" + std::to_string(++counter);
  EXPECT_TRUE(host::MakeFolder(folder)) << folder;
  return folder;
}

void WriteFile(const host::Text& path, const std::string& content) {
  host::Bytes bytes(content.begin(), content.end());
  ASSERT_TRUE(host::WriteWholeFile(path, {bytes})) << path;
}

std::string ReadFile(const host::Text& path) {
  host::Bytes bytes = host::ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace test
