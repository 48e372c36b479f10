// The main window's layout: every control with its parent, bounds, caption, look and handlers.
// Bounds are 96-dpi pixels relative to the parent (left, top, width, height).
#include <span>
#include <stdexcept>
#include <string>

#include "form/orvane_form.hpp"
#include "form/page_rows.hpp"

namespace {

using namespace widgets;
using F = TFormOrvane;
using NotifyHandler = void (F::*)(Control&);
using MouseDownHandler = void (F::*)(Control&, MouseButton, ShiftState, int, int);
using MouseMoveHandler = void (F::*)(Control&, ShiftState, int, int);

constexpr std::uint8_t kTopRight = akTop | akRight;
constexpr std::uint8_t kTopLeft = akTop | akLeft;
constexpr std::uint8_t kLeftTopRight = akLeft | akTop | akRight;

struct SheetRow {
  const char* name;
  TabSheet F::*sheet;
  const char* caption;
};
const SheetRow kSheets[] = {
    {"Mem_Sheet", &F::Mem_Sheet, "Memory"},        {"Sys_Sheet", &F::Sys_Sheet, "System"},
    {"hWnd_Sheet", &F::hWnd_Sheet, "Feature Flags"}, {"Disk_Sheet", &F::Disk_Sheet, "Disks"},
    {"Misc_Sheet", &F::Misc_Sheet, "Other"},       {"Winamp_Sheet", &F::Winamp_Sheet, "Winamp"},
};

// Containers: panels with a raised inner and lowered outer bevel, and the plain colour sample.
struct PanelRow {
  const char* name;
  Panel F::*panel;
  const char* parent;
  Rect bounds;
  Bevel inner, outer;
};
const PanelRow kPanels[] = {
    {"Mem_Panel", &F::Mem_Panel, "Mem_Sheet", {8, 8, 337, 241}, Bevel::Raised, Bevel::Lowered},
    {"Disk_Panel", &F::Disk_Panel, "Disk_Sheet", {8, 8, 337, 241}, Bevel::Raised, Bevel::Lowered},
    {"SysColor_Panel", &F::SysColor_Panel, "Misc_Grp", {136, 20, 33, 21}, Bevel::None, Bevel::Lowered},
};

struct GroupRow {
  const char* name;
  GroupBox F::*group;
  const char* parent;
  Rect bounds;
  const char* caption;
  std::uint8_t anchors;
};
const GroupRow kGroups[] = {
    {"Time_Grp", &F::Time_Grp, "Misc_Sheet", {8, 3, 337, 81}, "Time", kTopLeft},
    {"Misc_Grp", &F::Misc_Grp, "Misc_Sheet", {8, 89, 337, 98}, "Other Stuff", kTopLeft},
    {"SysCursor_Grp", &F::SysCursor_Grp, "Misc_Sheet", {8, 192, 337, 57}, "System cursors", kTopRight},
    {"Winamp_GrpBox", &F::Winamp_GrpBox, "Winamp_Sheet", {8, 3, 337, 246}, "Nullsoft Winamp", kTopLeft},
};

// Description labels: maroon, 13 high, as wide as their text.
struct LabelRow {
  const char* name;
  Label F::*label;
  const char* parent;
  int left, top;
  const char* caption;
  std::uint8_t anchors;
};
const LabelRow kLabels[] = {
    {"RamSize_Label", &F::RamSize_Label, "Mem_Panel", 16, 14, "Total physical RAM size:", kTopLeft},
    {"RamUsed_Label", &F::RamUsed_Label, "Mem_Panel", 16, 30, "Used physical RAM:", kTopLeft},
    {"RamFree_Label", &F::RamFree_Label, "Mem_Panel", 16, 46, "Free physical RAM:", kTopLeft},
    {"MemLoad_Label", &F::MemLoad_Label, "Mem_Panel", 16, 62, "Memory load:", kTopLeft},
    {"SwpSize_Label", &F::SwpSize_Label, "Mem_Panel", 16, 86, "Total/Max SWAP file size:", kTopLeft},
    {"SwpUsed_Label", &F::SwpUsed_Label, "Mem_Panel", 16, 102, "Used of Max SWAP file:", kTopLeft},
    {"SwpFree_Label", &F::SwpFree_Label, "Mem_Panel", 16, 118, "Free of Max SWAP file:", kTopLeft},
    {"VirtualSize_Label", &F::VirtualSize_Label, "Mem_Panel", 16, 142, "Total virtual size:", kTopLeft},
    {"VirtualUsed_Label", &F::VirtualUsed_Label, "Mem_Panel", 16, 158, "Used virtual size:", kTopLeft},
    {"RamMes_Label", &F::RamMes_Label, "Mem_Panel", 16, 182, "RAM Measure:", kTopLeft},
    {"SwpMes_Label", &F::SwpMes_Label, "Mem_Panel", 16, 198, "SWAP Measure:", kTopLeft},
    {"TotMes_Label", &F::TotMes_Label, "Mem_Panel", 16, 214, "Total Memory Measure:", kTopLeft},
    {"SizeIn_Label", &F::SizeIn_Label, "Disk_Panel", 178, 216, "Show size in:", kTopRight},
    {"UpTime_Label", &F::UpTime_Label, "Time_Grp", 16, 22, "Windows Uptime:", kTopLeft},
    {"CurTime_Label", &F::CurTime_Label, "Time_Grp", 16, 38, "Current Time:", kTopLeft},
    {"CompStart_Label", &F::CompStart_Label, "Time_Grp", 16, 54, "Computer started:", kTopLeft},
    {"SysColor_Label", &F::SysColor_Label, "Misc_Grp", 16, 24, "System colors:", kTopLeft},
    {"Printers_Label", &F::Printers_Label, "Misc_Grp", 16, 48, "Installed printers:", kTopLeft},
    {"MouPos_Label", &F::MouPos_Label, "Misc_Grp", 16, 72, "Mouse positions:", kTopLeft},
    {"Cursor_Label", &F::Cursor_Label, "SysCursor_Grp", 16, 26, "Cursor:", kTopLeft},
    {"WaVers_Label", &F::WaVers_Label, "Winamp_GrpBox", 16, 22, "Winamp version:", kTopLeft},
    {"CurAction_Label", &F::CurAction_Label, "Winamp_GrpBox", 16, 46, "Current action:", kTopLeft},
    {"WaCaption_Label", &F::WaCaption_Label, "Winamp_GrpBox", 16, 62, "Window caption:", kTopLeft},
    {"SongTitle_Label", &F::SongTitle_Label, "Winamp_GrpBox", 16, 86, "Song title:", kTopLeft},
    {"SongPos_Label", &F::SongPos_Label, "Winamp_GrpBox", 16, 102, "Song position:", kTopLeft},
    {"PLPos1_Label", &F::PLPos1_Label, "Winamp_GrpBox", 16, 118, "Playlist position:", kTopLeft},
};

// Value panels: "n/a", 15 high, sunken, right-aligned black text, hand cursor, hint shown.
struct ValuePanelRow {
  const char* name;
  Panel F::*panel;
  const char* parent;
  int left, top, width;
};
const ValuePanelRow kValuePanels[] = {
    {"RamSize_Panel", &F::RamSize_Panel, "Mem_Panel", 160, 13, 165},
    {"RamUsed_Panel", &F::RamUsed_Panel, "Mem_Panel", 160, 29, 165},
    {"RamFree_Panel", &F::RamFree_Panel, "Mem_Panel", 160, 45, 165},
    {"MemLoad_Panel", &F::MemLoad_Panel, "Mem_Panel", 160, 61, 165},
    {"SwpSize_Panel", &F::SwpSize_Panel, "Mem_Panel", 160, 85, 165},
    {"SwpUsed_Panel", &F::SwpUsed_Panel, "Mem_Panel", 160, 101, 165},
    {"SwpFree_Panel", &F::SwpFree_Panel, "Mem_Panel", 160, 117, 165},
    {"VirtualSize_Panel", &F::VirtualSize_Panel, "Mem_Panel", 160, 141, 165},
    {"VirtualUsed_Panel", &F::VirtualUsed_Panel, "Mem_Panel", 160, 157, 165},
    {"RamMes_Panel", &F::RamMes_Panel, "Mem_Panel", 160, 181, 149},
    {"SwpMes_Panel", &F::SwpMes_Panel, "Mem_Panel", 160, 197, 149},
    {"TotMes_Panel", &F::TotMes_Panel, "Mem_Panel", 160, 213, 149},
    {"UpTime_Panel", &F::UpTime_Panel, "Time_Grp", 128, 21, 197},
    {"CurTime_Panel", &F::CurTime_Panel, "Time_Grp", 128, 37, 197},
    {"CompStart_Panel", &F::CompStart_Panel, "Time_Grp", 128, 53, 197},
    {"MouPos_Panel", &F::MouPos_Panel, "Misc_Grp", 136, 72, 193},
    {"WaVers_Panel", &F::WaVers_Panel, "Winamp_GrpBox", 128, 21, 197},
    {"CurAction_Panel", &F::CurAction_Panel, "Winamp_GrpBox", 128, 45, 197},
    {"WaCaption_Panel", &F::WaCaption_Panel, "Winamp_GrpBox", 128, 61, 197},
    {"Song_Panel", &F::Song_Panel, "Winamp_GrpBox", 128, 85, 197},
    {"SongPos_Panel", &F::SongPos_Panel, "Winamp_GrpBox", 128, 101, 197},
    {"PLPos_Panel", &F::PLPos_Panel, "Winamp_GrpBox", 128, 117, 197},
};

// Push buttons show their text in the system's button-text colour.
struct ButtonRow {
  const char* name;
  Button F::*button;
  const char* parent;
  Rect bounds;
  const char* caption;
  int tabOrder;
  bool cancel;
  NotifyHandler onClick;
};
const ButtonRow kButtons[] = {
    {"About_Btn", &F::About_Btn, nullptr, {184, 304, 57, 21}, "&About", 4, false, &F::About_Open},
    {"Tray_Btn", &F::Tray_Btn, nullptr, {248, 304, 57, 21}, "&Tray", 3, false, &F::MinimizeTray_Cmd},
    {"Close_Btn", &F::Close_Btn, nullptr, {312, 304, 57, 21}, "&Close", 2, true, &F::Close_Cmd},
    {"DiskUpdate_Btn", &F::DiskUpdate_Btn, "Disk_Panel", {8, 212, 78, 21}, "&Update", -1, false, &F::DiskUpd_Cmd},
};

struct SpeedButtonRow {
  const char* name;
  SpeedButton F::*button;
  const char* parent;
  Rect bounds;
  const char* caption;
  Color fontColor;
  int tag;
  int group;
  bool down;
  bool enabled;
  const char* hint;
  std::uint8_t anchors;
  NotifyHandler onClick;
  MouseDownHandler onMouseDown;
};
const SpeedButtonRow kSpeedButtons[] = {
    {"RamResetMes_Spd", &F::RamResetMes_Spd, "Mem_Panel", {313, 181, 12, 15}, "R", clGreen, 0, 0, false, false,
     "Reset mesure counter!", kTopRight, &F::ResetMesureBtns_Click, nullptr},
    {"SwpResetMes_Spd", &F::SwpResetMes_Spd, "Mem_Panel", {313, 197, 12, 15}, "R", clGreen, 0, 0, false, false,
     "Reset mesure counter!", kTopRight, &F::ResetMesureBtns_Click, nullptr},
    {"TotResetMes_Spd", &F::TotResetMes_Spd, "Mem_Panel", {313, 213, 12, 15}, "R", clGreen, 0, 0, false, false,
     "Reset mesure counter!", kTopRight, &F::ResetMesureBtns_Click, nullptr},
    {"Prev_SpdBtn", &F::Prev_SpdBtn, "Winamp_GrpBox", {64, 200, 44, 21}, "<<", clMaroon, 1, 0, false, true, nullptr,
     kTopLeft, nullptr, &F::WinampCtrl_Click},
    {"Play_SpdBtn", &F::Play_SpdBtn, "Winamp_GrpBox", {108, 200, 44, 21}, "Play", clMaroon, 2, 1, true, true, nullptr,
     kTopLeft, nullptr, &F::WinampCtrl_Click},
    {"Pause_SpdBtn", &F::Pause_SpdBtn, "Winamp_GrpBox", {152, 200, 44, 21}, "Pause", clMaroon, 3, 1, false, true,
     nullptr, kTopLeft, nullptr, &F::WinampCtrl_Click},
    {"Stop_SpdBtn", &F::Stop_SpdBtn, "Winamp_GrpBox", {196, 200, 44, 21}, "Stop", clMaroon, 4, 1, false, true, nullptr,
     kTopLeft, nullptr, &F::WinampCtrl_Click},
    {"Next_SpdBtn", &F::Next_SpdBtn, "Winamp_GrpBox", {240, 200, 44, 21}, ">>", clMaroon, 5, 0, false, true, nullptr,
     kTopLeft, nullptr, &F::WinampCtrl_Click},
};

const char* const kIntervalItems[] = {"0.010 s", "0.025 s", "0.050 s", "0.100 s", "0.250 s",
                                      "0.500 s", "1.000 s", "2.500 s", "5.000 s"};
const char* const kDiskSizeItems[] = {"Bit", "Byte", "KiloByte", "MegaByte", "GigaByte"};

struct ComboRow {
  const char* name;
  ComboBox F::*combo;
  const char* parent;
  Rect bounds;
  std::span<const char* const> items;
  int dropDownCount;
  Color fontColor;
  std::uint8_t anchors;
  int tabOrder;
  NotifyHandler onChange;
};
const ComboRow kCombos[] = {
    {"UpdInterval_Combo", &F::UpdInterval_Combo, nullptr, {112, 304, 65, 21}, kIntervalItems, 9, clWindowText,
     kTopLeft, 5, &F::UpdInterval_Combo_Change},
    {"DiskSize_Combo", &F::DiskSize_Combo, "Disk_Panel", {248, 212, 81, 21}, kDiskSizeItems, 8, clBlack, kTopRight,
     -1, nullptr},
    {"SysColor_Combo", &F::SysColor_Combo, "Misc_Grp", {174, 20, 155, 21}, {}, 8, clWindowText, kTopLeft, -1,
     &F::SysColor_ComboChange},
    {"Printers_Combo", &F::Printers_Combo, "Misc_Grp", {136, 44, 193, 21}, {}, 8, clWindowText, kTopLeft, -1, nullptr},
    {"Cursor_Combo", &F::Cursor_Combo, "SysCursor_Grp", {176, 22, 153, 21}, {}, 8, clWindowText, kTopLeft, -1,
     &F::Cursor_Combo_Change},
};

const ListColumn kSysColumns[] = {{"Value", 110, Alignment::Left}, {"Discription", 206, Alignment::Right}};
const ListColumn kCpuIdColumns[] = {{"Bit", 24, Alignment::Left},
                                    {"Feature", 58, Alignment::Left},
                                    {"Discription", 166, Alignment::Left},
                                    {"Value", 66, Alignment::Center}};
const ListColumn kDiskColumns[] = {
    {"Drive", 120, Alignment::Left},          {"Total Space", 94, Alignment::Right},
    {"Free Space", 94, Alignment::Right},     {"FSys", 46, Alignment::Left},
    {"Disk Serial", 72, Alignment::Left},     {"Drive Type", 80, Alignment::Left},
    {"File Length", 70, Alignment::Right},    {"Case Preserved", 95, Alignment::Center},
    {"Case Sensative", 95, Alignment::Center}, {"Unicode on Disk", 95, Alignment::Center},
    {"Persitent ACLs", 95, Alignment::Center}, {"File Comp.", 70, Alignment::Center},
    {"Vol. Comp.", 70, Alignment::Center},
};

// Report-style lists: read-only, whole-row selection, selection kept visible, headers not clickable.
struct ListRow {
  const char* name;
  ListView F::*list;
  const char* parent;
  Rect bounds;
  std::span<const ListColumn> columns;
  bool columnDrag;
  Color fontColor;
  std::uint8_t anchors;
  NotifyHandler onDblClick;
};
const ListRow kLists[] = {
    {"Sys_ListView", &F::Sys_ListView, "Sys_Sheet", {8, 8, 337, 241}, kSysColumns, false, clWindowText, kTopLeft,
     &F::Sys_ListView_DblClick},
    {"CpuId_ListView", &F::CpuId_ListView, "hWnd_Sheet", {8, 8, 337, 241}, kCpuIdColumns, false, clWindowText,
     kTopLeft, nullptr},
    {"Disk_ListView", &F::Disk_ListView, "Disk_Panel", {8, 8, 321, 199}, kDiskColumns, true, clBlack, kLeftTopRight,
     nullptr},
};

struct MenuRow {
  const char* name;
  const char* caption;
  ShortCut shortCut;
  NotifyHandler onClick;
};
constexpr std::uint16_t kVkF1 = 0x70, kVkF11 = 0x7A, kVkQ = 'Q';
const MenuRow kPopupItems[] = {
    {"About1", "About...", {kVkF1}, &F::About_Open},
    {"N1", "-", {}, nullptr},
    {"MinimizeTray1", "Minimize to Tray", {kVkF11}, &F::MinimizeTray_Cmd},
    {"N2", "-", {}, nullptr},
    {"Close1", "&Close", {kVkQ, true}, &F::Close_Cmd},
};

template <class Row>
Control& ParentOf(F& form, const Row& row) {
  if (!row.parent) return form;
  Control* parent = form.FindControl(row.parent);
  // A parent that is not made yet (or misspelt) is a fault of the tables: never a silent fallback.
  if (!parent) throw std::logic_error(std::string("layout: ") + row.name + " names no parent " + row.parent);
  return *parent;
}

}  // namespace

