#include "widgets/button.hpp"

namespace widgets {

void SpeedButton::SetDown(bool down) {
  if (down == down_) return;
  if (groupIndex_ == 0) {
    down_ = down;  // a plain button may be held down and released freely
    Changed(Prop::Down);
    return;
  }
  if (!down && !allowAllUp_) return;  // the group keeps one button down
  down_ = down;
  Changed(Prop::Down);
  if (!down || !Parent()) return;
  for (Control* sibling : Parent()->Children()) {
    if (sibling == this || sibling->Kind() != ControlKind::SpeedButton) continue;
    auto* other = static_cast<SpeedButton*>(sibling);
    if (other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Changed(Prop::Down);
    }
  }
}

void SpeedButton::Click() {
  if (!Enabled()) return;
  if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
  Control::Click();
}

void CheckBox::SetChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  Changed(Prop::Checked);
}

void CheckBox::Click() {
  if (!Enabled()) return;
  SetChecked(!checked_);
  Control::Click();
}

}  // namespace widgets
