#include "widgets/track_bar.hpp"

#include <algorithm>

namespace widgets {

void TrackBar::SetRange(int min, int max) {
  if (max < min) max = min;
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  Changed(Prop::Range);
  SetPosition(position_);
}

void TrackBar::SetPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  Changed(Prop::Position);
  if (OnChange) OnChange(*this);
}

void TrackBar::SetOptions(const Options& options) { Assign(options_, options, Prop::Options); }

void TrackBar::SetSelection(int start, int end) {
  if (start == selStart_ && end == selEnd_) return;
  selStart_ = start;
  selEnd_ = end;
  Changed(Prop::Selection);
}

}  // namespace widgets
