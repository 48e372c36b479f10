// The System page on the fake platform: each row's text for the machines the page must describe,
// the failures it shows as texts, the busy cursor and the clock measured after the list is painted.
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

// Records the screen cursor's changes and runs an action when the window's messages are processed.
class AppPeer : public widgets::ApplicationPeer {
 public:
  explicit AppPeer(widgets::Application& app) : app_(app) {}
  void ScreenCursorChanged() override { cursors.push_back(app_.ScreenCursor()); }
  void ProcessMessages() override {
    ++processed;
    if (onProcess) onProcess();
  }
  void ShowForm(widgets::Form&) override {}
  void RunModal(widgets::Form&) override {}
  std::vector<widgets::Cursor> cursors;
  int processed = 0;
  std::function<void()> onProcess;

 private:
  widgets::Application& app_;
};

class SystemPage : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    app_.AttachPeer(&peer_);
    page_ = std::make_unique<TFormOrvane>(app_);
    // A Pentium 4 class processor: "GenuineIntel", signature 0xF29, 3 GHz.
    fake::Fake().cpu.leaves[0] = {2, 0x756E6547, 0x6C65746E, 0x49656E69};
    fake::Fake().cpu.leaves[1] = {0xF29, 0, 0, 0x0383FBFF};
  }
  void TearDown() override {
    page_.reset();
    app_.AttachPeer(nullptr);
  }
  void Fill() { page_->SysList_Fill(); }
  const widgets::ListView& List() { return page_->Sys_ListView; }
  std::string Value(int row) {
    const auto& subs = List().Items().at(static_cast<size_t>(row)).subItems;
    return subs.empty() ? "<none>" : subs[0];
  }

  AppPeer peer_{app_};
  std::unique_ptr<TFormOrvane> page_;  // the real page steps
};

TEST_F(SystemPage, FillsSeventeenRowsWithTheMachinesFacts) {
  Fill();
  ASSERT_EQ(List().ItemCount(), 17);
  EXPECT_EQ(List().Items()[8].caption, "");
  EXPECT_TRUE(List().Items()[8].subItems.empty()) << "the separator row has no value at all";
  EXPECT_EQ(List().Items()[5].caption, "? Keyboard Type");
  EXPECT_EQ(Value(0), "3000.0000 MHz") << "the full 64-bit counter: no wrap at 2^32 ticks";
  EXPECT_EQ(Value(1), "4");
  EXPECT_EQ(Value(2), "GenuineIntel");
  EXPECT_EQ(Value(3), "Type 0, Family 15, Model 2, Stepping 9");
  EXPECT_EQ(Value(4), "i586");
  EXPECT_EQ(Value(5), "IBM enhanced (101/102-key), 12 Func");
  EXPECT_EQ(Value(6), "#3");
  EXPECT_EQ(Value(7), "1024 x 768 x 32 @ 60 Hz");
  EXPECT_EQ(Value(9), "kim");
  EXPECT_EQ(Value(10), "ORVANE-PC");
  EXPECT_EQ(Value(11), "192.168.1.20");
  EXPECT_EQ(Value(12), "00.0C.29.1A.2B.3C");
  EXPECT_EQ(Value(15), "C:\\Windows");
  EXPECT_EQ(Value(16), "C:\\Users\\kim\\AppData\\Local\\Temp\\");
  EXPECT_EQ(fake::Fake().cpu.sleeps, std::vector<std::uint32_t>{2048});
  EXPECT_EQ(fake::Fake().cpu.priorityDuringSleeps.at(0).processClass, 0x100u) << "measured at raised priority";
}

TEST_F(SystemPage, ProcessorTextsIgnoreExtendedFieldsAndStopAtAZeroByte) {
  auto& cpu = fake::Fake().cpu;
  cpu.leaves[1].eax = 0x00100F42;  // extended family 1
  cpu.leaves[0] = {2, 0x756E6547, 0, 0x00000041};  // "Genu", then "A" and a zero
  Fill();
  EXPECT_EQ(Value(3), "Type 0, Family 15, Model 4, Stepping 2");
  EXPECT_EQ(Value(2), "GenuA");
  cpu.hasCpuid = false;
  Fill();
  EXPECT_EQ(Value(2), "");
  EXPECT_EQ(Value(3), "Type 0, Family 0, Model 0, Stepping 0");
}

