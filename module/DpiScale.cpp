#include "DpiScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// Windows 7 and 8 have neither function: the library loads them where they exist.
typedef UINT(WINAPI* DpiOfWindowFunction)(HWND);
typedef UINT(WINAPI* DpiOfSystemFunction)();

template <class Function>
Function User32Function(const char* pszName)
{
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), pszName)));
}

// Pixels as a 32-bit top-down DIB holds them: blue, green, red, unused.
typedef std::vector<RGBQUAD> PixelRows;

BITMAPINFO TopDownInfo(int nWidth, int nHeight)
{
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = -nHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool ReadPixels(HBITMAP hBitmap, int nWidth, int nHeight, PixelRows& pixels)
{
  pixels.assign(static_cast<size_t>(nWidth) * nHeight, RGBQUAD());
  BITMAPINFO info = TopDownInfo(nWidth, nHeight);
  HDC hdc = ::GetDC(nullptr);
  const int nRows = ::GetDIBits(hdc, hBitmap, 0, nHeight, pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, hdc);
  return nRows == nHeight;
}

// One axis of a bilinear sample: the two source pixels and the weight of the second.
struct SSpan
{
  int nFirst, nSecond;
  double dSecond;
};

SSpan SpanOf(int nTarget, int nTargetSize, int nSourceSize)
{
  const double dCentre = (nTarget + 0.5) * nSourceSize / nTargetSize - 0.5;
  const double dClamped = (std::min)((std::max)(dCentre, 0.0), static_cast<double>(nSourceSize - 1));
  const int nFirst = static_cast<int>(dClamped);
  return {nFirst, (std::min)(nFirst + 1, nSourceSize - 1), dClamped - nFirst};
}

// Stretches the image whose top-left source pixel is at nSourceLeft into the target strip.
void StretchImage(const PixelRows& source, int nSourceStride, int nSourceLeft, SIZE sourceImage, PixelRows& target,
                  int nTargetStride, int nTargetLeft, SIZE targetImage, RGBQUAD key)
{
  auto isKey = [&key](const RGBQUAD& pixel) {
    return pixel.rgbRed == key.rgbRed && pixel.rgbGreen == key.rgbGreen && pixel.rgbBlue == key.rgbBlue;
  };
  for (int y = 0; y < targetImage.cy; ++y)
  {
    const SSpan rows = SpanOf(y, targetImage.cy, sourceImage.cy);
    for (int x = 0; x < targetImage.cx; ++x)
    {
      const SSpan columns = SpanOf(x, targetImage.cx, sourceImage.cx);
      const struct
      {
        int nX, nY;
        double dWeight;
      } samples[] = {{columns.nFirst, rows.nFirst, (1 - columns.dSecond) * (1 - rows.dSecond)},
                     {columns.nSecond, rows.nFirst, columns.dSecond * (1 - rows.dSecond)},
                     {columns.nFirst, rows.nSecond, (1 - columns.dSecond) * rows.dSecond},
                     {columns.nSecond, rows.nSecond, columns.dSecond * rows.dSecond}};
      double dCoverage = 0, dRed = 0, dGreen = 0, dBlue = 0;
      for (const auto& sample : samples)
      {
        const RGBQUAD& pixel = source[static_cast<size_t>(sample.nY) * nSourceStride + nSourceLeft + sample.nX];
        if (isKey(pixel))
          continue;
        dCoverage += sample.dWeight;
        dRed += sample.dWeight * pixel.rgbRed;
        dGreen += sample.dWeight * pixel.rgbGreen;
        dBlue += sample.dWeight * pixel.rgbBlue;
      }
      RGBQUAD& out = target[static_cast<size_t>(y) * nTargetStride + nTargetLeft + x];
      out = key;
      if (dCoverage < 0.5)
        continue;
      out.rgbRed = static_cast<BYTE>(std::lround(dRed / dCoverage));
      out.rgbGreen = static_cast<BYTE>(std::lround(dGreen / dCoverage));
      out.rgbBlue = static_cast<BYTE>(std::lround(dBlue / dCoverage));
      // Rounding may land on the key exactly: keep such a pixel opaque.
      if (isKey(out))
        out.rgbBlue ^= 1;
    }
  }
}

UINT ScreenDpi()
{
  HDC hdc = ::GetDC(nullptr);
  const UINT nDpi = hdc ? static_cast<UINT>(::GetDeviceCaps(hdc, LOGPIXELSY)) : 0;
  if (hdc)
    ::ReleaseDC(nullptr, hdc);
  return nDpi;
}
}  // namespace

CDpiScale CDpiScale::OfSystem()
{
  static const DpiOfSystemFunction pfnDpiOfSystem = User32Function<DpiOfSystemFunction>("GetDpiForSystem");
  return CDpiScale(pfnDpiOfSystem ? pfnDpiOfSystem() : ScreenDpi());
}

CDpiScale CDpiScale::OfWindow(HWND hWnd)
{
  static const DpiOfWindowFunction pfnDpiOfWindow = User32Function<DpiOfWindowFunction>("GetDpiForWindow");
  if (hWnd && pfnDpiOfWindow)
  {
    const UINT nDpi = pfnDpiOfWindow(hWnd);
    if (nDpi)
      return CDpiScale(nDpi);
  }
  return OfSystem();
}

HBITMAP CDpiScale::StretchImageStrip(HBITMAP hStrip, SIZE sourceImage, SIZE targetImage, COLORREF crKey)
{
  BITMAP strip = {};
  if (sourceImage.cx < 1 || sourceImage.cy < 1 || targetImage.cx < 1 || targetImage.cy < 1 ||
      !::GetObject(hStrip, sizeof strip, &strip) || strip.bmWidth < sourceImage.cx || strip.bmHeight < sourceImage.cy)
    return nullptr;
  PixelRows source;
  if (!ReadPixels(hStrip, strip.bmWidth, strip.bmHeight, source))
    return nullptr;
  const int nImages = strip.bmWidth / sourceImage.cx;
  const int nTargetWidth = nImages * targetImage.cx;
  PixelRows target(static_cast<size_t>(nTargetWidth) * targetImage.cy);
  const RGBQUAD key = {GetBValue(crKey), GetGValue(crKey), GetRValue(crKey), 0};
  for (int i = 0; i < nImages; ++i)
    StretchImage(source, strip.bmWidth, i * sourceImage.cx, sourceImage, target, nTargetWidth, i * targetImage.cx,
                 targetImage, key);
  const BITMAPINFO info = TopDownInfo(nTargetWidth, targetImage.cy);
  void* pBits = nullptr;
  HBITMAP hStretched = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
  if (hStretched != nullptr)
    std::copy(target.begin(), target.end(), static_cast<RGBQUAD*>(pBits));
  return hStretched;
}
