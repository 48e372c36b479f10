// The Feature Flags page: the feature word row by row, and the warning on every visit.
#include <set>

#include "form/features_page.hpp"
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
  // Each bit's row shows that bit's name and description, in their columns: checked against the
  // name tables by index, so a row shifted, swapped or copied from a neighbour fails.
  for (size_t bit = 0; bit < 32; ++bit) {
    const auto& row = Items()[bit + 2].subItems;
    EXPECT_EQ(row[0], FeatureNames[bit]) << bit;
    EXPECT_EQ(row[1], FeatureDescriptions[bit]) << bit;
    EXPECT_EQ(row[0].empty(), row[1].empty()) << "a reserved bit has neither, a named one both: " << bit;
  }
  // The tables name 26 bits, each once; the bits the word leaves reserved have empty rows.
  std::set<std::string_view> names(FeatureNames.begin(), FeatureNames.end());
  names.erase("");
  EXPECT_EQ(names.size(), 26u);
  for (int reserved : {10, 19, 20, 21, 27, 28}) EXPECT_EQ(Items()[reserved + 2].subItems[0], "") << reserved;
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
