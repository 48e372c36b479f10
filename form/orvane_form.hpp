#pragma once
// TFormOrvane: the main window. Its controls are members named as the layout names them; the
// tables in layout.cpp give each its parent, bounds, captions, style and handlers. The shell
// (shell.cpp) and each page (one file per page) supply the behaviour.
#include <array>
#include <cstdint>
#include <string_view>

#include "form/memory_page.hpp"
#include "form/other_page.hpp"
#include "form/player_gate.hpp"
#include "platform/locale.hpp"
#include "tray/tray_ctrl.hpp"
#include "widgets/application.hpp"
#include "widgets/button.hpp"
#include "widgets/combo_box.hpp"
#include "widgets/components.hpp"
#include "widgets/form.hpp"
#include "widgets/image.hpp"
#include "widgets/label.hpp"
#include "widgets/list_view.hpp"
#include "widgets/page_control.hpp"
#include "widgets/panel.hpp"
#include "widgets/track_bar.hpp"

// Multipliers of the refresh interval: item i of the interval combo is
// 10^(i div 3) * IntervalSteps[i mod 3] milliseconds.
inline constexpr std::array<std::uint8_t, 3> IntervalSteps{10, 25, 50};

// Names of the screen cursors, indexed by minus the cursor number (0 down to -22).
extern const std::array<std::string_view, 23> CursorNames;
// Names of the system colours in the order of the colour combo's items.
extern const std::array<std::string_view, 28> SysColorNames;

// Captions of the System list's seventeen rows; row 8 is a blank separator.
extern const std::array<std::string_view, 17> SysRowCaptions;
// Names of the keyboard types 1 to 7, at index type - 1.
extern const std::array<std::string_view, 7> KeyboardTypeNames;
// Short names and descriptions of the 32 bits of the processor's feature word (CPUID leaf 1,
// EDX), indexed by bit; the reserved bits have empty texts.
extern const std::array<std::string_view, 32> FeatureNames;
extern const std::array<std::string_view, 32> FeatureDescriptions;

// The refresh interval in milliseconds for an item of the interval combo (0..8).
unsigned IntervalForItem(int index);

class TFormOrvane : public widgets::Form {
 public:
  explicit TFormOrvane(widgets::Application& app);
  ~TFormOrvane() override;

  // Start-up sequence, run once after the windows of the layout exist.
  void FormCreate();

  // Shell.
  void UpdateInfo_Cmd(widgets::Component& sender);
  void Main_PageCtrl_Change(widgets::Control& sender);
  void UpdInterval_Combo_Change(widgets::Control& sender);
  void StayOnTop_Toggle(widgets::Control& sender);
  void Close_Cmd(widgets::Control& sender);
  void MinimizeTray_Cmd(widgets::Control& sender);
  void About_Open(widgets::Control& sender);
  // Reads the user's separators again after a change of the locale settings.
  void Settings_Change(widgets::Form& sender, std::string_view area);

  // Memory page.
  void MemPage_Update();
  void ResetMesureBtns_Click(widgets::Control& sender);

  // Steps the other pages supply at the shell's plug points.
  virtual void SysList_Fill();
  virtual void CpuIdList_Fill();
  virtual void CpuIdPage_Activate();
  void DiskUpd_Cmd(widgets::Control& sender);
  virtual void DiskList_Fill();
  virtual void OtherPage_Update();
  virtual void UpdateWinampPage();
  virtual void Cursor_Combo_Change(widgets::Control& sender);
  void Sys_ListView_DblClick(widgets::Control& sender);
  void SysColor_ComboChange(widgets::Control& sender);
  void Winamp_TrackBar_Change(widgets::Control& sender);
  void WinampCtrl_Click(widgets::Control& sender, widgets::MouseButton button, widgets::ShiftState shift, int x,
                        int y);

  // Value panels: hover text and copy.
  void Labels_MouseMove(widgets::Control& sender, widgets::ShiftState shift, int x, int y);
  void Labels_MouseDown(widgets::Control& sender, widgets::MouseButton button, widgets::ShiftState shift, int x,
                        int y);

