#pragma once
// A push button.
#include "widgets/control.hpp"

namespace widgets {

class Button : public Control {
 public:
  Button() : Control(ControlKind::Button) {}
};

}  // namespace widgets
