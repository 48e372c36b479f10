#pragma once
// The application object: task-bar title, icon, the screen-wide cursor and the message pump.
#include <array>
#include <string>
#include <string_view>

#include "widgets/types.hpp"

namespace widgets {

class Form;

class ApplicationPeer {
 public:
  virtual ~ApplicationPeer() = default;
  virtual void ScreenCursorChanged() = 0;
  virtual void ProcessMessages() = 0;
  // Makes the form's windows if it has none yet and shows it.
  virtual void ShowForm(Form& form) = 0;
  // Makes the form's windows if need be, shows it above the other forms, which take no input
  // meanwhile, and returns once the form's modal result is set (Close sets Cancel).
  virtual void RunModal(Form& form) = 0;
};

class Application {
 public:
  // The text of the task-bar entry. On Win32 the entry is the main window itself, so the title
  // is what that window shows; the application keeps it for the parts that ask for it.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string_view title);

  // The program's main icon (a handle the backend owns), 0 when none is loaded.
  IconHandle Icon() const { return icon_; }
  void SetIcon(IconHandle icon) { icon_ = icon; }

  // The window that owns the program's message boxes and clipboard access: the main window.
  WindowHandle Handle() const { return handle_; }
  void SetHandle(WindowHandle h) { handle_ = h; }

  // Screen-wide cursor override (crDefault = none, each control shows its own).
  Cursor ScreenCursor() const { return screenCursor_; }
  void SetScreenCursor(Cursor c);

  // The screen cursors by number, crDefault down to crSizeAll, as the backend loaded them when it
  // started; they stay valid for the whole run and nobody frees them. 0 for crNone, for a number
  // outside the table and while no backend has set them.
  IconHandle CursorHandle(Cursor c) const;
  void SetCursorHandle(Cursor c, IconHandle handle);

  // Handles the window messages that are waiting, then returns.
  void ProcessMessages();

  // Shows a form (a second window); the main form keeps running.
  void ShowForm(Form& form);
  // Shows the form modally and returns its modal result once it is closed. Headless (no
  // backend), the form's OnShow runs and whatever result it leaves is returned.
  int ShowModal(Form& form);

  void AttachPeer(ApplicationPeer* peer) { peer_ = peer; }

 private:
  std::string title_;
  IconHandle icon_ = 0;
  WindowHandle handle_ = 0;
  Cursor screenCursor_ = crDefault;
  std::array<IconHandle, kCursorCount> cursors_{};  // index: minus the cursor number
  ApplicationPeer* peer_ = nullptr;
};

}  // namespace widgets
