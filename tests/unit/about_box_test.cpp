// The about box on headless widgets: what ShowAbout puts in it, the links under the mouse, the keys
// that close it, the read-me beside the program, and a fresh box on every opening.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "about/about_box.hpp"
#include "about/about_texts.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

using widgets::fsUnderline;

// Runs the test's steps while the box is up, as the user would act on it.
class ModalPeer : public widgets::ApplicationPeer {
 public:
  void ScreenCursorChanged() override {}
  void ProcessMessages() override {}
  void ShowForm(widgets::Form&) override {}
  void RunModal(widgets::Form& form) override {
    ++runs;
    auto& box = dynamic_cast<TFormAbout&>(form);
    boxes.push_back(&box);
    if (whileShown) whileShown(box);
  }
  std::function<void(TFormAbout&)> whileShown;
  std::vector<TFormAbout*> boxes;
  int runs = 0;
};

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::ResetFake();
    app_.AttachPeer(&peer_);
    app_.SetIcon(0x4242);
  }
  void TearDown() override { app_.AttachPeer(nullptr); }
  // The link's look: underlined and dark blue, or plain and blue.
  static bool Hovered(const widgets::Label& l) {
    return l.GetFont().style == fsUnderline && l.GetFont().color == kLinkHoverColor;
  }
  static bool AtRest(const widgets::Label& l) { return l.GetFont().style == 0 && l.GetFont().color == kLinkColor; }

  widgets::Application app_;
  ModalPeer peer_;
};

TEST_F(AboutBox, OpensCaptionedWithTheTextStampAndIcon) {
  std::string caption, stamp, hint;
  widgets::IconHandle icon = 0;
  peer_.whileShown = [&](TFormAbout& box) {
    caption = box.Caption();
    stamp = box.Comp_Label.Caption();
    icon = box.App_Image.Icon();
    hint = box.App_Image.Hint();
    EXPECT_TRUE(box.Modal());
    EXPECT_TRUE(box.KeyPreview());
  };
  ShowAbout(app_, "Orvane v1.61 beta");
  EXPECT_EQ(caption, "About Orvane v1.61 beta");
  EXPECT_EQ(stamp, about::BuildStamp());
  EXPECT_EQ(icon, 0x4242u);
  EXPECT_EQ(hint, "View Readme.txt");
  ShowAbout(app_, "");
  EXPECT_EQ(caption, "About ");
}

TEST_F(AboutBox, ALinkIsUnderlinedUntilTheMouseCrossesSomethingElse) {
  peer_.whileShown = [&](TFormAbout& box) {
    ASSERT_TRUE(AtRest(box.Hp_Label));
    ASSERT_TRUE(AtRest(box.Support_Label));
    box.Hp_Label.MouseMove(0, 2, 2);
    EXPECT_TRUE(Hovered(box.Hp_Label));
    EXPECT_TRUE(AtRest(box.Support_Label)) << "the other link is not touched";
    // Straight from one link across the credits to the other.
    box.About_Label.MouseMove(0, 5, 20);
    EXPECT_TRUE(AtRest(box.Hp_Label));
    box.Support_Label.MouseMove(0, 2, 2);
    EXPECT_TRUE(Hovered(box.Support_Label));
    EXPECT_TRUE(AtRest(box.Hp_Label));
    // Leaving the box from a link keeps it underlined; any other part of the box restores it.
    for (widgets::Control* other : std::vector<widgets::Control*>{&box, &box.Main_Panel, &box.App_Image,
                                                                  &box.Comp_Label, &box.Kelvo_Label}) {
      box.Support_Label.MouseMove(0, 2, 2);
      other->MouseMove(0, 1, 1);
      EXPECT_TRUE(AtRest(box.Support_Label)) << other->Name();
    }
  };
  ShowAbout(app_, "Orvane v1.61 beta");
}

TEST_F(AboutBox, EveryCharacterKeyClosesIt) {
  for (char key : {'\x1b', '\r', 'q', ' ', '\b', '7'}) {
    peer_.whileShown = [&](TFormAbout& box) {
      char k = key;
      box.KeyPress(k);
      EXPECT_TRUE(box.Closed()) << int(key);
      EXPECT_EQ(box.GetModalResult(), widgets::mrCancel) << int(key);
    };
    ShowAbout(app_, "x");
  }
}

TEST_F(AboutBox, TheIconOpensTheReadmeBesideTheProgramAndTheLinksTheirTargets) {
  fake::Fake().shell.executablePath = "C:\\Program Files\\Kelvo Tools\\Orvane.exe";
  peer_.whileShown = [&](TFormAbout& box) {
    box.App_Image.Click();
    box.Hp_Label.Click();
    box.Support_Label.Click();
    EXPECT_FALSE(box.Closed()) << "the box stays open";
  };
  fake::Fake().shell.result = 2;  // file not found: nothing to show from the program
  ShowAbout(app_, "x");
  const auto& runs = fake::Fake().shell.executed;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].file, "C:\\Program Files\\Kelvo Tools\\Readme.txt");
  EXPECT_EQ(runs[1].file, "http://www.kelvo.example/");
  EXPECT_EQ(runs[2].file, "mailto:help@kelvo.example");
  for (const auto& run : runs) {
    EXPECT_EQ(run.parameters, "");
    EXPECT_EQ(run.directory, "");
    EXPECT_EQ(run.showCmd, 1);
  }
  EXPECT_TRUE(fake::Fake().dialogs.messageBoxes.empty());
}

TEST_F(AboutBox, EachOpeningMakesAFreshBoxAndAFailureStillDestroysIt) {
  int destroyed = 0;
  peer_.whileShown = [&](TFormAbout& box) {
    box.AddFreeNotification([&](widgets::Component&) { ++destroyed; });
    EXPECT_TRUE(AtRest(box.Hp_Label)) << "a fresh box starts with plain links";
    box.Hp_Label.MouseMove(0, 2, 2);
  };
  ShowAbout(app_, "x");
  EXPECT_EQ(destroyed, 1) << "the box is gone once ShowAbout returns";
  ShowAbout(app_, "x");
  EXPECT_EQ(destroyed, 2);

  peer_.whileShown = [&](TFormAbout& box) {
    box.AddFreeNotification([&](widgets::Component&) { ++destroyed; });
    throw std::runtime_error("cannot show");
  };
  EXPECT_THROW(ShowAbout(app_, "x"), std::runtime_error);
  EXPECT_EQ(destroyed, 3);
}

}  // namespace
