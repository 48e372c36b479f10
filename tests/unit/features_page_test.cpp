// The Feature Flags page: the feature word row by row, and the warning on every visit.
#include "funclib/owner_window.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

class FeaturesPage : public OrvaneTest {
 protected:
  void Fill(std::uint32_t edx) {
    fake::Fake().cpu.leaves[0] = {1, 0, 0, 0};
    fake::Fake().cpu.leaves[1] = {0x6FB, 0, 0, edx};
    form_ = std::make_unique<RecordingForm>(app_);
    form_->TFormOrvane::CpuIdList_Fill();
  }
  const std::vector<widgets::ListItem>& Items() { return form_->CpuId_ListView.Items(); }
  // The bits whose rows say "Yes", as a word.
  std::uint32_t YesBits() {
    std::uint32_t word = 0;
    for (int bit = 0; bit < 32; ++bit) {
      const auto& row = Items().at(static_cast<size_t>(bit + 2));
      EXPECT_EQ(row.subItems.size(), 3u) << bit;
      if (row.subItems.at(2) == "Yes")
        word |= 1u << bit;
      else
        EXPECT_EQ(row.subItems.at(2), "No") << bit;
    }
    return word;
  }
};

TEST_F(FeaturesPage, ShowsTheWordInHexAndEveryBitInOrder) {
  Fill(0x0383FBFF);
  ASSERT_EQ(Items().size(), 34u);
  EXPECT_EQ(Items()[0].caption, "ALL");
  EXPECT_EQ(Items()[0].subItems,
            (std::vector<std::string>{"CPUID", "Hex Value of CPUID Flags", "$0383FBFF"}));
  EXPECT_EQ(Items()[1].caption, "");
  EXPECT_TRUE(Items()[1].subItems.empty());
  EXPECT_EQ(Items()[2].caption, "00");
  EXPECT_EQ(Items()[11].caption, "09");
  EXPECT_EQ(Items()[33].caption, "31");
  EXPECT_EQ(YesBits(), 0x0383FBFFu);
  // A reserved bit keeps its row with empty texts; a named one shows its name.
  EXPECT_EQ(Items()[12].subItems, (std::vector<std::string>{"", "", "No"}));
  EXPECT_EQ(Items()[27].subItems[0], "SSE");
  // Neighbours whose names differ by a suffix: each keeps its own bit.
  const struct {
    int bit;
    const char* name;
    const char* description;
  } kLookAlikes[] = {{22, "MMX+", "MMX Extension Technology"},
                     {23, "MMX", "MMX Technology"},
                     {30, "3DNow!+", "3DNow! Instruction Extension"},
                     {31, "3DNow!", "3DNow! Instruction"}};
  for (const auto& f : kLookAlikes) {
    const auto& row = Items()[static_cast<size_t>(f.bit + 2)].subItems;
    EXPECT_EQ(row[0], f.name) << f.bit;
    EXPECT_EQ(row[1], f.description) << f.bit;
  }
}

TEST_F(FeaturesPage, TopBitAndZeroWord) {
  Fill(0x80000400);  // bit 31 and the reserved bit 10
  EXPECT_EQ(Items()[0].subItems[2], "$80000400");
  EXPECT_EQ(YesBits(), 0x80000400u) << "the word is unsigned";
  Fill(0);
  EXPECT_EQ(Items()[0].subItems[2], "$00000000");
  EXPECT_EQ(YesBits(), 0u);
}

TEST_F(FeaturesPage, EveryVisitShowsTheWarning) {
  funclib::OwnerWindow = 0x77;
  TFormOrvane f(app_);  // the real page steps
  for (int visit = 1; visit <= 2; ++visit) {
    f.Main_PageCtrl.SelectPage(2);
    f.Main_PageCtrl.SelectPage(0);
  }
  funclib::OwnerWindow = 0;
  const auto& boxes = fake::Fake().dialogs.messageBoxes;
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].caption, "CPU Feature Flags - Major Warning!");
  EXPECT_EQ(boxes[1].text.rfind("The feature flags list are currently incorrect.", 0), 0u);
  EXPECT_EQ(boxes[1].style & 0xFFu, 48u);
  EXPECT_EQ(boxes[1].owner, 0x77u);
  EXPECT_EQ(f.CpuId_ListView.ItemCount(), 0) << "the warning leaves the list alone";
}

}  // namespace
}  // namespace testing_orvane
