#include "platform/fonts.hpp"

#include <windows.h>

namespace platform {

FontHandle CreateIconTitleFont() {
  LOGFONTW font{};  // the face name in Unicode: a name the code page cannot hold stays whole
  if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0)) return 0;
  return reinterpret_cast<FontHandle>(CreateFontIndirectW(&font));
}

void DestroyFont(FontHandle font) {
  if (font) DeleteObject(reinterpret_cast<HFONT>(font));
}

}  // namespace platform