PageRow LayoutColumns(std::string_view listName) {
  PageRow captions;
  for (const auto& row : kLists)
    if (listName == row.name)
      for (const ListColumn& column : row.columns) captions.push_back(column.caption);
  return captions;
}

std::string_view LayoutCaption(std::string_view controlName) {
  for (const auto& row : kSheets)
    if (controlName == row.name) return row.caption;
  for (const auto& row : kLabels)
    if (controlName == row.name) return row.caption;
  for (const auto& row : kGroups)
    if (controlName == row.name) return row.caption;
  return {};
}

PageRow PanelRow(std::string_view labelName, std::string value) {
  std::string_view label = LayoutCaption(labelName);
  if (!label.empty() && label.back() == ':') label.remove_suffix(1);
  return {std::string(label), std::move(value)};
}

void TFormOrvane::LoadLayout() {
  Font font;  // Tahoma, -11, window text: every control's font unless its row says otherwise
  SetFont(font);
  auto place = [&](Control& c, std::string_view name, Control& parent, const Rect& bounds) {
    Register(c, name);
    c.SetParent(&parent);
    c.SetBounds(bounds);
    c.SetFont(font);
  };
  auto bind = [this](NotifyHandler h) {
    return [this, h](Control& sender) { (this->*h)(sender); };
  };

  place(Main_PageCtrl, "Main_PageCtrl", *this, {8, 8, 361, 289});
  Main_PageCtrl.SetHotTrack(true);
  Main_PageCtrl.SetTabOrder(0);
  Main_PageCtrl.OnChange = bind(&F::Main_PageCtrl_Change);
  for (const auto& row : kSheets) {
    TabSheet& sheet = this->*row.sheet;
    place(sheet, row.name, Main_PageCtrl, {});
    sheet.SetCaption(row.caption);
  }

  place(StayOnTop_Chk, "StayOnTop_Chk", *this, {16, 306, 81, 17});
  StayOnTop_Chk.SetCaption("&Stay on Top");
  StayOnTop_Chk.SetFontColor(clMaroon);
  StayOnTop_Chk.SetTabOrder(1);
  StayOnTop_Chk.OnClick = bind(&F::StayOnTop_Toggle);

  for (const auto& row : kGroups) {
    GroupBox& g = this->*row.group;
    place(g, row.name, ParentOf(*this, row), row.bounds);
    g.SetCaption(row.caption);
    g.SetFont(Font{font.name, font.height, clNavy, fsBold, {}});
    g.SetAnchors(row.anchors);
  }
  for (const auto& row : kPanels) {  // after the groups: the colour sample lies in one
    Panel& p = this->*row.panel;
    place(p, row.name, ParentOf(*this, row), row.bounds);
    p.SetBevels(row.inner, row.outer);
  }
  for (const auto& row : kLabels) {
    Label& l = this->*row.label;
    place(l, row.name, ParentOf(*this, row), {row.left, row.top, 0, 13});
    l.SetCaption(row.caption);
    l.SetFontColor(clMaroon);
    l.SetAnchors(row.anchors);
  }
  for (const auto& row : kValuePanels) {
    Panel& p = this->*row.panel;
    place(p, row.name, ParentOf(*this, row), {row.left, row.top, row.width, 15});
    p.SetCaption("n/a");
    p.SetBevels(Bevel::None, Bevel::Lowered);
    p.SetBorderWidth(2);
    p.SetCaptionAlignment(Alignment::Right);
    p.SetFontColor(clBlack);
    p.SetCursor(crHandPoint);
    p.SetShowHint(true);
    p.SetAnchors(kTopRight);
    p.OnMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) { Labels_MouseDown(s, b, sh, x, y); };
    p.OnMouseMove = [this](Control& s, ShiftState sh, int x, int y) { Labels_MouseMove(s, sh, x, y); };
  }
  for (const auto& row : kButtons) {
    Button& b = this->*row.button;
    place(b, row.name, ParentOf(*this, row), row.bounds);
    b.SetCaption(row.caption);
    b.SetTabOrder(row.tabOrder);
    b.SetCancel(row.cancel);
    if (row.cancel) SetCancelButton(&b);
    b.OnClick = bind(row.onClick);
  }
  for (const auto& row : kSpeedButtons) {
    SpeedButton& b = this->*row.button;
    place(b, row.name, ParentOf(*this, row), row.bounds);
    b.SetCaption(row.caption);
    b.SetFlat(true);
    b.SetFontColor(row.fontColor);
    b.SetTag(row.tag);
    b.SetGroupIndex(row.group);
    b.SetDown(row.down);
    b.SetEnabled(row.enabled);
    if (row.hint) {
      b.SetHint(row.hint);
      b.SetShowHint(true);
    }
    b.SetAnchors(row.anchors);
    if (row.onClick) b.OnClick = bind(row.onClick);
    if (auto h = row.onMouseDown)
      b.OnMouseDown = [this, h](Control& s, MouseButton mb, ShiftState sh, int x, int y) { (this->*h)(s, mb, sh, x, y); };
  }
  for (const auto& row : kCombos) {
    ComboBox& c = this->*row.combo;
    place(c, row.name, ParentOf(*this, row), row.bounds);
    c.SetItems({row.items.begin(), row.items.end()});
    c.SetDropDownCount(row.dropDownCount);
    c.SetFontColor(row.fontColor);
    c.SetAnchors(row.anchors);
    c.SetTabOrder(row.tabOrder);
    c.SetColor(SystemColor(5));  // window background
    if (row.onChange) c.OnChange = bind(row.onChange);
  }
  for (const auto& row : kLists) {
    ListView& l = this->*row.list;
    place(l, row.name, ParentOf(*this, row), row.bounds);
    l.SetColumns({row.columns.begin(), row.columns.end()});
    ListView::Options options;
    options.columnDrag = row.columnDrag;
    l.SetOptions(options);
    l.SetFontColor(row.fontColor);
    l.SetAnchors(row.anchors);
    l.SetColor(SystemColor(5));
    if (row.onDblClick) l.OnDblClick = bind(row.onDblClick);
  }
  Disk_ListView.SetSmallImages(&ImageList1);

  place(SysCursor_Image, "SysCursor_Image", SysCursor_Grp, {136, 16, 32, 32});

  place(Winamp_TrackBar, "Winamp_TrackBar", Winamp_GrpBox, {24, 160, 297, 20});
  Winamp_TrackBar.SetRange(0, 1000);
  Winamp_TrackBar.SetOptions({.lineSize = 10, .pageSize = 50, .frequency = 10, .noTicks = true, .thumbLength = 15});
  Winamp_TrackBar.SetSelection(0, 0);
  Winamp_TrackBar.SetAnchors(kLeftTopRight);
  Winamp_TrackBar.OnChange = bind(&F::Winamp_TrackBar_Change);

  Register(Timer1, "Timer1");
  Timer1.SetInterval(50);
  Timer1.SetEnabled(true);
  Timer1.OnTimer = [this](Component& sender) { UpdateInfo_Cmd(sender); };
  AddComponent(Timer1);

  Register(PopupMenu1, "PopupMenu1");
  for (const auto& row : kPopupItems) {
    NotifyHandler h = row.onClick;
    PopupMenu1.AddItem(MenuItem{row.name, row.caption, row.shortCut, h ? std::function<void()>([this, h] {
                                                                         (this->*h)(*this);
                                                                       })
                                                                     : std::function<void()>()});
  }
  AddComponent(PopupMenu1);
  SetContextMenu(&PopupMenu1);

  Register(ImageList1, "ImageList1");
  AddComponent(ImageList1);

  // The tray icon: its tooltip gets the hint all the same (setting Hint always fills it); a
  // click on it brings the window back. No menu and no image list.
  Register(TrayCtrl1, "TrayCtrl1");
  TrayCtrl1.SetShowHint(false);
  TrayCtrl1.SetVisible(false);
  TrayCtrl1.OnClick = [this](Component&) { MinimizeTray_Cmd(*this); };
  AddComponent(TrayCtrl1);
  TrayCtrl1.AfterLoad();
}
