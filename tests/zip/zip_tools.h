// What the ZIP interoperability tests share: running the real archivers, and
// reading a folder tree from disk so that two extractions can be compared.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace ziptest {

// Runs a shell command in the UTF-8 locale (the archivers take their name
// encoding from it); output goes to the test log only on failure. True on exit 0.
bool Shell(const std::string& command);

// `text` in single quotes for the shell.
std::string Quote(const std::string& text);

struct Node {
  enum class Kind { kFile, kFolder, kLink } kind = Kind::kFile;
  std::string content;  // a file's bytes (when read), a link's target
  std::int64_t size = 0;
  std::int64_t mtime_ns = 0;
  std::int64_t ctime_ns = 0;  // status change: moves with every write, rename and chmod
};

// Every entry below `root` keyed by its native path relative to it ("a/b.txt");
// links are listed, never followed. Without contents only sizes and times are read.
using Tree = std::map<std::string, Node>;
Tree ReadTree(const std::string& root, bool with_contents = true);

// Drops the entries at and below `relative` (a native relative path).
Tree Without(Tree tree, const std::string& relative);

// Expects the same entries, file contents byte for byte and file times within
// `mtime_slack_s` seconds (negative: times not compared). `reference_name`
// maps a reference name to the name expected in `actual`.
void ExpectSameTree(const Tree& actual, const Tree& reference, int mtime_slack_s,
                    const std::function<std::string(const std::string&)>& reference_name = {});

// Expects every entry of `before` unchanged in `after` (kind, size, both times)
// and no entry added: nothing was written, replaced or removed there.
void ExpectUntouched(const Tree& after, const Tree& before);

// Code page 936 bytes to UTF-8, independently of the code under test.
std::string Utf8FromGbk(const std::string& gbk);

void WriteNativeFile(const std::string& path, const std::string& content);

}  // namespace ziptest
