#pragma once
// A horizontal slider. Every change of its position, by the user or by the program, raises
// OnChange; the position always stays inside Min..Max (a narrower range moves it inside).
#include "widgets/control.hpp"

namespace widgets {

class TrackBar : public Control {
 public:
  // How the bar looks and steps: given before the window is made, they shape it; given later, they
  // reach the window too.
  struct Options {
    int lineSize = 1;      // step of the arrow keys
    int pageSize = 2;      // step of Page Up / Page Down and of a click beside the thumb
    int frequency = 1;     // a tick mark every this many positions
    bool noTicks = false;  // no tick marks at all
    int thumbLength = 20;  // pixels at 96 dpi
    bool operator==(const Options&) const = default;
  };

  TrackBar() : Control(ControlKind::TrackBar) {}

  const Options& GetOptions() const { return options_; }
  void SetOptions(const Options& options);

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int p);

  int SelStart() const { return selStart_; }
  int SelEnd() const { return selEnd_; }
  void SetSelection(int start, int end);

  NotifyEvent OnChange;

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int selStart_ = 0;
  int selEnd_ = 0;
  Options options_;
};

}  // namespace widgets
