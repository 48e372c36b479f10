#include "tests/fake/fake_fonts.hpp"

#include "platform/fonts.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

FontHandle CreateIconTitleFont() {
  fake::Fonts& f = fake::Fake().fonts;
  f.created.push_back(f.nextFont++);
  return f.created.back();
}

void DestroyFont(FontHandle font) {
  if (font) fake::Fake().fonts.destroyed.push_back(font);
}

}  // namespace platform
