#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/files.hpp"
#include "tests/fake/fake_platform.hpp"
#include "widgets/application.hpp"
#include "widgets/button.hpp"
#include "widgets/combo_box.hpp"
#include "widgets/components.hpp"
#include "widgets/form.hpp"
#include "widgets/list_view.hpp"
#include "widgets/page_control.hpp"
#include "widgets/track_bar.hpp"

namespace {

// Records what a backend would be told.
class RecordingPeer : public widgets::Peer {
 public:
  void Changed(widgets::Prop what) override { changes.push_back(what); }
  std::vector<widgets::Prop> changes;
};

TEST(Control, SettingTheSameValueTellsThePeerNothing) {
  widgets::Form form("TTest");
  RecordingPeer peer;
  form.AttachPeer(&peer);
  form.SetCaption("abc");
  form.SetCaption("abc");
  form.SetEnabled(true);
  form.SetVisible(true);
  form.SetHint("");
  form.SetBounds({});
  form.SetFontColor(widgets::clWindowText);
  ASSERT_EQ(peer.changes.size(), 1u);
  EXPECT_EQ(peer.changes[0], widgets::Prop::Caption);
  form.SetCaption("abd");
  form.SetEnabled(false);
  EXPECT_EQ(peer.changes.size(), 3u);
  form.AttachPeer(nullptr);
}

TEST(Control, DisabledControlsIgnoreInput) {
  widgets::Button b;
  int clicks = 0, downs = 0;
  b.OnClick = [&](widgets::Control&) { ++clicks; };
  b.OnMouseDown = [&](widgets::Control&, widgets::MouseButton, widgets::ShiftState, int, int) { ++downs; };
  b.SetEnabled(false);
  b.Click();
  b.MouseDown(widgets::MouseButton::Left, widgets::ssLeft, 1, 1);
  EXPECT_EQ(clicks + downs, 0);
  b.SetEnabled(true);
  b.Click();
  EXPECT_EQ(clicks, 1);
}

TEST(Control, ParentKeepsChildrenInOrderAndForgetsDestroyedOnes) {
  widgets::Form form("TTest");
  auto a = std::make_unique<widgets::Button>();
  widgets::Button b;
  a->SetParent(&form);
  b.SetParent(&form);
  ASSERT_EQ(form.Children().size(), 2u);
  EXPECT_EQ(form.Children()[1], &b);
  a.reset();
  ASSERT_EQ(form.Children().size(), 1u);
  EXPECT_EQ(form.Children()[0], &b);
}

TEST(Control, ShowingNeedsEveryParentVisible) {
  widgets::Form outer("O");
  widgets::Button inner;
  inner.SetParent(&outer);
  EXPECT_TRUE(inner.Showing());
  outer.SetVisible(false);
  EXPECT_FALSE(inner.Showing());
  EXPECT_TRUE(inner.Visible());
}

TEST(Control, AnchorsMoveAndStretchChildrenWithTheirParent) {
  widgets::Form form("TTest");
  form.SetBounds({0, 0, 100, 50});
  widgets::Button left, right, both, bottom;
  for (auto* b : {&left, &right, &both, &bottom}) b->SetParent(&form);
  left.SetBounds({10, 10, 20, 20});
  right.SetBounds({70, 10, 20, 20});
  right.SetAnchors(widgets::akTop | widgets::akRight);
  both.SetBounds({10, 30, 80, 10});
  both.SetAnchors(widgets::akLeft | widgets::akTop | widgets::akRight);
  bottom.SetBounds({10, 35, 20, 10});
  bottom.SetAnchors(widgets::akLeft | widgets::akBottom);
  form.SetBounds({5, 5, 130, 60});
  EXPECT_EQ(left.Bounds(), (widgets::Rect{10, 10, 20, 20}));
  EXPECT_EQ(right.Bounds(), (widgets::Rect{100, 10, 20, 20}));
  EXPECT_EQ(both.Bounds(), (widgets::Rect{10, 30, 110, 10}));
  EXPECT_EQ(bottom.Bounds(), (widgets::Rect{10, 45, 20, 10}));
  form.SetBounds({0, 0, 130, 60});  // moving alone moves no child
  EXPECT_EQ(right.Bounds().left, 100);
}

TEST(Form, ForgetsItsCancelButtonMenuAndComponentsWhenTheyGoFirst) {
  widgets::Form form("TTest");
  {
    widgets::Button cancel;
    widgets::PopupMenu menu;
    form.SetCancelButton(&cancel);
    form.SetContextMenu(&menu);
  }
  EXPECT_EQ(form.CancelButton(), nullptr);
  EXPECT_EQ(form.ContextMenu(), nullptr);
  widgets::Timer kept;
  {
    widgets::Timer gone;
    form.AddComponent(gone);
    form.AddComponent(kept);
  }
  EXPECT_EQ(form.Components(), std::vector<widgets::Component*>{&kept}) << "the destroyed component leaves the list";
  // The other order: the form goes first and must leave no notification behind that would run on
  // it when its cancel button, menu or components die later.
  widgets::Button survivor;
  widgets::Timer timer;
  widgets::PopupMenu popup;
  {
    auto gone = std::make_unique<widgets::Form>("TGone");
    gone->SetCancelButton(&survivor);
    gone->SetContextMenu(&popup);
    gone->AddComponent(timer);
  }
  for (const widgets::Component* c : std::initializer_list<const widgets::Component*>{&survivor, &popup, &timer})
    EXPECT_EQ(c->FreeNotificationCount(), 0u);
}

TEST(Form, ModalFormsEndWithTheirResult) {
  widgets::Application app;  // headless: OnShow stands for the time the form is up
  widgets::Form form("TTest");
  int shown = 0;
  form.OnShow = [&](widgets::Control&) {
    ++shown;
    EXPECT_TRUE(form.Modal());
    form.Close();
  };
  EXPECT_EQ(app.ShowModal(form), widgets::mrCancel) << "closing is a cancel";
  EXPECT_FALSE(form.Modal());
  form.OnShow = [&](widgets::Control&) { form.SetModalResult(widgets::mrOk); form.Close(); };
  EXPECT_EQ(app.ShowModal(form), widgets::mrOk) << "a result set before closing is kept";
  form.OnShow = [&](widgets::Control&) { throw 1; };
  EXPECT_THROW(app.ShowModal(form), int);
  EXPECT_FALSE(form.Modal()) << "a failing handler still ends the modal state";
  EXPECT_EQ(shown, 1);
}

TEST(Form, KeyPressReachesTheFormOnlyWithKeyPreview) {
  widgets::Form form("TTest");
  std::string keys;
  form.OnKeyPress = [&](widgets::Control&, char& key) {
    keys += key;
    if (key == 'x') key = 0;
  };
  char k = 'a';
  form.KeyPress(k);
  EXPECT_EQ(keys, "");
  form.SetKeyPreview(true);
  form.KeyPress(k);
  char x = 'x';
  form.KeyPress(x);
  EXPECT_EQ(keys, "ax");
  EXPECT_EQ(x, 0) << "the handler can swallow the key";
}

TEST(Form, CloseHappensOnce) {
  widgets::Form form("TTest");
  RecordingPeer peer;
  form.AttachPeer(&peer);
  form.Close();
  form.Close();
  EXPECT_TRUE(form.Closed());
  EXPECT_EQ(peer.changes, std::vector<widgets::Prop>{widgets::Prop::Closed});
  form.AttachPeer(nullptr);
}

TEST(ComboBox, OnlyTheUsersChoiceRaisesChange) {
  widgets::ComboBox c;
  c.SetItems({"a", "b", "c"});
  int changes = 0;
  c.OnChange = [&](widgets::Control&) { ++changes; };
  c.SetItemIndex(1);
  EXPECT_EQ(c.Text(), "b");
  EXPECT_EQ(changes, 0);
  c.Select(2);
  EXPECT_EQ(c.Text(), "c");
  EXPECT_EQ(changes, 1);
  c.SetItemIndex(7);
  EXPECT_EQ(c.ItemIndex(), -1) << "an index outside the items selects nothing";
  EXPECT_EQ(c.Text(), "");
  c.Select(3);
  EXPECT_EQ(changes, 1);
}

TEST(PageControl, NextPageWrapsRoundBothWays) {
  widgets::PageControl pc;
  widgets::TabSheet a, b, c;
  for (auto* s : {&a, &b, &c}) s->SetParent(&pc);
  std::vector<int> seen;
  pc.OnChange = [&](widgets::Control&) { seen.push_back(pc.ActivePageIndex()); };
  pc.SelectNextPage(false);
  pc.SelectNextPage(true);
  pc.SelectNextPage(true);
  pc.SelectNextPage(true);
  EXPECT_EQ(seen, (std::vector<int>{2, 0, 1, 2}));
}

TEST(PageControl, OnlyTheUsersChoiceRaisesChange) {
  widgets::PageControl pc;
  widgets::TabSheet a, b;
  a.SetParent(&pc);
  b.SetParent(&pc);
  int changes = 0;
  pc.OnChange = [&](widgets::Control&) { ++changes; };
  pc.SetActivePageIndex(1);
  EXPECT_EQ(pc.ActivePage(), &b);
  EXPECT_EQ(changes, 0);
  pc.SelectPage(0);
  EXPECT_EQ(changes, 1);
  pc.SelectPage(0);
  pc.SelectPage(2);
  EXPECT_EQ(changes, 1) << "the page that shows, or no page, is no change";
}

TEST(TrackBar, EveryNewPositionRaisesChangeAndStaysInRange) {
  widgets::TrackBar t;
  t.SetRange(0, 1000);
  std::vector<int> seen;
  t.OnChange = [&](widgets::Control& c) { seen.push_back(static_cast<widgets::TrackBar&>(c).Position()); };
  t.SetPosition(500);
  t.SetPosition(500);
  t.SetPosition(1500);
  t.SetPosition(-3);
  EXPECT_EQ(seen, (std::vector<int>{500, 1000, 0}));
}

TEST(CheckBox, ClickTogglesBeforeTheHandlerRuns) {
  widgets::CheckBox c;
  bool seen = false;
  c.OnClick = [&](widgets::Control&) { seen = c.Checked(); };
  c.Click();
  EXPECT_TRUE(seen);
  c.SetChecked(false);
  EXPECT_TRUE(seen) << "setting the check mark programmatically is no click";
}

TEST(SpeedButton, GroupsAreSeparatedByIndexAndParent) {
  widgets::Form f1("A"), f2("B");
  widgets::SpeedButton a, b, c, d;
  for (auto* s : {&a, &b, &c}) s->SetParent(&f1);
  d.SetParent(&f2);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  c.SetGroupIndex(2);
  d.SetGroupIndex(1);
  a.SetDown(true);
  c.SetDown(true);
  d.SetDown(true);
  b.SetDown(true);
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  EXPECT_TRUE(c.Down()) << "another group";
  EXPECT_TRUE(d.Down()) << "another parent";
}

TEST(ListView, ABatchReachesTheBackendOnce) {
  widgets::ListView l;
  RecordingPeer peer;
  l.AttachPeer(&peer);
  l.BeginUpdate();
  l.ClearItems();
  for (int i = 0; i < 17; ++i) l.AddSubItem(l.AddItem("row"), "value");
  EXPECT_TRUE(peer.changes.empty());
  l.EndUpdate();
  EXPECT_EQ(peer.changes, std::vector<widgets::Prop>{widgets::Prop::Items});
  EXPECT_EQ(l.ItemCount(), 17);
  l.SetCell(0, 1, "value");
  EXPECT_EQ(peer.changes.size(), 1u) << "the same text is no change";
  l.SetCell(99, 1, "x");
  l.SetCell(-1, 0, "x");
  l.SetCell(0, -1, "x");
  l.AddSubItem(99, "x");
  EXPECT_EQ(peer.changes.size(), 1u) << "cells of items that do not exist are left alone";
  l.AttachPeer(nullptr);
}

TEST(ListView, OneCellOutsideABatchIsOneCellChange) {
  widgets::ListView l;
  l.AddSubItem(l.AddItem("a"), "a1");
  l.AddItem("b");
  RecordingPeer peer;
  l.AttachPeer(&peer);
  l.SetCell(1, 0, "B");
  EXPECT_EQ(peer.changes, std::vector<widgets::Prop>{widgets::Prop::Cell});
  EXPECT_EQ(l.ChangedCell(), (std::pair{1, 0}));
  l.SetCell(1, 3, "b3");  // sub-items up to that column appear, empty
  EXPECT_EQ(l.ChangedCell(), (std::pair{1, 3}));
  EXPECT_EQ(l.Items()[1].subItems, (std::vector<std::string>{"", "", "b3"}));
  l.BeginUpdate();
  l.SetCell(0, 1, "x");
  l.SetCell(0, 0, "y");
  l.EndUpdate();
  EXPECT_EQ(peer.changes.back(), widgets::Prop::Items) << "inside a batch the list is rewritten once";
  EXPECT_EQ(peer.changes.size(), 3u);
  l.AttachPeer(nullptr);
}

TEST(ListView, ForgetsItsImageListWhenThatGoesFirst) {
  widgets::ListView l;
  RecordingPeer peer;
  {
    widgets::ImageList images;
    l.SetSmallImages(&images);
    l.AttachPeer(&peer);
  }
  EXPECT_EQ(l.SmallImages(), nullptr);
  EXPECT_EQ(peer.changes, std::vector<widgets::Prop>{widgets::Prop::SmallImages});
  l.AttachPeer(nullptr);
  // And the other order: the list goes first, the image list lives on without a stale holder.
  widgets::ImageList images;
  { widgets::ListView gone; gone.SetSmallImages(&images); }
  EXPECT_EQ(images.FreeNotificationCount(), 0u) << "the list dropped its notification";
}

TEST(Timer, TicksOnlyWhileEnabled) {
  widgets::Timer t;
  int ticks = 0;
  t.OnTimer = [&](widgets::Component&) { ++ticks; };
  t.Tick();
  t.SetEnabled(false);
  t.Tick();
  EXPECT_EQ(ticks, 1);
}

}  // namespace