  // The control of that name, or nullptr.
  widgets::Control* FindControl(std::string_view name) const;
  // Every control and component of the layout, in the order the layout made them.
  const std::vector<widgets::Component*>& LayoutComponents() const { return named_; }

  // Window-level controls.
  widgets::PageControl Main_PageCtrl;
  widgets::CheckBox StayOnTop_Chk;
  widgets::ComboBox UpdInterval_Combo;
  widgets::Button About_Btn, Tray_Btn, Close_Btn;

  // Non-visual components.
  widgets::Timer Timer1;
  widgets::PopupMenu PopupMenu1;
  widgets::ImageList ImageList1;
  // The notification-area icon that stands for the window while it is hidden.
  TTrayCtrl TrayCtrl1;

  // Pages.
  widgets::TabSheet Mem_Sheet, Sys_Sheet, hWnd_Sheet, Disk_Sheet, Misc_Sheet, Winamp_Sheet;

  // Page 0, Memory.
  widgets::Panel Mem_Panel;
  widgets::Label RamSize_Label, RamUsed_Label, RamFree_Label, MemLoad_Label, SwpSize_Label, SwpUsed_Label,
      SwpFree_Label, VirtualSize_Label, VirtualUsed_Label, RamMes_Label, SwpMes_Label, TotMes_Label;
  widgets::Panel RamSize_Panel, RamUsed_Panel, RamFree_Panel, MemLoad_Panel, SwpSize_Panel, SwpUsed_Panel,
      SwpFree_Panel, VirtualSize_Panel, VirtualUsed_Panel, RamMes_Panel, SwpMes_Panel, TotMes_Panel;
  widgets::SpeedButton RamResetMes_Spd, SwpResetMes_Spd, TotResetMes_Spd;

  // Page 1, System.
  widgets::ListView Sys_ListView;

  // Page 2, Feature Flags.
  widgets::ListView CpuId_ListView;

  // Page 3, Disks.
  widgets::Panel Disk_Panel;
  widgets::ListView Disk_ListView;
  widgets::Button DiskUpdate_Btn;
  widgets::Label SizeIn_Label;
  widgets::ComboBox DiskSize_Combo;

  // Page 4, Other.
  widgets::GroupBox Time_Grp, Misc_Grp, SysCursor_Grp;
  widgets::Label UpTime_Label, CurTime_Label, CompStart_Label, SysColor_Label, Printers_Label, MouPos_Label,
      Cursor_Label;
  widgets::Panel UpTime_Panel, CurTime_Panel, CompStart_Panel, SysColor_Panel, MouPos_Panel;
  widgets::ComboBox SysColor_Combo, Printers_Combo, Cursor_Combo;
  widgets::Image SysCursor_Image;

  // Page 5, Winamp.
  widgets::GroupBox Winamp_GrpBox;
  widgets::Label WaVers_Label, CurAction_Label, WaCaption_Label, SongTitle_Label, SongPos_Label, PLPos1_Label;
  widgets::Panel WaVers_Panel, CurAction_Panel, WaCaption_Panel, Song_Panel, SongPos_Panel, PLPos_Panel;
  widgets::TrackBar Winamp_TrackBar;
  widgets::SpeedButton Prev_SpdBtn, Play_SpdBtn, Pause_SpdBtn, Stop_SpdBtn, Next_SpdBtn;

 protected:
  widgets::Application& app_;
  // The user's separators, read when the window is made and again when the user changes them;
  // every refresh formats with the current ones.
  platform::FormatSettings formatSettings_;

 private:
  // Builds every control from the layout tables (layout.cpp).
  void LoadLayout();
  void Register(widgets::Component& c, std::string_view name);

  std::vector<widgets::Component*> named_;
  std::string text_;          // scratch text for the live pages' captions
  MemoryValues memValues_;    // the Memory page's texts, their buffers reused by every refresh
  OtherValues otherValues_;   // the Other page's, likewise
  PlayerGate playerGate_;     // the Winamp page's pause after a player left a question unanswered
};
