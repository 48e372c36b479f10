#pragma once
// A horizontal slider. Every change of its position, by the user or by the program, raises
// OnChange; the position always stays inside Min..Max.
#include "widgets/control.hpp"

namespace widgets {

class TrackBar : public Control {
 public:
  TrackBar() : Control(ControlKind::TrackBar) {}

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int p);

  int SelStart() const { return selStart_; }
  int SelEnd() const { return selEnd_; }
  void SetSelection(int start, int end);

  // Fixed at creation: steps of the arrow and page keys, tick spacing, tick marks, thumb length.
  int LineSize = 1;
  int PageSize = 2;
  int Frequency = 1;
  bool NoTicks = false;
  int ThumbLength = 20;

  NotifyEvent OnChange;

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int selStart_ = 0;
  int selEnd_ = 0;
};

}  // namespace widgets
