#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "host/files.h"
#include "host/path.h"
#include "host/platform.h"
#include "host/posix/native_path.h"
#include "host/shell.h"
#include "host/shell_link.h"

extern char** environ;

namespace host {
namespace {

// Splits a command line by the rules of the Windows C runtime: blanks separate,
// quotes group, and backslashes escape only a following quote.
std::vector<std::string> SplitCommandLine(TextView line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at == line.size()) break;
    std::string word;
    bool quoted = false;
    while (at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t'))) {
      std::size_t slashes = 0;
      while (at < line.size() && line[at] == '\\') ++slashes, ++at;
      if (at < line.size() && line[at] == '"') {
        word.append(slashes / 2, '\\');
        if (slashes % 2 == 1) {
          word += '"';
        } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
          word += '"';
          ++at;
        } else {
          quoted = !quoted;
        }
        ++at;
      } else {
        word.append(slashes, '\\');
        if (at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t'))) word += line[at++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

// A word that names a Windows path becomes the native path; others stay.
std::string NativeWord(const std::string& word) {
  if (DrivePrefix(word).empty()) return posix::Utf8FromText(word);
  std::string native = posix::ToNative(word);
  return native.empty() ? posix::Utf8FromText(word) : native;
}

// Starts `words` as a process; -1 if it could not be started.
pid_t Spawn(const std::vector<std::string>& words) {
  if (words.empty()) return -1;
  std::vector<char*> argv;
  for (const auto& word : words) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

// Children started without waiting, reaped on later calls so none stays a zombie.
std::vector<pid_t>& Unreaped() {
  static std::vector<pid_t> children;
  return children;
}

void ReapFinished() {
  auto& children = Unreaped();
  std::erase_if(children, [](pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) != 0;
  });
}

pid_t SpawnDetached(const std::vector<std::string>& words) {
  ReapFinished();
  pid_t pid = Spawn(words);
  if (pid > 0) Unreaped().push_back(pid);
  return pid;
}

// Opens an address or file with the desktop's handler.
bool OpenWithDesktop(const Text& address) { return SpawnDetached({"xdg-open", NativeWord(address)}) > 0; }

}  // namespace

void OpenLink(const Text& address) { OpenWithDesktop(address); }

bool OpenInBrowser(const Text& address) { return OpenWithDesktop(address); }

void OpenHyperlink(const Text& target) { OpenWithDesktop(IsMailAddress(target) ? "mailto:" + target : target); }

bool RunCommand(const Text& command_line, bool wait) {
  std::vector<std::string> words;
  for (const auto& word : SplitCommandLine(command_line)) words.push_back(NativeWord(word));
  if (!wait) return SpawnDetached(words) > 0;
  pid_t pid = Spawn(words);
  if (pid < 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

namespace platform {

std::optional<Shortcut> ReadShortcut(const Text& path) {
  Bytes bytes = ReadWholeFile(path);
  if (bytes.empty()) return std::nullopt;
  return ParseShellLink(bytes, [](std::u16string_view utf16) -> Text {
    std::string utf8;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
      char32_t c = utf16[i];
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < utf16.size()) {
        c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
      }
      if (c < 0x80) {
        utf8 += static_cast<char>(c);
      } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return posix::TextFromUtf8(utf8);
  });
}

}  // namespace platform
}  // namespace host
