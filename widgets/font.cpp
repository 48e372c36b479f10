#include "platform/fonts.hpp"
#include "widgets/types.hpp"

namespace widgets {

OwnedFont::~OwnedFont() { platform::DestroyFont(handle_); }

Font FontFromHandle(platform::FontHandle handle, Font base) {
  if (!handle) return base;
  try {
    base.handle = std::make_shared<const OwnedFont>(handle);
  } catch (...) {
    platform::DestroyFont(handle);  // the hand-over holds even when it fails
    throw;
  }
  return base;
}

}  // namespace widgets
