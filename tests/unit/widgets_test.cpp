#include <gtest/gtest.h>

#include <vector>

#include "widgets/control.hpp"
#include "widgets/form.hpp"

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
  ASSERT_EQ(peer.changes.size(), 1u);
  EXPECT_EQ(peer.changes[0], widgets::Prop::Caption);
  form.SetCaption("abd");
  form.SetEnabled(false);
  EXPECT_EQ(peer.changes.size(), 3u);
  form.AttachPeer(nullptr);
}

TEST(Control, ParentKeepsChildrenInOrderAndForgetsDestroyedOnes) {
  widgets::Form form("TTest");
  auto a = std::make_unique<widgets::Form>("A");
  widgets::Form b("B");
  a->SetParent(&form);
  b.SetParent(&form);
  ASSERT_EQ(form.Children().size(), 2u);
  EXPECT_EQ(form.Children()[1], &b);
  a.reset();
  ASSERT_EQ(form.Children().size(), 1u);
  EXPECT_EQ(form.Children()[0], &b);
}

TEST(Control, ShowingNeedsEveryParentVisible) {
  widgets::Form outer("O"), inner("I");
  inner.SetParent(&outer);
  EXPECT_TRUE(inner.Showing());
  outer.SetVisible(false);
  EXPECT_FALSE(inner.Showing());
  EXPECT_TRUE(inner.Visible());
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

}  // namespace
