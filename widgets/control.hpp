#pragma once
// The base of every widget. A control holds its own state and raises its own events; with no peer
// attached (host tests) the object is the whole truth. A backend attaches a Peer that mirrors the
// state into a real window. Every setter compares first: setting a value a control already has
// does nothing at all, so a live page may rewrite its captions on every tick for free.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "widgets/types.hpp"

namespace widgets {

// What changed, as told to the peer. The peer reads the new value from the control.
enum class Prop : std::uint8_t {
  Caption, Bounds, Visible, Enabled, Hint, ShowHint, Font, Color, Cursor,
  Checked, Down, ItemIndex, Items, Position, Selection, Range, Interval, Picture,
  ActivePage, SmallImages, Closed,
  Cell,     // one cell of a list (ListView::ChangedCell says which)
  Options,  // the kind's Options record, or another look-only setting (bevels, alignment)
};

class Component;

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Prop what) = 0;
  // The native handle behind the component, 0 if it has none.
  virtual WindowHandle Handle() const { return 0; }
};

// Anything that lives on a form: controls and the non-visual parts (timer, menu, image list).
class Component {
 public:
  Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  // Tells every free notification, newest first, that this component is going away.
  virtual ~Component();

  // Whoever keeps a pointer to this component registers here to be told, once, when it is
  // destroyed, and drops the pointer then. The key removes the registration again (needed when
  // the holder dies first).
  using FreeNotify = std::function<void(Component& destroyed)>;
  int AddFreeNotification(FreeNotify notify);
  void RemoveFreeNotification(int key);
  // How many holders are registered: none once every holder has gone.
  std::size_t FreeNotificationCount() const { return freeNotifies_.size(); }

  const std::string& Name() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }

  // One integer free for the owner's use; never shown.
  std::int64_t Tag() const { return tag_; }
  void SetTag(std::int64_t tag) { tag_ = tag; }

  Peer* GetPeer() const { return peer_; }
  void AttachPeer(Peer* peer) { peer_ = peer; }
  WindowHandle Handle() const { return peer_ ? peer_->Handle() : 0; }

 protected:
  void Changed(Prop what) {
    if (peer_) peer_->Changed(what);
  }
  // Stores a new value of a property and tells the peer; a value the property already has does
  // nothing.
  template <class T>
  void Assign(T& field, const T& value, Prop what) {
    if (field == value) return;
    field = value;
    Changed(what);
  }

 private:
  std::string name_;
  std::int64_t tag_ = 0;
  Peer* peer_ = nullptr;
  std::vector<std::pair<int, FreeNotify>> freeNotifies_;
  int nextFreeKey_ = 0;
};

enum class ControlKind : std::uint8_t {
  Form, PageControl, TabSheet, Panel, Label, GroupBox, Button, SpeedButton, CheckBox,
  ComboBox, ListView, TrackBar, Image, BevelLine,
};

class Control : public Component {
 public:
  using NotifyEvent = std::function<void(Control& sender)>;
  using MouseEvent = std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;
  using MouseMoveEvent = std::function<void(Control& sender, ShiftState shift, int x, int y)>;

  explicit Control(ControlKind kind) : kind_(kind) {}
  ~Control() override;

  ControlKind Kind() const { return kind_; }

  Control* Parent() const { return parent_; }
  // Appends this control to the parent's children; the parent does not own it.
  void SetParent(Control* parent);
  const std::vector<Control*>& Children() const { return children_; }

  const Rect& Bounds() const { return bounds_; }
  // A new size moves and stretches the children by their anchors: a child anchored right (or
  // bottom) keeps its distance to that edge; anchored on both sides it grows with the parent.
  void SetBounds(const Rect& r);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view text);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  // Visible and every parent visible.
  bool Showing() const;

  const widgets::Font& GetFont() const { return font_; }
  // A font from FontFromHandle keeps its handle alive while the control (or any copy) holds it.
  void SetFont(const widgets::Font& f);
  // The colour applies to a handed-over font too.
  void SetFontColor(Color c);
  // Replaces a handed-over font by its description with this style.
  void SetFontStyle(std::uint8_t style);

  Color GetColor() const { return color_; }
  void SetColor(Color c);

  widgets::Cursor GetCursor() const { return cursor_; }
  void SetCursor(widgets::Cursor c);

  std::uint8_t Anchors() const { return anchors_; }
  void SetAnchors(std::uint8_t a) { anchors_ = a; }
  // Position in the tab order among the siblings; -1 = after those that have one, in creation order.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  MouseEvent OnMouseDown;
  MouseMoveEvent OnMouseMove;

  // Input, as the user gives it (the backend calls these; so do tests).
  virtual void Click();
  void DblClick();
  void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  void MouseMove(ShiftState shift, int x, int y);

 private:
  ControlKind kind_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  widgets::Font font_;
  Color color_ = clBtnFace;
  widgets::Cursor cursor_ = crDefault;
  std::uint8_t anchors_ = akLeft | akTop;
  int tabOrder_ = -1;
};

}  // namespace widgets
