// The embedded pictures: PNG resources decoded once by the imaging component
// into 32-bit premultiplied bitmaps.
#include "ui/win32/native.h"

#include <shlwapi.h>
#include <wincodec.h>

#include <map>


namespace ui::win32 {
namespace {

// Resource ids are 100 + the picture's number (see huiguang.rc).
constexpr int kPictureResourceBase = 100;

HBITMAP Decode(const void* data, DWORD size) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
    return nullptr;
  }
  HBITMAP bitmap = nullptr;
  IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(data), size);
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  UINT width = 0, height = 0;
  if (stream && SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&width, &height))) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as the decoder writes
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap && FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(pixels)))) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
  }
  if (converter) converter->Release();
  if (frame) frame->Release();
  if (decoder) decoder->Release();
  if (stream) stream->Release();
  factory->Release();
  return bitmap;
}

}  // namespace

HBITMAP PictureBitmap(Picture picture) {
  static std::map<Picture, HBITMAP> cache;
  if (picture == Picture::kNone) return nullptr;
  auto found = cache.find(picture);
  if (found != cache.end()) return found->second;
  HBITMAP bitmap = nullptr;
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(kPictureResourceBase + static_cast<int>(picture)),
                                 MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr) {
    bitmap = Decode(LockResource(loaded), SizeofResource(nullptr, resource));
  }
  cache[picture] = bitmap;
  return bitmap;
}

void DrawPicture(HDC dc, Picture picture, const RECT& rect) {
  HBITMAP bitmap = PictureBitmap(picture);
  if (!bitmap) return;
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  SetStretchBltMode(dc, HALFTONE);
  AlphaBlend(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory, 0, 0, info.bmWidth,
             info.bmHeight, blend);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace ui::win32