TEST_F(SystemPage, ClockIsShownInMegahertzWithTheLocalesSeparator) {
  fake::Fake().cpu.timeStampHz = 2'992'512'345.6;
  page_ = std::make_unique<TFormOrvane>(app_);
  Fill();
  EXPECT_EQ(Value(0), "2992.5123 MHz");
  fake::Fake().format = {".", ",", ":"};
  page_ = std::make_unique<TFormOrvane>(app_);
  Fill();
  EXPECT_EQ(Value(0), "2992,5123 MHz") << "never grouped, comma as the decimal separator";
}

TEST_F(SystemPage, InputAndScreenEdgeCases) {
  auto& in = fake::Fake().input;
  in.mouseButtons = 0;
  in.keyboardType = 7;
  Fill();
  EXPECT_EQ(Value(6), "#0");
  EXPECT_EQ(Value(5), "Japanese type, 12 Func");
  in.keyboardType = 1;
  Fill();
  EXPECT_EQ(Value(5), "IBM PC/XT or compatible (83-key), 12 Func");
  for (int type : {0, 8, -1}) {  // outside the name table: named by number, never read past it
    in.keyboardType = type;
    in.functionKeys = 0;
    Fill();
    EXPECT_EQ(Value(5), "Unknown type " + std::to_string(type) + ", 0 Func");
  }
  fake::Fake().display.mode = {};  // the screen's context could not be made
  Fill();
  EXPECT_EQ(Value(7), "0 x 0 x 0 @ 0 Hz");
}

TEST_F(SystemPage, MissingFactsShowNaOrAnEmptyValueOrTheErrorText) {
  auto& f = fake::Fake();
  f.sysinfo.userName = "";
  f.network.addresses.clear();  // the host name resolves to nothing
  f.network.resetCode = 0x23;
  Fill();
  EXPECT_EQ(Value(9), "n/a");
  EXPECT_EQ(Value(11), "n/a");
  EXPECT_EQ(Value(12), "Error B#35");

  f.sysinfo.userName.reset();   // the call fails
  f.network.startupFails = true;  // no network layer: no address at all
  f.sysinfo.computerName.reset();
  f.sysinfo.version.reset();
  Fill();
  EXPECT_EQ(Value(9), "n/a");
  EXPECT_EQ(Value(11), "");
  EXPECT_EQ(Value(10), "");
  EXPECT_EQ(Value(13), "");
  EXPECT_EQ(Value(14), "");
  ASSERT_EQ(List().ItemCount(), 17);
}

TEST_F(SystemPage, PaintsThePlaceholderBeforeMeasuringUnderTheBusyCursor) {
  std::string rowZeroWhenPainted;
  std::size_t sleepsWhenPainted = 99;
  peer_.onProcess = [&] {
    rowZeroWhenPainted = Value(0);
    sleepsWhenPainted = fake::Fake().cpu.sleeps.size();
    EXPECT_FALSE(List().Updating()) << "the batch update has ended before the paint";
    EXPECT_EQ(app_.ScreenCursor(), widgets::crHourGlass);
  };
  Fill();
  EXPECT_EQ(peer_.processed, 1);
  EXPECT_EQ(rowZeroWhenPainted, "calulation clock freq...");
  EXPECT_EQ(sleepsWhenPainted, 0u);
  EXPECT_EQ(peer_.cursors.back(), widgets::crDefault);
  EXPECT_EQ(peer_.cursors.front(), widgets::crHourGlass);
}

TEST_F(SystemPage, ADoubleClickRefillsAndANestedFillStillEndsWithSeventeenRows) {
  Fill();
  page_->Sys_ListView.DblClick();
  EXPECT_EQ(List().ItemCount(), 17) << "a refill replaces the rows, never adds to them";

  // A double-click queued while the first fill paints: it refills inside the outer fill.
  bool nested = false;
  peer_.onProcess = [&] {
    if (nested) return;
    nested = true;
    page_->Sys_ListView.DblClick();
  };
  fake::Fake().cpu.sleeps.clear();
  peer_.cursors.clear();
  Fill();
  EXPECT_EQ(peer_.cursors, (std::vector<widgets::Cursor>{widgets::crHourGlass, widgets::crDefault,
                                                         widgets::crHourGlass, widgets::crDefault}))
      << "the nested fill sets the cursor back; the outer measurement shows the hourglass again";
  ASSERT_EQ(List().ItemCount(), 17);
  EXPECT_EQ(Value(0), "3000.0000 MHz");
  EXPECT_EQ(fake::Fake().cpu.sleeps.size(), 2u) << "each fill measures once";
  EXPECT_EQ(app_.ScreenCursor(), widgets::crDefault);
}

}  // namespace
}  // namespace testing_orvane
