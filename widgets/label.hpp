#pragma once
// Static text. An auto-sized label takes the width of its text; the backend measures it. A label
// of fixed size keeps its bounds and breaks its text into lines inside them.
#include "widgets/control.hpp"
#include "widgets/panel.hpp"

namespace widgets {

class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on) { Assign(autoSize_, on, Prop::Options); }
  // How the text lies inside the label's bounds.
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a) { Assign(alignment_, a, Prop::Options); }

 private:
  bool autoSize_ = true;
  Alignment alignment_ = Alignment::Left;
};

class GroupBox : public Control {
 public:
  GroupBox() : Control(ControlKind::GroupBox) {}
};

}  // namespace widgets
