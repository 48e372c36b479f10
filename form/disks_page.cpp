// The Disks page: every drive with its sizes and flags, filled on the first visit (the shell
// presses "&Update") and on every press of that button.
#include "form/disks_page.hpp"

#include <algorithm>

#include "form/orvane_form.hpp"
#include "funclib/bits.hpp"
#include "funclib/file_details.hpp"
#include "funclib/format.hpp"
#include "funclib/text.hpp"
#include "platform/errors.hpp"
#include "platform/files.hpp"

const std::array<std::string_view, 7> DriveTypeNames{"Unknown", "No Root", "Removable", "Fixed",
                                                     "Remote",  "CD-ROM",  "RAM Drive"};

namespace {

// The file-system flags of columns 7 to 12, in column order: case preserved, case sensitive,
// Unicode on disk, persistent ACLs, file compression, volume compressed.
constexpr std::uint32_t kFlagColumns[] = {0x2, 0x1, 0x4, 0x8, 0x10, 0x8000};

std::string SizeText(std::uint64_t bytes, int unitIndex, const platform::FormatSettings& fs) {
  // A power of two is exact in a double: the division is the same as by pow(1024, n), without
  // the library's pow in the program.
  double unit = 1;
  for (int i = 1; i < unitIndex; ++i) unit *= 1024;
  const double value = unitIndex == 0 ? static_cast<double>(bytes * 8) : static_cast<double>(bytes) / unit;
  return funclib::FormatNumber(value, 2, fs);
}

// Frees a shell icon when the row is done with it, also when the fill stops on an error.
struct IconHolder {
  platform::IconHandle icon = 0;
  ~IconHolder() { platform::DestroyIconHandle(icon); }
};

}  // namespace

DriveFacts ProbeDrive(char letter) {
  DriveFacts d;
  d.letter = letter;
  const std::string root = DriveRoot(letter);
  // Sizes are asked for only of a volume that answers: a drive without a medium would only
  // fail again, slowly.
  d.volumeRead = platform::QueryVolumeInfo(root, d.volume);
  if (d.volumeRead) d.spaceRead = platform::QueryDiskSpace(root, d.freeToCaller, d.total);
  if (!d.spaceRead) {
    d.error = platform::LastSystemError();
    if (!d.volumeRead) d.volume = {};
    d.freeToCaller = d.total = 0;
  }
  d.driveType = platform::QueryDriveType(root);
  return d;
}

DriveRow FormatDriveRow(const DriveFacts& drive, int unitIndex, const platform::FormatSettings& fs) {
  unitIndex = std::clamp(unitIndex, 0, 4);
  DriveRow row;
  row.caption = drive.volume.label + " (" + drive.letter + ":)";
  row.subItems[0] = SizeText(drive.total, unitIndex, fs);
  row.subItems[1] = SizeText(drive.freeToCaller, unitIndex, fs);
  row.subItems[2] = drive.volume.fileSystem;
  std::string& serial = row.subItems[3];
  funclib::AppendHex(serial, drive.volume.serial >> 16, 4);
  serial += '-';
  funclib::AppendHex(serial, drive.volume.serial & 0xFFFF, 4);
  // A type the system may add some day shows its number with the name of type 0.
  const std::string_view typeName = drive.driveType < DriveTypeNames.size() ? DriveTypeNames[drive.driveType]
                                                                             : DriveTypeNames[0];
  row.subItems[4] = std::to_string(drive.driveType) + ": " + std::string(typeName);
  row.subItems[5] = std::to_string(drive.volume.maxComponentLength);
  for (size_t i = 0; i < std::size(kFlagColumns); ++i)
    row.subItems[6 + i] = funclib::TrueFalseTexts[(drive.volume.flags & kFlagColumns[i]) != 0];
  return row;
}

void TFormOrvane::DiskUpd_Cmd(widgets::Control&) { DiskList_Fill(); }

void TFormOrvane::DiskList_Fill() {
  // The list counts as filled from the first fill on, so the shell fills it only once by itself.
  Disk_ListView.SetTag(1);
  app_.SetScreenCursor(widgets::crHourGlass);
  Disk_ListView.BeginUpdate();
  // The list leaves batch mode and the hourglass goes, however the fill ends.
  struct Restore {
    widgets::ListView& list;
    widgets::Application& app;
    ~Restore() {
      list.EndUpdate();
      app.SetScreenCursor(widgets::crDefault);
    }
  } restore{Disk_ListView, app_};

  Disk_ListView.ClearItems();
  ImageList1.Clear();
  const int unit = DiskSize_Combo.ItemIndex();
  // An empty floppy or card drive must fail its queries, not ask the user for a disk.
  const platform::CriticalErrorsFail quiet;
  const std::uint32_t mask = platform::QueryLogicalDrives();
  for (int i = 0; i < 32; ++i) {
    if ((mask & funclib::BitMasks[i]) == 0) continue;
    const DriveFacts drive = ProbeDrive(static_cast<char>('A' + i));
    funclib::TFileDetails details;
    funclib::GetFileDetails(DriveRoot(drive.letter), funclib::kFdSmallIcon, details);
    const IconHolder icon{details.SmallIcon};
    // The image list keeps its own copy of the icon; ours is freed when the row is done.
    const int image = icon.icon ? ImageList1.AddIcon(icon.icon) : -1;
    DriveRow row = FormatDriveRow(drive, unit, formatSettings_);
    const int item = Disk_ListView.AddItem(std::move(row.caption), image);
    for (std::string& text : row.subItems) Disk_ListView.AddSubItem(item, std::move(text));
  }
}
