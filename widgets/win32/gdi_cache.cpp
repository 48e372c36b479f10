#include "widgets/win32/gdi_cache.hpp"

#include "platform/utf.hpp"

namespace widgets::win32 {

GdiCache::~GdiCache() {
  if (measureDc_) DeleteDC(measureDc_);
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::FontFor(const Font& f) {
  if (f.handle) return reinterpret_cast<HFONT>(f.handle->Handle());
  const auto key = std::make_tuple(f.name, f.height, static_cast<int>(f.style));
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HFONT font = CreateFontW(MulDiv(f.height, dpi_, 96), 0, 0, 0, (f.style & fsBold) ? FW_BOLD : FW_NORMAL,
                           (f.style & fsItalic) != 0, (f.style & fsUnderline) != 0, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           platform::Utf8ToUtf16(f.name).c_str());
  fonts_.emplace(key, font);
  return font;
}

SIZE GdiCache::TextSize(const Font& f, const std::string& text) {
  if (!measureDc_) measureDc_ = CreateCompatibleDC(nullptr);
  RECT r{0, 0, 0, 0};
  if (measureDc_) {
    HGDIOBJ old = SelectObject(measureDc_, FontFor(f));
    const std::wstring wide = platform::Utf8ToUtf16(text);
    DrawTextW(measureDc_, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SelectObject(measureDc_, old);
  }
  return SIZE{r.right - r.left, r.bottom - r.top};
}

COLORREF GdiCache::ToColorRef(Color c) {
  return IsSystemColor(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : static_cast<COLORREF>(c & 0xFFFFFF);
}

HBRUSH GdiCache::BrushFor(Color c) {
  if (IsSystemColor(c)) return GetSysColorBrush(static_cast<int>(c & 0xFF));  // shared, never deleted
  if (auto it = brushes_.find(c); it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(ToColorRef(c));
  brushes_.emplace(c, brush);
  return brush;
}

}  // namespace widgets::win32
