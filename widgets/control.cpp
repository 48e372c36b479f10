#include "widgets/control.hpp"

#include <algorithm>
#include <utility>

namespace widgets {

Component::~Component() {
  // A notification may remove others (or itself); take each one out before running it.
  while (!freeNotifies_.empty()) {
    FreeNotify notify = std::move(freeNotifies_.back().second);
    freeNotifies_.pop_back();
    if (notify) notify(*this);
  }
}

int Component::AddFreeNotification(FreeNotify notify) {
  freeNotifies_.emplace_back(++nextFreeKey_, std::move(notify));
  return nextFreeKey_;
}

void Component::RemoveFreeNotification(int key) {
  std::erase_if(freeNotifies_, [key](const auto& entry) { return entry.first == key; });
}

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (Control* child : children_) child->parent_ = nullptr;
}

void Control::SetParent(Control* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

void Control::SetBounds(const Rect& r) {
  if (bounds_ == r) return;
  const int dw = r.width - bounds_.width, dh = r.height - bounds_.height;
  bounds_ = r;
  Changed(Prop::Bounds);
  if (dw == 0 && dh == 0) return;
  for (Control* child : children_) {
    Rect b = child->bounds_;
    const std::uint8_t a = child->anchors_;
    if (a & akRight) ((a & akLeft) ? b.width : b.left) += dw;
    if (a & akBottom) ((a & akTop) ? b.height : b.top) += dh;
    child->SetBounds(b);
  }
}

void Control::SetCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_.assign(text);
  Changed(Prop::Caption);
}

void Control::SetHint(std::string_view text) {
  if (hint_ == text) return;
  hint_.assign(text);
  Changed(Prop::Hint);
}

void Control::SetShowHint(bool on) {
  if (showHint_ == on) return;
  showHint_ = on;
  Changed(Prop::ShowHint);
}

void Control::SetEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  Changed(Prop::Enabled);
}

void Control::SetVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  Changed(Prop::Visible);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetFont(const widgets::Font& f) {
  if (font_ == f) return;
  // A handed-over font the new one replaces is freed only after the window has the new one.
  const widgets::Font old = std::exchange(font_, f);
  Changed(Prop::Font);
}

void Control::SetFontColor(Color c) {
  if (font_.color == c) return;
  font_.color = c;
  Changed(Prop::Font);
}

void Control::SetFontStyle(std::uint8_t style) {
  if (font_.style == style) return;
  // A handed-over font cannot show another style: the description takes its place.
  widgets::Font f = font_;
  f.style = style;
  f.handle.reset();
  SetFont(f);
}

void Control::SetColor(Color c) {
  if (color_ == c) return;
  color_ = c;
  Changed(Prop::Color);
}

void Control::SetCursor(widgets::Cursor c) {
  if (cursor_ == c) return;
  cursor_ = c;
  Changed(Prop::Cursor);
}

void Control::Click() {
  if (enabled_ && OnClick) OnClick(*this);
}

void Control::DblClick() {
  if (enabled_ && OnDblClick) OnDblClick(*this);
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (enabled_ && OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) {
  if (enabled_ && OnMouseMove) OnMouseMove(*this, shift, x, y);
}

}  // namespace widgets
