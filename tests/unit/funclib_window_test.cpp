#include <gtest/gtest.h>

#include "funclib/owner_window.hpp"
#include "funclib/window.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

class FuncLibWindow : public testing::Test {
 protected:
  void SetUp() override {
    fake::ResetFake();
    funclib::OwnerWindow = 0x1234;
  }
  void TearDown() override { funclib::OwnerWindow = 0; }

  fake::Clipboard& clip = fake::Fake().clipboard;
  const std::string kNothing = std::string(1, '\0');
};

TEST_F(FuncLibWindow, MessageBoxTurnsBackslashNIntoLineBreaksAndComesToTheFront) {
  fake::Fake().dialogs.result = 7;  // IDNO
  EXPECT_EQ(funclib::ShowMessageBox("a\\nb\nc\\n", "Caption", 0x34), 7);
  ASSERT_EQ(fake::Fake().dialogs.messageBoxes.size(), 1u);
  const fake::MessageBoxCall& box = fake::Fake().dialogs.messageBoxes[0];
  EXPECT_EQ(box.text, "a\r\nb\nc\r\n") << "a real line feed stays as it is";
  EXPECT_EQ(box.caption, "Caption");
  EXPECT_EQ(box.style, 0x34u | 0x00010000u);
  EXPECT_EQ(box.owner, 0x1234u);

  funclib::ShowMessageBox("x", "", 0x00010030);
  EXPECT_EQ(fake::Fake().dialogs.messageBoxes[1].style, 0x00010030u) << "already set: unchanged";
}

TEST_F(FuncLibWindow, ReadingGivesTheTextUpToItsZeroInsideTheBlock) {
  clip.block = std::string("hello\0junk", 10);
  EXPECT_EQ(funclib::ClipboardText(0), "hello");
  clip.block = "no terminating zero";
  EXPECT_EQ(funclib::ClipboardText(0), "no terminating zero");
  clip.block = std::string(1, '\0');
  EXPECT_EQ(funclib::ClipboardText(0), "");
  EXPECT_EQ(clip.opens, 3);
  EXPECT_EQ(clip.closes, 3);
  EXPECT_EQ(clip.owner, 0x1234u);
  EXPECT_EQ(clip.callsWhileClosed, 0);
}

TEST_F(FuncLibWindow, ReadingGivesTheCodeZeroTextWhenThereIsNoText) {
  EXPECT_EQ(funclib::ClipboardText(0), kNothing) << "no text on the clipboard";
  EXPECT_EQ(clip.closes, 1);

  clip.block = "text";
  clip.handsOutNoData = true;
  EXPECT_EQ(funclib::ClipboardText(0), "") << "text offered, but no data handed out";

  clip.handsOutNoData = false;
  clip.busy = true;
  EXPECT_EQ(funclib::ClipboardText(0), kNothing);
  EXPECT_EQ(clip.opens, 2);
  EXPECT_EQ(clip.closes, 2) << "nothing to close after a failed open";
}

TEST_F(FuncLibWindow, WritingReplacesTheTextAndReturnsTheCodeZeroText) {
  EXPECT_EQ(funclib::ClipboardText(1, "1,024 k"), kNothing);
  EXPECT_EQ(clip.block, std::string("1,024 k\0", 8));
  EXPECT_EQ(funclib::ClipboardText(0), "1,024 k");

  clip.refusesWrites = true;
  funclib::ClipboardText(1, "other");
  EXPECT_EQ(funclib::ClipboardText(0), "1,024 k") << "a failed write leaves the clipboard as it was";

  clip.refusesWrites = false;
  clip.busy = true;
  funclib::ClipboardText(1, "other");
  EXPECT_EQ(clip.written, std::vector<std::string>{"1,024 k"});
  EXPECT_EQ(clip.callsWhileClosed, 0);
  EXPECT_EQ(clip.opens, clip.closes);
}

TEST_F(FuncLibWindow, EmptyingReportsTheSystemsAnswerAsCodeOneOrZero) {
  clip.block = "text";
  EXPECT_EQ(funclib::ClipboardText(2), std::string(1, '\1'));
  EXPECT_FALSE(clip.block.has_value());
  clip.emptyFails = true;
  EXPECT_EQ(funclib::ClipboardText(2), kNothing);
  EXPECT_EQ(funclib::ClipboardText(3, "ignored"), kNothing) << "unknown modes do nothing";
  EXPECT_TRUE(clip.written.empty());
  EXPECT_EQ(clip.opens, 3);
  EXPECT_EQ(clip.closes, 3);
}

}  // namespace
