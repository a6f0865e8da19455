// What is on the screen: pixels of a screen rectangle, as the user sees them
// (Xvfb keeps a real frame buffer), and screenshots saved as PNG files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The screen's pixels inside `area` (screen coordinates); empty on failure.
Image CaptureScreen(const RECT& area);
// The pixels of a window's outer rectangle.
Image CaptureWindow(HWND window);

bool SavePng(const Image& image, const std::wstring& path);

// The colour most pixels of `image` have (0x00RRGGBB).
std::uint32_t CommonColour(const Image& image);

}  // namespace e2e
