// The Disks page: each drive's row as the user reads it, and fills that replace rows and icons and
// never leave the hourglass or the batch update behind.
#include <algorithm>
#include <stdexcept>

#include "form/disks_page.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

constexpr int kBit = 0, kByte = 1, kKiloByte = 2, kGigaByte = 4;

platform::VolumeInfo NtfsVolume(std::string label) {
  return {std::move(label), 0x1A2B3C4D, 255, 0x2 | 0x1 | 0x4 | 0x8 | 0x10, "NTFS"};
}

DriveFacts Drive(char letter, std::uint64_t total, std::uint64_t free, std::uint32_t type = 3) {
  DriveFacts d;
  d.letter = letter;
  d.volume = NtfsVolume("System");
  d.total = total;
  d.freeToCaller = free;
  d.driveType = type;
  return d;
}

TEST(DriveRow, SizesInTheChosenUnitWithTwoDecimals) {
  const platform::FormatSettings fs;
  EXPECT_EQ(FormatDriveRow(Drive('C', 1000, 0), kBit, fs).subItems[0], "8,000.00");
  EXPECT_EQ(FormatDriveRow(Drive('C', 1536, 0), kKiloByte, fs).subItems[0], "1.50");
  const DriveRow big = FormatDriveRow(Drive('C', 500ull * GiB + 512 * MiB, 3 * GiB / 4), kGigaByte, fs);
  EXPECT_EQ(big.subItems[0], "500.50");
  EXPECT_EQ(big.subItems[1], "0.75") << "the free figure is column 2";
  // Past 4 GiB the bit count passes 2^32 * 8: nothing may be cut to 32 bits.
  EXPECT_EQ(FormatDriveRow(Drive('C', 5 * GiB, 0), kBit, fs).subItems[0], "42,949,672,960.00");
  // No unit chosen (-1) reads as the first unit, one past the last as the last.
  EXPECT_EQ(FormatDriveRow(Drive('C', 1000, 0), -1, fs).subItems[0], "8,000.00");
  EXPECT_EQ(FormatDriveRow(Drive('C', 3 * GiB, 0), 5, fs).subItems[0], "3.00");
  platform::FormatSettings german;
  german.thousandSeparator = ".";
  german.decimalSeparator = ",";
  EXPECT_EQ(FormatDriveRow(Drive('C', 1234567, 0), kByte, german).subItems[0], "1.234.567,00");
}

TEST(DriveRow, CaptionSerialTypeAndLength) {
  const platform::FormatSettings fs;
  DriveFacts d = Drive('C', 0, 0);
  const DriveRow row = FormatDriveRow(d, kKiloByte, fs);
  EXPECT_EQ(row.caption, "System (C:)");
  EXPECT_EQ(row.subItems[2], "NTFS");
  EXPECT_EQ(row.subItems[3], "1A2B-3C4D");
  EXPECT_EQ(row.subItems[4], "3: Fixed");
  EXPECT_EQ(row.subItems[5], "255");
  d.volume.label.clear();
  d.volume.serial = 0x000A00B0;
  d.driveType = 6;
  EXPECT_EQ(FormatDriveRow(d, kKiloByte, fs).caption, " (C:)") << "a drive without a label";
  EXPECT_EQ(FormatDriveRow(d, kKiloByte, fs).subItems[3], "000A-00B0");
  EXPECT_EQ(FormatDriveRow(d, kKiloByte, fs).subItems[4], "6: RAM Drive");
  d.driveType = 7;
  EXPECT_EQ(FormatDriveRow(d, kKiloByte, fs).subItems[4], "7: Unknown") << "a type past the table";
  d.driveType = 0xFFFFFFFF;
  EXPECT_EQ(FormatDriveRow(d, kKiloByte, fs).subItems[4], "4294967295: Unknown");
}

TEST(DriveRow, EachFlagColumnShowsItsOwnBit) {
  // Columns 7..12: case preserved (0x2), case sensitive (0x1), Unicode (0x4), ACLs (0x8),
  // file compression (0x10), volume compressed (0x8000).
  const std::uint32_t bits[] = {0x2, 0x1, 0x4, 0x8, 0x10, 0x8000};
  DriveFacts d = Drive('C', 0, 0);
  for (int column = 0; column < 6; ++column) {
    d.volume.flags = bits[column] | 0x20 | 0x40000;  // bits no column shows
    const DriveRow row = FormatDriveRow(d, kKiloByte, {});
    for (int c = 0; c < 6; ++c)
      EXPECT_EQ(row.subItems[6 + c], c == column ? "true" : "false") << "bit " << bits[column] << " column " << 7 + c;
  }
}

// Records every change of the screen cursor.
class CursorLog : public widgets::ApplicationPeer {
 public:
  explicit CursorLog(widgets::Application& app) : app_(app) { app.AttachPeer(this); }
  ~CursorLog() override { app_.AttachPeer(nullptr); }
  void ScreenCursorChanged() override { cursors.push_back(app_.ScreenCursor()); }
  void ProcessMessages() override {}
  void ShowForm(widgets::Form&) override {}
  void RunModal(widgets::Form&) override {}
  std::vector<widgets::Cursor> cursors;

 private:
  widgets::Application& app_;
};

class DisksPage : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    auto& drives = fake::Fake().disks.drives;
    drives['A'] = fake::Drive{std::nullopt, std::nullopt, 2};  // a floppy drive without a disk
    drives['C'] = fake::Drive{NtfsVolume(""), std::pair{KiB, 1536 * KiB}, 3};
    drives['D'] = fake::Drive{platform::VolumeInfo{"DATA", 0xBEEF, 255, 0x3, "FAT32"}, std::pair{0ull, 2 * KiB}, 3};
  }
  std::vector<std::string> Row(int i) {
    const widgets::ListItem& item = form_->Disk_ListView.Items().at(i);
    std::vector<std::string> row{item.caption};
    row.insert(row.end(), item.subItems.begin(), item.subItems.end());
    return row;
  }
};

