#include "e2e/screen.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

namespace e2e {

Image CaptureScreen(const RECT& area) {
  Image image;
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return image;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT)) {
      GdiFlush();
      const auto* source = static_cast<const std::uint32_t*>(bits);
      image.width = width;
      image.height = height;
      image.pixels.assign(source, source + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
      for (auto& pixel : image.pixels) pixel &= 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

Image CaptureWindow(HWND window) {
  RECT area{};
  if (!GetWindowRect(window, &area)) return {};
  // Only the part on the screen can be read.
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&area, &area, &screen);
  return CaptureScreen(area);
}

namespace {

void Put32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  std::string body(type);
  body.append(data);
  out.append(body);
  auto crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
  Put32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

bool SavePng(const Image& image, const std::wstring& path) {
  if (image.width <= 0 || image.height <= 0) return false;
  // 8-bit RGB rows, each after a filter byte of 0 (none).
  std::string raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * static_cast<std::size_t>(image.width)));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back('\0');
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t pixel = image.at(x, y);
      raw.push_back(static_cast<char>(pixel >> 16));
      raw.push_back(static_cast<char>(pixel >> 8));
      raw.push_back(static_cast<char>(pixel));
    }
  }
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packed_size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, reinterpret_cast<const Bytef*>(raw.data()),
                static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK) {
    return false;
  }
  packed.resize(packed_size);

  std::string header;
  Put32(header, static_cast<std::uint32_t>(image.width));
  Put32(header, static_cast<std::uint32_t>(image.height));
  header += std::string_view("\x08\x02\x00\x00\x00", 5);  // depth 8, RGB, deflate, no filter set, no interlace
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});

  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file.write(png.data(), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

std::uint32_t CommonColour(const Image& image) {
  std::map<std::uint32_t, int> counts;
  for (std::uint32_t pixel : image.pixels) ++counts[pixel];
  std::uint32_t best = 0;
  int most = -1;
  for (auto [colour, count] : counts) {
    if (count > most) best = colour, most = count;
  }
  return best;
}

}  // namespace e2e
