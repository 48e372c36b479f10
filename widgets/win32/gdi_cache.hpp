#pragma once
// The fonts and brushes the controls draw with, made once and kept until the backend goes, and
// the measuring of texts in them.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "widgets/types.hpp"

namespace widgets::win32 {

class GdiCache {
 public:
  // dpi: the screen's dots per inch, which 96-dpi font heights are scaled to.
  explicit GdiCache(int dpi) : dpi_(dpi) {}
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // The font to draw f with: its handed-over handle (owned by the Font), else one made from the
  // description and scaled to the screen, which the cache owns.
  HFONT FontFor(const Font& f);
  // The size of a one-line text in the font as a static control shows it ('&' marks a mnemonic),
  // measured on a memory DC of the cache's: no window DC to get and release.
  SIZE TextSize(const Font& f, const std::string& text);
  // A solid brush of the colour; owned by the cache (a system colour's is the system's).
  HBRUSH BrushFor(Color c);
  static COLORREF ToColorRef(Color c);

 private:
  int dpi_;
  HDC measureDc_ = nullptr;
  std::map<std::tuple<std::string, int, int>, HFONT> fonts_;
  std::map<Color, HBRUSH> brushes_;
};

}  // namespace widgets::win32