TEST_F(DisksPage, EmptyRemovableDriveShowsZerosButItsTypeAndIcon) {
  auto& f = Start();
  f.DiskUpdate_Btn.Click();
  ASSERT_EQ(f.Disk_ListView.ItemCount(), 3);
  EXPECT_EQ(Row(0), (std::vector<std::string>{" (A:)", "0.00", "0.00", "", "0000-0000", "2: Removable", "0", "false",
                                              "false", "false", "false", "false", "false"}));
  EXPECT_EQ(f.Disk_ListView.Items()[0].imageIndex, 0);
  EXPECT_EQ(Row(1)[0], " (C:)");
  EXPECT_EQ(Row(1)[1], "1,536.00");
  EXPECT_EQ(Row(2), (std::vector<std::string>{"DATA (D:)", "2.00", "0.00", "FAT32", "0000-BEEF", "3: Fixed", "255",
                                              "true", "true", "false", "false", "false", "false"}));
  const auto& disks = fake::Fake().disks;
  EXPECT_EQ(disks.spaceQueries, (std::vector<std::string>{"C:\\", "D:\\"})) << "no size query without a volume";
  EXPECT_EQ(disks.queriesWithBoxesOn, 0) << "every query runs with the \"no disk\" box turned off";
  EXPECT_EQ(disks.errorModeSets, 1);
  EXPECT_EQ(disks.errorModeDepth, 0) << "the error mode is restored after the fill";
}

TEST_F(DisksPage, UnitChangeShowsAtTheNextFill) {
  auto& f = Start();
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(Row(1)[1], "1,536.00");
  f.DiskSize_Combo.Select(kBit);
  EXPECT_EQ(Row(1)[1], "1,536.00") << "choosing a unit alone changes nothing";
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(Row(1)[1], "12,582,912.00");
}

TEST_F(DisksPage, RefillReplacesRowsAndIconsAndFreesEveryIcon) {
  auto& f = Start();
  f.DiskUpdate_Btn.Click();
  fake::Fake().disks.drives.erase('D');
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(f.Disk_ListView.ItemCount(), 2);
  EXPECT_EQ(f.ImageList1.Count(), 2) << "one icon per row of this fill";
  EXPECT_EQ(f.Disk_ListView.Items()[1].imageIndex, 1);
  EXPECT_EQ(f.Disk_ListView.Tag(), 1);
  // Every icon made so far is freed, apart from the copies the image list holds for its rows.
  const auto& files = fake::Fake().files;
  auto created = files.createdIcons, gone = files.destroyedIcons;
  gone.insert(gone.end(), f.ImageList1.Icons().begin(), f.ImageList1.Icons().end());
  std::sort(created.begin(), created.end());
  std::sort(gone.begin(), gone.end());
  EXPECT_EQ(gone, created);
  form_.reset();
  EXPECT_EQ(files.destroyedIcons.size(), files.createdIcons.size()) << "the window's end frees the list's copies";
}

TEST_F(DisksPage, ListDrawsWithTheIconTitleFontItOwns) {
  auto& f = Start();
  const auto& fonts = fake::Fake().fonts;
  ASSERT_EQ(fonts.created.size(), 1u);
  ASSERT_TRUE(f.Disk_ListView.GetFont().handle);
  EXPECT_EQ(f.Disk_ListView.GetFont().handle->Handle(), fonts.created[0]);
  EXPECT_EQ(f.Disk_ListView.GetFont().color, widgets::clBlack) << "the list keeps its text colour";
  form_.reset();
  EXPECT_EQ(fonts.destroyed, fonts.created) << "freed once, with the window";
}

TEST_F(DisksPage, DriveWithoutIconGetsNoImage) {
  fake::Fake().files.noIcons = true;
  auto& f = Start();
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(f.ImageList1.Count(), 0);
  EXPECT_EQ(f.Disk_ListView.Items()[0].imageIndex, -1);
}

TEST_F(DisksPage, HourglassShowsDuringTheFillAndGoesWhenAQueryFails) {
  auto& f = Start();
  CursorLog log(app_);
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(log.cursors, (std::vector<widgets::Cursor>{widgets::crHourGlass, widgets::crDefault}));
  fake::Fake().disks.typeQueryThrows = true;
  EXPECT_THROW(f.DiskUpdate_Btn.Click(), std::runtime_error);
  EXPECT_EQ(app_.ScreenCursor(), widgets::crDefault);
  EXPECT_FALSE(f.Disk_ListView.Updating()) << "the list must not stay in batch mode";
  EXPECT_EQ(fake::Fake().disks.errorModeDepth, 0);
  EXPECT_EQ(f.Disk_ListView.Tag(), 1);
}

TEST_F(DisksPage, LettersFollowTheMaskInOrder) {
  fake::Fake().disks.mask = (1u << 25) | (1u << 2) | 1u;  // Z:, C:, A:
  auto& f = Start();
  f.DiskUpdate_Btn.Click();
  ASSERT_EQ(f.Disk_ListView.ItemCount(), 3);
  EXPECT_EQ(Row(2), (std::vector<std::string>{" (Z:)", "0.00", "0.00", "", "0000-0000", "1: No Root", "0", "false",
                                              "false", "false", "false", "false", "false"}));
}

}  // namespace
}  // namespace testing_orvane
