#pragma once
// Static text. An auto-sized label takes the width of its text; the backend measures it.
#include "widgets/control.hpp"

namespace widgets {

class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on) { autoSize_ = on; }

 private:
  bool autoSize_ = true;
};

class GroupBox : public Control {
 public:
  GroupBox() : Control(ControlKind::GroupBox) {}
};

}  // namespace widgets
