#pragma once
// Push buttons, flat speed buttons with a down state, and the check box.
#include "widgets/control.hpp"

namespace widgets {

class Button : public Control {
 public:
  Button() : Control(ControlKind::Button) {}
  // The button that Esc presses on its form.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }

 private:
  bool cancel_ = false;
};

// A flat button that can stay down. Buttons with the same non-zero group index under one parent
// form an exclusive group: setting one down releases the others.
class SpeedButton : public Control {
 public:
  SpeedButton() : Control(ControlKind::SpeedButton) {}

  bool Flat() const { return flat_; }
  void SetFlat(bool on) { flat_ = on; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g) { groupIndex_ = g; }
  // Whether the whole group may be up at once.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool on) { allowAllUp_ = on; }

  bool Down() const { return down_; }
  // Down: releases the rest of the group. Up: ignored for the down button of a group that must
  // keep one down, and for a button of no group.
  void SetDown(bool down);

  // A click goes down in its group (a plain button only clicks).
  void Click() override;

 private:
  bool flat_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
};

class CheckBox : public Control {
 public:
  CheckBox() : Control(ControlKind::CheckBox) {}
  bool Checked() const { return checked_; }
  // Programmatic: no click event.
  void SetChecked(bool on);
  // The user clicks: the check mark toggles, then OnClick fires.
  void Click() override;

 private:
  bool checked_ = false;
};

}  // namespace widgets
