#include "zip_tools.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace ziptest {

namespace fs = std::filesystem;

bool Shell(const std::string& command) {
  const std::string full = "export LC_ALL=C.UTF-8; " + command + " 2>&1";
  FILE* pipe = popen(full.c_str(), "r");
  if (pipe == nullptr) return false;
  std::string output;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  int status = pclose(pipe);
  if (status != 0) std::cerr << "command failed (" << status << "): " << command << "\n" << output;
  return status == 0;
}

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

Tree ReadTree(const std::string& root, bool with_contents) {
  Tree tree;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    const std::string path = it->path().string();
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) continue;
    Node node;
    node.mtime_ns = std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    node.ctime_ns = std::int64_t{info.st_ctim.tv_sec} * 1000000000 + info.st_ctim.tv_nsec;
    node.size = info.st_size;
    if (S_ISLNK(info.st_mode)) {
      node.kind = Node::Kind::kLink;
      node.content = fs::read_symlink(it->path()).string();
    } else if (S_ISDIR(info.st_mode)) {
      node.kind = Node::Kind::kFolder;
      node.size = 0;
    } else if (with_contents) {
      std::ifstream in(path, std::ios::binary);
      node.content.assign(std::istreambuf_iterator<char>(in), {});
    }
    tree.emplace(fs::relative(it->path(), root).string(), std::move(node));
  }
  EXPECT_FALSE(error) << root << ": " << error.message();
  return tree;
}

Tree Without(Tree tree, const std::string& relative) {
  std::erase_if(tree, [&](const auto& item) {
    return item.first == relative || item.first.starts_with(relative + "/");
  });
  return tree;
}

void ExpectSameTree(const Tree& actual, const Tree& reference, int mtime_slack_s,
                    const std::function<std::string(const std::string&)>& reference_name) {
  Tree expected;
  for (const auto& [name, node] : reference) expected.emplace(reference_name ? reference_name(name) : name, node);

  for (const auto& [name, want] : expected) {
    auto found = actual.find(name);
    if (found == actual.end()) {
      ADD_FAILURE() << "missing: " << name;
      continue;
    }
    const Node& got = found->second;
    if (got.kind != want.kind) {
      ADD_FAILURE() << "different kind: " << name;
      continue;
    }
    if (want.kind == Node::Kind::kFolder) continue;
    EXPECT_EQ(got.size, want.size) << name;
    EXPECT_TRUE(got.content == want.content) << "different content: " << name;
    if (mtime_slack_s >= 0) {
      EXPECT_NEAR(static_cast<double>(got.mtime_ns) / 1e9, static_cast<double>(want.mtime_ns) / 1e9,
                  mtime_slack_s)
          << "modification time of " << name;
    }
  }
  for (const auto& [name, node] : actual) {
    if (!expected.contains(name)) ADD_FAILURE() << "unexpected: " << name;
  }
}

void ExpectUntouched(const Tree& after, const Tree& before) {
  for (const auto& [name, was] : before) {
    auto found = after.find(name);
    if (found == after.end()) {
      ADD_FAILURE() << "removed: " << name;
      continue;
    }
    const Node& now = found->second;
    EXPECT_TRUE(now.kind == was.kind && now.size == was.size && now.content == was.content &&
                now.mtime_ns == was.mtime_ns && now.ctime_ns == was.ctime_ns)
        << "changed: " << name;
  }
  for (const auto& [name, node] : after) {
    if (!before.contains(name)) ADD_FAILURE() << "added: " << name;
  }
}

std::string Utf8FromGbk(const std::string& gbk) {
  iconv_t cd = iconv_open("UTF-8", "CP936");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "no CP936 converter";
    return gbk;
  }
  std::string out(gbk.size() * 3 + 4, '\0');
  char* in_ptr = const_cast<char*>(gbk.data());
  std::size_t in_left = gbk.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  std::size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  EXPECT_NE(done, static_cast<std::size_t>(-1)) << "not GBK: " << gbk;
  out.resize(out.size() - out_left);
  return out;
}

void WriteNativeFile(const std::string& path, const std::string& content) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  ASSERT_TRUE(out.good()) << path;
}

}  // namespace ziptest
