#include "skin/skin_image.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/handles.h"
#include "skin/bmp_check.h"

namespace {

// Skin pictures are a window's size; anything far larger is not one.
constexpr LONGLONG kMaxPictureFile = 64LL * 1024 * 1024;

// The system hands rectangles to region creation in batches of this many.
constexpr std::size_t kRegionBatch = 2000;
constexpr std::size_t kRectsGrowth = 100;
// The region-data header is exactly two rectangles long.
constexpr std::size_t kHeaderRects = sizeof(RGNDATAHEADER) / sizeof(RECT);
static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT));

template <class T>
struct ComReleaseTraits {
  using Type = T*;
  static Type Invalid() { return nullptr; }
  static void Close(Type p) { p->Release(); }
};

// The whole file in a movable global block, or empty; so is a bitmap cut
// short, which the decoder would complete from whatever memory follows.
GlobalMemory ReadFileToGlobal(const std::wstring& path, SIZE_T& bytes) {
  KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    file.Release();
    return {};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxPictureFile) return {};
  bytes = static_cast<SIZE_T>(size.QuadPart);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return {};
  void* data = GlobalLock(memory.Get());
  DWORD read = 0;
  const bool ok = data && ReadFile(file.Get(), data, static_cast<DWORD>(bytes), &read, nullptr) && read == bytes &&
                  BitmapFileComplete({static_cast<const std::uint8_t*>(data), bytes});
  GlobalUnlock(memory.Get());
  return ok ? std::move(memory) : GlobalMemory{};
}

// Rectangles of the mask's rows, handed to the system in batches.
class RegionBuilder {
 public:
  RegionBuilder() { Restart(); }

  void Add(LONG x0, LONG x1, LONG y) {
    if (count_ == kRegionBatch) Flush();
    if (kHeaderRects + count_ == buffer_.size()) buffer_.resize(buffer_.size() + kRectsGrowth);
    buffer_[kHeaderRects + count_++] = {x0, y, x1, y + 1};
    bounds_.left = std::min(bounds_.left, x0);
    bounds_.top = std::min(bounds_.top, y);
    bounds_.right = std::max(bounds_.right, x1);
    bounds_.bottom = std::max(bounds_.bottom, y + 1);
  }

  GdiRegion Finish() {
    Flush();
    return std::move(result_);
  }

 private:
  void Restart() {
    count_ = 0;
    bounds_ = {INT_MAX, INT_MAX, 0, 0};
    if (buffer_.empty()) buffer_.resize(kHeaderRects + kRectsGrowth);
  }

  void Flush() {
    auto* data = reinterpret_cast<RGNDATA*>(buffer_.data());
    data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(count_),
                 static_cast<DWORD>(count_ * sizeof(RECT)), bounds_};
    const DWORD bytes = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count_ * sizeof(RECT));
    GdiRegion part(ExtCreateRegion(nullptr, bytes, data));
    if (!result_) {
      result_ = std::move(part);
    } else if (part) {
      CombineRgn(result_.Get(), result_.Get(), part.Get(), RGN_OR);
    }
    Restart();
  }

  std::vector<RECT> buffer_;
  std::size_t count_ = 0;
  RECT bounds_{};
  GdiRegion result_;
};

// The colour of a 32-bit pixel, without its unused top byte.
constexpr uint32_t kRgb = 0x00FFFFFF;

// The region of the pixels `inside` takes, one rectangle per run of a row;
// `row(y)` gives row y from the top. Far fewer calls than a pixel each.
template <class Row, class Inside>
GdiRegion RegionOfRuns(LONG width, LONG height, Row row, Inside inside) {
  RegionBuilder builder;
  for (LONG y = 0; y < height; ++y) {
    const uint32_t* pixels = row(y);
    LONG x = 0;
    while (x < width) {
      while (x < width && !inside(pixels[x])) ++x;
      const LONG x0 = x;
      while (x < width && inside(pixels[x])) ++x;
      if (x > x0) builder.Add(x0, x, y);
    }
  }
  return builder.Finish();
}

}  // namespace

