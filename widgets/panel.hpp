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
    bevelInner_ = inner;
    bevelOuter_ = outer;
  }
  // Space between the bevels and the caption, in pixels.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w) { borderWidth_ = w; }
  Alignment CaptionAlignment() const { return alignment_; }
  void SetCaptionAlignment(Alignment a) { alignment_ = a; }

 private:
  Bevel bevelInner_ = Bevel::None;
  Bevel bevelOuter_ = Bevel::Raised;
  int borderWidth_ = 0;
  Alignment alignment_ = Alignment::Center;
};

}  // namespace widgets