namespace {

TEST(Component, FreeNotificationsRunOnceAtDestructionAndCanBeRemoved) {
  std::vector<int> told;
  int removed = 0;
  {
    widgets::Timer timer;
    timer.AddFreeNotification([&](widgets::Component& c) { told.push_back(c.Tag() == 7 ? 1 : -1); });
    removed = timer.AddFreeNotification([&](widgets::Component&) { told.push_back(2); });
    // A notification that removes a later one while running must not run that one.
    int third = 0;
    third = timer.AddFreeNotification([&](widgets::Component& c) {
      told.push_back(3);
      c.RemoveFreeNotification(third);
    });
    timer.RemoveFreeNotification(removed);
    timer.SetTag(7);
  }
  EXPECT_EQ(told, (std::vector<int>{3, 1}));
}

class TrackingMenuPeer : public widgets::PopupMenuPeer {
 public:
  void Changed(widgets::Prop) override {}
  void TrackAt(int x, int y, widgets::WindowHandle owner) override {
    log->push_back("track " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(owner));
  }
  std::vector<std::string>* log = nullptr;
};

TEST(PopupMenu, PopupRaisesOnPopupBeforeTheMenuShows) {
  widgets::PopupMenu menu;
  std::vector<std::string> log;
  menu.OnPopup = [&](widgets::Component&) { log.push_back("popup"); };
  menu.Popup(1, 2, 3);  // headless: the event alone
  EXPECT_EQ(log, (std::vector<std::string>{"popup"}));
  TrackingMenuPeer peer;
  peer.log = &log;
  menu.AttachPeer(&peer);
  menu.Popup(10, 20, 99);
  menu.AttachPeer(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"popup", "popup", "track 10,20 99"}));
  EXPECT_EQ(menu.GetTrackButton(), widgets::TrackButton::Right);
}

