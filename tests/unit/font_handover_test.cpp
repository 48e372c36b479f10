// A font handle handed to the toolkit (the icon-title font) is freed exactly once, by whoever
// holds it last, and never while a window may still be drawing with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "funclib/window.hpp"
#include "widgets/list_view.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

int TimesDestroyed(platform::FontHandle h) {
  const auto& d = fake::Fake().fonts.destroyed;
  return static_cast<int>(std::count(d.begin(), d.end(), h));
}

// Notes, at each font change, whether the handle was already freed when the window was told.
class FontPeer : public widgets::Peer {
 public:
  explicit FontPeer(platform::FontHandle watched) : watched_(watched) {}
  void Changed(widgets::Prop what) override {
    if (what == widgets::Prop::Font) freedBeforeTold = freedBeforeTold || TimesDestroyed(watched_) > 0;
  }
  bool freedBeforeTold = false;

 private:
  platform::FontHandle watched_;
};

class FontHandOver : public ::testing::Test {
 protected:
  void SetUp() override { fake::ResetFake(); }
};

TEST_F(FontHandOver, TheLastHolderFreesTheHandleOnceAfterTheWindowHasTheNewFont) {
  const platform::FontHandle h = funclib::GetIconTitleFont();
  ASSERT_NE(h, 0u);
  auto first = std::make_unique<widgets::ListView>();
  widgets::ListView second;
  first->SetFont(widgets::FontFromHandle(h, first->GetFont()));
  second.SetFont(first->GetFont());  // shares the handle
  first.reset();
  EXPECT_EQ(TimesDestroyed(h), 0) << "another control still draws with it";

  FontPeer peer(h);
  second.AttachPeer(&peer);
  second.SetFont(widgets::Font{});
  second.AttachPeer(nullptr);
  EXPECT_EQ(TimesDestroyed(h), 1);
  EXPECT_FALSE(peer.freedBeforeTold);
}

TEST_F(FontHandOver, ColourKeepsTheHandleAndAnotherStyleReplacesIt) {
  const platform::FontHandle h = funclib::GetIconTitleFont();
  widgets::ListView list;
  list.SetFont(widgets::FontFromHandle(h));
  list.SetFontColor(widgets::clNavy);
  list.SetFontStyle(list.GetFont().style);  // unchanged: nothing happens
  ASSERT_TRUE(list.GetFont().handle);
  EXPECT_EQ(list.GetFont().handle->Handle(), h);
  EXPECT_EQ(list.GetFont().color, widgets::clNavy);
  EXPECT_EQ(TimesDestroyed(h), 0);

  list.SetFontStyle(widgets::fsBold);
  EXPECT_FALSE(list.GetFont().handle);
  EXPECT_EQ(list.GetFont().style, widgets::fsBold);
  EXPECT_EQ(list.GetFont().color, widgets::clNavy);
  EXPECT_EQ(TimesDestroyed(h), 1);
}

TEST_F(FontHandOver, DestroyingTheControlFreesItAndAZeroHandleIsNoFont) {
  const platform::FontHandle h = funclib::GetIconTitleFont();
  {
    widgets::ListView list;
    list.SetFont(widgets::FontFromHandle(h));
  }
  EXPECT_EQ(TimesDestroyed(h), 1);

  widgets::Font base;
  base.color = widgets::clMaroon;
  const widgets::Font none = widgets::FontFromHandle(0, base);
  EXPECT_EQ(none, base) << "a failed icon-title font leaves the description in force";
}

}  // namespace
