#include "platform/fonts.hpp"

#include <windows.h>

namespace platform {

FontHandle CreateIconTitleFont() {
  LOGFONTA font{};
  if (!SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0)) return 0;
  return reinterpret_cast<FontHandle>(CreateFontIndirectA(&font));
}

void DestroyFont(FontHandle font) {
  if (font) DeleteObject(reinterpret_cast<HFONT>(font));
}

}  // namespace platform