TEST(ImageList, OwnsACopyOfEveryIconAndReleasesThemAll) {
  fake::ResetFake();
  const fake::Files& files = fake::Fake().files;
  const platform::IconHandle source = fake::MakeIcon();
  {
    widgets::ImageList list;
    RecordingPeer peer;
    list.AttachPeer(&peer);
    EXPECT_EQ(list.AddIcon(source), 0);
    platform::DestroyIconHandle(source);  // the caller's handle may go at once
    EXPECT_EQ(list.AddIcon(0), -1);
    EXPECT_EQ(list.AddIcon(source), -1) << "a destroyed icon cannot be copied";
    ASSERT_EQ(list.Count(), 1);

    const platform::IconHandle out = list.GetIcon(0);
    EXPECT_NE(out, list.Icons()[0]) << "the caller gets a handle of its own";
    EXPECT_EQ(fake::OriginalIcon(out), source);
    platform::DestroyIconHandle(out);
    EXPECT_EQ(list.GetIcon(1), 0u);
    EXPECT_EQ(list.GetIcon(-1), 0u);
    EXPECT_EQ(files.liveIcons.size(), 1u);

    list.Clear();
    EXPECT_TRUE(files.liveIcons.empty());
    EXPECT_EQ(peer.changes, (std::vector<widgets::Prop>{widgets::Prop::Items, widgets::Prop::Items}));
    list.AttachPeer(nullptr);
    const platform::IconHandle another = fake::MakeIcon();
    list.AddIcon(another);
    list.AddIcon(another);
    platform::DestroyIconHandle(another);
  }
  EXPECT_TRUE(files.liveIcons.empty()) << "destruction releases every copy";
  EXPECT_EQ(files.misusedIcons, std::vector<platform::IconHandle>{source}) << "only the copy that was refused";
}

TEST(ScreenCursors, OnlyTheTwentyThreeNumbersHaveACursor) {
  widgets::Application app;
  app.SetCursorHandle(widgets::crSizeAll, 0x22);
  app.SetCursorHandle(widgets::crDefault, 0x10);
  app.SetCursorHandle(-23, 0x23);
  app.SetCursorHandle(1, 0x01);
  EXPECT_EQ(app.CursorHandle(widgets::crSizeAll), 0x22u);
  EXPECT_EQ(app.CursorHandle(widgets::crDefault), 0x10u);
  EXPECT_EQ(app.CursorHandle(widgets::crNone), 0u);
  EXPECT_EQ(app.CursorHandle(-23), 0u);
  EXPECT_EQ(app.CursorHandle(1), 0u);
}

}  // namespace
