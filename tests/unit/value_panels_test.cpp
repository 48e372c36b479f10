// Value panels: the hover text follows the clipboard as it is at each movement, and only a left
// press copies.
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

using widgets::MouseButton;

class ValuePanels : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    form_ = std::make_unique<RecordingForm>(app_);
  }
  fake::Clipboard& Clip() { return fake::Fake().clipboard; }
  std::string HoverHint(widgets::Panel& p) {
    p.MouseMove(0, 3, 3);
    return p.Hint();
  }
  void Press(widgets::Panel& p, MouseButton b, widgets::ShiftState s) { p.MouseDown(b, s, 3, 3); }
};

TEST_F(ValuePanels, EveryValuePanelCopiesItsCaptionOnALeftPress) {
  int panels = 0;
  for (widgets::Component* c : form_->LayoutComponents()) {
    auto* p = dynamic_cast<widgets::Panel*>(c);
    if (!p || !p->OnMouseDown) continue;
    ++panels;
    p->SetCaption(p->Name());
    EXPECT_EQ(HoverHint(*p), "Copy Value:\r\n\"" + p->Name() + "\"");
    Press(*p, MouseButton::Left, widgets::ssLeft);
    EXPECT_EQ(Clip().block, p->Name() + '\0');
    EXPECT_EQ(HoverHint(*p), "Value Already Copied:\r\n\"" + p->Name() + "\"") << p->Name();
  }
  EXPECT_EQ(panels, 22);
  EXPECT_EQ(Clip().opens, Clip().closes) << "every access closes the clipboard again";
  EXPECT_EQ(Clip().callsWhileClosed, 0);
}

TEST_F(ValuePanels, ATextCopiedByAnotherProgramAlreadyReadsAsCopied) {
  auto& p = form_->RamFree_Panel;
  EXPECT_EQ(p.Caption(), "n/a");
  Clip().block = std::string("n/a\0stale", 9);  // read up to the first zero
  EXPECT_EQ(HoverHint(p), "Value Already Copied:\r\n\"n/a\"");
  Clip().block = "N/A";  // compared case-sensitively
  EXPECT_EQ(HoverHint(p), "Copy Value:\r\n\"n/a\"");
}

TEST_F(ValuePanels, OnlyALeftPressCopiesAndADoubleClickCopiesAgain) {
  auto& p = form_->UpTime_Panel;
  p.SetCaption("1:02:03");
  Press(p, MouseButton::Right, widgets::ssRight);
  Press(p, MouseButton::Middle, widgets::ssMiddle | widgets::ssShift);
  EXPECT_TRUE(Clip().written.empty());
  EXPECT_EQ(Clip().opens, 0) << "a right or middle press does not even open the clipboard";
  // The left button held while another is pressed still counts, as does a double-click's press.
  Press(p, MouseButton::Right, widgets::ssRight | widgets::ssLeft);
  Press(p, MouseButton::Left, widgets::ssLeft | widgets::ssDouble);
  EXPECT_EQ(Clip().written, (std::vector<std::string>{"1:02:03", "1:02:03"}));
}

TEST_F(ValuePanels, ACaptionChangedSinceTheCopyIsOfferedAgain) {
  auto& p = form_->RamFree_Panel;
  form_->MemPage_Update();
  const std::string before = p.Caption();
  Press(p, MouseButton::Left, widgets::ssLeft);
  EXPECT_EQ(HoverHint(p), "Value Already Copied:\r\n\"" + before + "\"");
  fake::Fake().memory.availPhys -= 4 * MiB;
  form_->MemPage_Update();
  ASSERT_NE(p.Caption(), before);
  EXPECT_EQ(HoverHint(p), "Copy Value:\r\n\"" + p.Caption() + "\"");
}

TEST_F(ValuePanels, AnUnreadableClipboardOffersCopyAndAFailedWriteChangesNothing) {
  auto& p = form_->MouPos_Panel;
  p.SetCaption("(10, 20)");
  Clip().block = "(10, 20)";
  Clip().busy = true;
  EXPECT_EQ(HoverHint(p), "Copy Value:\r\n\"(10, 20)\"");
  Clip().block = "old";
  Press(p, MouseButton::Left, widgets::ssLeft);  // cannot open: nothing is written
  Clip().busy = false;
  Clip().refusesWrites = true;
  Press(p, MouseButton::Left, widgets::ssLeft);  // opened, but the text is refused
  EXPECT_EQ(Clip().block, "old");
  EXPECT_EQ(HoverHint(p), "Copy Value:\r\n\"(10, 20)\"");
  EXPECT_FALSE(Clip().open);
  Clip().block.reset();  // no text on the clipboard at all, and an empty caption
  p.SetCaption("");
  EXPECT_EQ(HoverHint(p), "Copy Value:\r\n\"\"");
}

}  // namespace
}  // namespace testing_orvane
