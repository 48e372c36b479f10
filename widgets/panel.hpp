#pragma once
// A panel: a container with bevels, and optionally a caption (a value panel shows its value so).
#include "widgets/control.hpp"

namespace widgets {

enum class Bevel : std::uint8_t { None, Lowered, Raised };
enum class Alignment : std::uint8_t { Left, Right, Center };

class Panel : public Control {
 public:
  Panel() : Control(ControlKind::Panel) {}

  Bevel BevelInner() const { return bevelInner_; }
  Bevel BevelOuter() const { return bevelOuter_; }
  void SetBevels(Bevel inner, Bevel outer) {
    if (inner == bevelInner_ && outer == bevelOuter_) return;
    bevelInner_ = inner;
    bevelOuter_ = outer;
    Changed(Prop::Options);
  }
  // Space between the bevels and the caption, in pixels.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w) { Assign(borderWidth_, w, Prop::Options); }
  Alignment CaptionAlignment() const { return alignment_; }
  void SetCaptionAlignment(Alignment a) { Assign(alignment_, a, Prop::Options); }

 private:
  Bevel bevelInner_ = Bevel::None;
  Bevel bevelOuter_ = Bevel::Raised;
  int borderWidth_ = 0;
  Alignment alignment_ = Alignment::Center;
};

// A line or frame drawn as a bevel: the separators of a dialog. It takes no input.
enum class BevelShape : std::uint8_t { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };

class BevelLine : public Control {
 public:
  BevelLine() : Control(ControlKind::BevelLine) {}
  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape s) { Assign(shape_, s, Prop::Options); }
  // Lowered: an etched groove; Raised: a ridge.
  Bevel Style() const { return style_; }
  void SetStyle(Bevel s) { Assign(style_, s, Prop::Options); }

 private:
  BevelShape shape_ = BevelShape::Box;
  Bevel style_ = Bevel::Lowered;
};

}  // namespace widgets