namespace {

// A Windows bitmap with an info header (its size checked as it was read),
// copied by the system's own DIB functions: the picture decoder takes many
// times as long for the same pixels (a window's mask costs it tens of
// milliseconds). Empty for any other picture.
GdiBitmap DecodeWindowsBitmap(const GlobalMemory& memory, SIZE_T bytes) {
  constexpr SIZE_T kFileHeader = sizeof(BITMAPFILEHEADER);
  const auto* data = static_cast<const std::uint8_t*>(GlobalLock(memory.Get()));
  GdiBitmap canvas;
  if (data && bytes >= kFileHeader + sizeof(BITMAPINFOHEADER) && data[0] == 'B' && data[1] == 'M') {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    std::memcpy(&file, data, sizeof file);
    std::memcpy(&info, data + kFileHeader, sizeof info);
    // The colour table (or the three masks of bit fields) follows the header.
    const SIZE_T colours = info.biBitCount <= 8 ? (info.biClrUsed ? info.biClrUsed : SIZE_T{1} << info.biBitCount)
                           : info.biCompression == BI_BITFIELDS ? 3
                                                                 : 0;
    const bool complete = info.biSize >= sizeof info && info.biWidth > 0 && info.biHeight != 0 &&
                          info.biClrUsed <= 256 && kFileHeader + info.biSize + colours * sizeof(RGBQUAD) <= bytes &&
                          file.bfOffBits < bytes;
    const int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    if (complete && (canvas = CreateCanvasBitmap(info.biWidth, height))) {
      MemoryDc dc(nullptr);
      const auto* header = reinterpret_cast<const BITMAPINFO*>(data + kFileHeader);
      if (!dc || SetDIBits(dc.Get(), canvas.Get(), 0, height, data + file.bfOffBits, header, DIB_RGB_COLORS) != height)
        canvas.Reset();
    }
  }
  if (data) GlobalUnlock(memory.Get());
  return canvas;
}

// The picture in `data` as the system's imaging component decodes it.
GdiBitmap DecodeImage(BYTE* data, DWORD bytes) {
  IWICImagingFactory* rawFactory = nullptr;
  IWICStream* rawStream = nullptr;
  IWICBitmapDecoder* rawDecoder = nullptr;
  IWICBitmapFrameDecode* rawFrame = nullptr;
  IWICFormatConverter* rawConverter = nullptr;
  const bool ready =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void**>(&rawFactory))) &&
      SUCCEEDED(rawFactory->CreateStream(&rawStream)) && SUCCEEDED(rawStream->InitializeFromMemory(data, bytes)) &&
      SUCCEEDED(rawFactory->CreateDecoderFromStream(rawStream, nullptr, WICDecodeMetadataCacheOnDemand, &rawDecoder)) &&
      SUCCEEDED(rawDecoder->GetFrame(0, &rawFrame)) && SUCCEEDED(rawFactory->CreateFormatConverter(&rawConverter)) &&
      SUCCEEDED(rawConverter->Initialize(rawFrame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                         WICBitmapPaletteTypeCustom));
  // Whatever was made is released, however far the steps got.
  const UniqueHandle<ComReleaseTraits<IWICImagingFactory>> factory(rawFactory);
  const UniqueHandle<ComReleaseTraits<IWICStream>> stream(rawStream);
  const UniqueHandle<ComReleaseTraits<IWICBitmapDecoder>> decoder(rawDecoder);
  const UniqueHandle<ComReleaseTraits<IWICBitmapFrameDecode>> frame(rawFrame);
  const UniqueHandle<ComReleaseTraits<IWICFormatConverter>> converter(rawConverter);
  UINT width = 0, height = 0;
  // The size is the file's word: one the copy cannot describe is refused.
  if (!ready || FAILED(converter.Get()->GetSize(&width, &height)) || width == 0 || height == 0 ||
      std::uint64_t{width} * 4 * height > INT_MAX)
    return {};
  std::uint32_t* pixels = nullptr;
  GdiBitmap canvas = CreateCanvasBitmap(static_cast<int>(width), static_cast<int>(height), pixels);
  if (canvas &&
      FAILED(converter.Get()->CopyPixels(nullptr, width * 4, width * 4 * height, reinterpret_cast<BYTE*>(pixels))))
    canvas.Reset();
  return canvas;
}

