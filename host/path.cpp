#include "host/path.h"

namespace host {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t CharLength(TextView text, std::size_t at) {
  return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

bool MatchFrom(TextView pattern, std::size_t p, TextView name, std::size_t n) {
  while (p < pattern.size()) {
    if (pattern[p] == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      if (p == pattern.size()) return true;
      for (std::size_t at = n; at <= name.size(); at += (at < name.size() ? CharLength(name, at) : 1)) {
        if (MatchFrom(pattern, p, name, at)) return true;
      }
      return false;
    }
    if (n >= name.size()) return false;
    std::size_t name_char = CharLength(name, n);
    if (pattern[p] == '?') {
      ++p;
      n += name_char;
      continue;
    }
    std::size_t pattern_char = CharLength(pattern, p);
    if (pattern_char != name_char) return false;
    for (std::size_t i = 0; i < name_char; ++i) {
      if (AsciiLower(pattern[p + i]) != AsciiLower(name[n + i])) return false;
    }
    p += pattern_char;
    n += name_char;
  }
  return n == name.size();
}

}  // namespace

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

Text DrivePrefix(TextView path) {
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
    return Text(path.substr(0, 2));
  }
  return {};
}

std::vector<Text> SplitPath(TextView path) {
  std::vector<Text> parts;
  std::size_t at = 0;
  while (at < path.size()) {
    std::size_t end = at;
    while (end < path.size() && !IsSeparator(path[end])) end += CharLength(path, end);
    if (end > at) parts.emplace_back(path.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

Text NormalizePath(TextView path) {
  Text drive = DrivePrefix(path);
  TextView rest = path.substr(drive.size());
  bool unc = drive.empty() && rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1]);
  bool rooted = !rest.empty() && IsSeparator(rest[0]);

  std::vector<Text> parts;
  for (Text& part : SplitPath(rest)) {
    if (part == ".") continue;
    if (part == "..") {
      // A UNC path keeps its server and share; nothing climbs above a root.
      if (!parts.empty() && !(unc && parts.size() <= 2)) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }
  if (!parts.empty()) {
    Text& last = parts.back();
    while (!last.empty() && (last.back() == ' ' || last.back() == '.')) last.pop_back();
    if (last.empty()) parts.pop_back();
  }

  Text out = drive;
  if (unc) out += "\\";
  if (rooted) out += "\\";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += "\\";
    out += parts[i];
  }
  return out;
}

bool IsRootPath(TextView path) {
  std::size_t start = 0;
  while (start < path.size() && path[start] == ' ') ++start;
  Text normal = NormalizePath(path.substr(start));
  Text drive = DrivePrefix(normal);
  TextView rest = TextView(normal).substr(drive.size());
  if (rest.empty() || rest == "\\") return true;
  bool unc = rest.size() >= 2 && rest[0] == '\\' && rest[1] == '\\';
  return unc && SplitPath(rest).size() <= 2;
}

// Position of the last separator, stepping over whole characters: a GBK trail
// byte can be 0x5C, the code of `\`.
std::size_t LastSeparator(TextView path) {
  std::size_t found = TextView::npos;
  for (std::size_t at = 0; at < path.size(); at += CharLength(path, at)) {
    if (IsSeparator(path[at])) found = at;
  }
  return found;
}

Text LastPart(TextView path) {
  std::size_t at = LastSeparator(path);
  return at == TextView::npos ? Text(path) : Text(path.substr(at + 1));
}

Text ParentPath(TextView path) {
  std::size_t at = LastSeparator(path);
  return at == TextView::npos ? Text() : Text(path.substr(0, at));
}

bool WildcardMatch(TextView pattern, TextView name) {
  if (pattern == "*.*" || pattern == "*") return true;
  return MatchFrom(pattern, 0, name, 0);
}

bool HasWildcard(TextView path) { return path.find_first_of("*?") != TextView::npos; }

}  // namespace host
