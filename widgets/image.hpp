#pragma once
// A picture area that shows an icon (or cursor) from its top-left corner.
#include "widgets/control.hpp"

namespace widgets {

class Image : public Control {
 public:
  Image() : Control(ControlKind::Image) {}
  // The icon shown, 0 for none. The image does not own it.
  IconHandle Icon() const { return icon_; }
  void SetIcon(IconHandle icon) {
    if (icon == icon_) return;
    icon_ = icon;
    Changed(Prop::Picture);
  }

 private:
  IconHandle icon_ = 0;
};

}  // namespace widgets