// Any other picture the imaging component takes, JPEG among them, decoded
// straight into a canvas. OLE's picture object decodes with the same
// component and then copies the pixels twice more (into its own bitmap,
// then into ours): the start's pictures took a third longer that way.
GdiBitmap DecodePicture(const GlobalMemory& memory, SIZE_T bytes) {
  auto* data = static_cast<BYTE*>(GlobalLock(memory.Get()));
  if (!data) return {};
  // The component is a COM object: a caller's thread that has not joined
  // COM joins for the call (one that has is left as it is).
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  // The file is at most kMaxPictureFile long.
  GdiBitmap canvas = DecodeImage(data, static_cast<DWORD>(bytes));
  if (SUCCEEDED(com)) CoUninitialize();
  GlobalUnlock(memory.Get());
  return canvas;
}

}  // namespace

void LoadSkinImage(const std::wstring& path, GdiBitmap& bitmap, SIZE& size) {
  SIZE_T bytes = 0;
  GlobalMemory memory = ReadFileToGlobal(path, bytes);
  if (!memory) return;
  GdiBitmap decoded = DecodeWindowsBitmap(memory, bytes);
  if (!decoded) decoded = DecodePicture(memory, bytes);
  if (!decoded) return;
  bitmap = std::move(decoded);
  size = BitmapSize(bitmap.Get());
}

void CutImage(GdiBitmap& target, HBITMAP source, int left, int top, int right, int bottom) {
  if (!source) return;
  target.Reset();
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0) return;
  std::uint32_t* cut = nullptr;
  target = CreateCanvasBitmap(width, height, cut);
  // A canvas is copied row by row: no device context, no trip to the
  // drawing code, for the hundreds of cut-outs of a start.
  SIZE size{};
  if (const std::uint32_t* pixels = CanvasPixels(source, size); pixels && cut) {
    const int x0 = std::max(left, 0), x1 = std::min(right, static_cast<int>(size.cx));
    for (int y = std::max(top, 0); y < std::min(bottom, static_cast<int>(size.cy)) && x0 < x1; ++y)
      std::copy(pixels + static_cast<std::size_t>(y) * size.cx + x0, pixels + static_cast<std::size_t>(y) * size.cx + x1,
                cut + static_cast<std::size_t>(y - top) * width + (x0 - left));
    return;
  }
  MemoryDc from(nullptr);
  MemoryDc to(nullptr);
  if (!target || !from || !to) return;
  SelectScope selectFrom(from.Get(), source);
  SelectScope selectTo(to.Get(), target.Get());
  BitBlt(to.Get(), 0, 0, width, height, from.Get(), left, top, SRCCOPY);
}

GdiRegion RegionFromMask(HBITMAP mask) {
  if (!mask) return {};
  MemoryDc maskDc(nullptr);
  MemoryDc dibDc(nullptr);
  if (!maskDc || !dibDc) return {};
  const SIZE size = BitmapSize(mask);
  if (size.cx <= 0 || size.cy <= 0) return {};

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  GdiBitmap dib(CreateDIBSection(maskDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) return {};
  {
    SelectScope selectMask(maskDc.Get(), mask);
    SelectScope selectDib(dibDc.Get(), dib.Get());
    BitBlt(dibDc.Get(), 0, 0, size.cx, size.cy, maskDc.Get(), 0, 0, SRCCOPY);
  }
  GdiFlush();

  const auto* pixels = static_cast<const uint32_t*>(bits);
  // Bottom-up: the top row is the last in memory.
  const auto row = [&](LONG y) { return pixels + static_cast<std::size_t>(size.cy - 1 - y) * size.cx; };
  return RegionOfRuns(size.cx, size.cy, row, [](uint32_t pixel) { return (pixel & kRgb) != kRgb; });
}

GdiBitmap LoadBmpFile(const std::wstring& path) {
  SIZE_T bytes = 0;
  if (!ReadFileToGlobal(path, bytes)) return {};
  return GdiBitmap(static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

GdiRegion RegionFromImage(HBITMAP image) {
  const SIZE size = BitmapSize(image);
  MemoryDc dc(nullptr);
  if (size.cx <= 0 || size.cy <= 0 || !dc) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
  if (GetDIBits(dc.Get(), image, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS) != size.cy) return {};
  const uint32_t transparent = pixels[0] & kRgb;
  const auto row = [&](LONG y) { return pixels.data() + static_cast<std::size_t>(y) * size.cx; };
  return RegionOfRuns(size.cx, size.cy, row, [&](uint32_t pixel) { return (pixel & kRgb) != transparent; });
}
