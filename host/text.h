// Text operations on GBK byte strings. Lengths and positions count bytes;
// positions are 1-based and -1 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A text: bytes in code page 936 (GBK). An absent text is the empty text.
using Text = std::string;
using TextView = std::string_view;
// A byte buffer, possibly holding zero bytes.
using Bytes = std::vector<std::uint8_t>;

int TextLength(TextView text);
Text TextLeft(TextView text, int n);
Text TextRight(TextView text, int n);

// Never starts a match on the trail byte of a double-byte character.
int FindText(TextView text, TextView sought, int start = 1, bool ignore_case = false);
int FindTextReverse(TextView text, TextView sought, bool ignore_case = false);

// Folds ASCII A-Z only; both bytes of a double-byte character are left alone.
Text ToLowerCase(TextView text);
// Trims 0x20 and the full-width blank (A1 A1); tabs and line breaks stay.
Text TrimBothEnds(TextView text);
bool TextEquals(TextView a, TextView b);

Bytes TextToBytes(TextView text);
// The bytes up to the first zero byte.
Text BytesToText(const Bytes& bytes);
Text NumberToText(long long number);

// True for a GBK lead byte, the first byte of a double-byte character.
constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

}  // namespace host
