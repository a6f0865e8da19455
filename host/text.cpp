#include "host/text.h"

#include <algorithm>

namespace host {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(TextView text, std::size_t at, TextView sought, bool ignore_case) {
  if (text.size() - at < sought.size()) return false;
  for (std::size_t i = 0; i < sought.size(); ++i) {
    char a = text[at + i], b = sought[i];
    if (ignore_case ? AsciiLower(a) != AsciiLower(b) : a != b) return false;
  }
  return true;
}

// Walks candidate positions character by character from `from` (0-based) and
// returns the first (or, with `last`, the final) 1-based match position.
int Search(TextView text, TextView sought, std::size_t from, bool ignore_case, bool last) {
  if (from >= text.size()) return -1;
  if (sought.empty()) return static_cast<int>(from) + 1;
  int found = -1;
  for (std::size_t at = from; at < text.size();) {
    if (MatchesAt(text, at, sought, ignore_case)) {
      found = static_cast<int>(at) + 1;
      if (!last) break;
    }
    at += IsLeadByte(static_cast<unsigned char>(text[at])) ? 2u : 1u;
  }
  return found;
}

}  // namespace

int TextLength(TextView text) { return static_cast<int>(text.size()); }

Text TextLeft(TextView text, int n) {
  if (n <= 0) return {};
  return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text TextRight(TextView text, int n) {
  if (n <= 0) return {};
  auto count = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - count));
}

int FindText(TextView text, TextView sought, int start, bool ignore_case) {
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  return Search(text, sought, from, ignore_case, false);
}

int FindTextReverse(TextView text, TextView sought, bool ignore_case) {
  return Search(text, sought, 0, ignore_case, true);
}

Text ToLowerCase(TextView text) {
  Text out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(out[i]))) {
      ++i;  // the trail byte may be an ASCII letter; it is part of the character
      continue;
    }
    out[i] = AsciiLower(out[i]);
  }
  return out;
}

Text TrimBothEnds(TextView text) {
  // Walks whole characters so that the A1 of a trailing full-width blank is
  // never mistaken for the trail byte of another character.
  auto char_length = [&](std::size_t at) -> std::size_t {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
  };
  auto is_blank = [&](std::size_t at, std::size_t length) {
    return length == 1 ? text[at] == ' ' : text.substr(at, 2) == "\xA1\xA1";
  };
  std::size_t begin = 0;
  while (begin < text.size() && is_blank(begin, char_length(begin))) begin += char_length(begin);
  std::size_t end = begin;
  for (std::size_t at = begin; at < text.size();) {
    std::size_t length = char_length(at);
    at += length;
    if (!is_blank(at - length, length)) end = at;
  }
  return Text(text.substr(begin, end - begin));
}

bool TextEquals(TextView a, TextView b) { return a == b; }

Bytes TextToBytes(TextView text) { return Bytes(text.begin(), text.end()); }

Text BytesToText(const Bytes& bytes) {
  auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}

Text NumberToText(long long number) { return std::to_string(number); }

}  // namespace host
