#include "host/posix/native_path.h"

#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "host/path.h"

namespace host::posix {
namespace {

std::string Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
  std::string out(input.size() * 4 + 8, '\0');
  char* in_ptr = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1)) break;
    if (errno != EILSEQ && errno != EINVAL) break;
    // An unmappable or broken sequence: skip one byte, write '?', as Windows does.
    ++in_ptr;
    --in_left;
    if (out_left == 0) break;
    *out_ptr++ = '?';
    --out_left;
  }
  out.resize(out.size() - out_left);
  return out;
}

bool IsDirectory(const std::string& native) {
  struct stat info {};
  return stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& native) {
  struct stat info {};
  return lstat(native.c_str(), &info) == 0;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) c = static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  return text;
}

// The on-disk spelling of `name` in `folder`, matched without ASCII letter case.
std::string FindSpelling(const std::string& folder, const std::string& name) {
  if (Exists(folder + "/" + name)) return name;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return name;
  const std::string wanted = AsciiLower(name);
  while (dirent* entry = readdir(dir.get())) {
    if (AsciiLower(entry->d_name) == wanted) return entry->d_name;
  }
  return name;
}

std::string TrimSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string Utf8FromText(TextView text) { return Convert("UTF-8", "CP936", text); }
Text TextFromUtf8(std::string_view utf8) { return Convert("CP936", "UTF-8", utf8); }

std::string DriveRoot(char letter) {
  char upper = static_cast<char>((letter >= 'a' && letter <= 'z') ? letter - 'a' + 'A' : letter);
  char lower = static_cast<char>(upper - 'A' + 'a');
  std::string variable = std::string("HUIGUANG_DRIVE_") + upper;
  if (const char* root = std::getenv(variable.c_str()); root && *root) return TrimSlash(root);
  std::string prefix;
  if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine) {
    prefix = wine;
  } else if (const char* home = std::getenv("HOME")) {
    prefix = std::string(home) + "/.wine";
  }
  std::string device = prefix + "/dosdevices/" + lower + ":";
  if (IsDirectory(device)) return device;
  if (upper == 'Z') return "/";
  return {};
}

std::string ToNative(const Text& path) {
  if (path.empty()) return {};
  Text drive = DrivePrefix(path);
  Text normal = NormalizePath(path);
  std::string native;
  if (!drive.empty()) {
    native = DriveRoot(drive[0]);
    if (native.empty()) return {};
  } else if (normal.starts_with("\\\\")) {
    return {};  // shares do not exist here
  } else if (!normal.starts_with("\\")) {
    native = ".";
  }
  for (const Text& part : SplitPath(TextView(normal).substr(drive.size()))) {
    std::string name = Utf8FromText(part);
    native = (native == "/" ? "" : native) + "/" + FindSpelling(native.empty() ? "/" : native, name);
  }
  return native.empty() ? "/" : native;
}

Text FromNative(const std::string& native) {
  for (char letter = 'A'; letter <= 'Y'; ++letter) {
    std::string root = DriveRoot(letter);
    if (root.empty()) continue;
    char* real = realpath(root.c_str(), nullptr);
    std::string resolved = real ? real : root;
    std::free(real);
    if (native == resolved || (native.starts_with(resolved + "/") && resolved != "/")) {
      std::string rest = native.substr(resolved.size());
      Text text = std::string(1, letter) + ":";
      for (char c : TextFromUtf8(rest)) text += (c == '/' ? '\\' : c);
      return text;
    }
  }
  Text text = "Z:";
  for (char c : TextFromUtf8(native)) text += (c == '/' ? '\\' : c);
  return text;
}

}  // namespace host::posix
