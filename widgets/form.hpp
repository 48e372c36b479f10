#pragma once
// A top-level window. Its bounds are the client area's size; the backend places it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/control.hpp"

namespace widgets {

enum class BorderStyle : std::uint8_t { Single, Sizeable, ToolWindow };
enum BorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class FormPosition : std::uint8_t { Designed, ScreenCenter };

// What ended a modal form: none while it is up, Cancel when it was closed.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class Button;
class PopupMenu;

class Form : public Control {
 public:
  explicit Form(std::string className) : Control(ControlKind::Form), className_(std::move(className)) {}
  ~Form() override;

  // The name of the window class the backend registers for this form.
  const std::string& ClassName() const { return className_; }

  int ClientWidth() const { return Bounds().width; }
  int ClientHeight() const { return Bounds().height; }
  void SetClientSize(int width, int height) { SetBounds({Bounds().left, Bounds().top, width, height}); }

  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle s) { borderStyle_ = s; }
  std::uint8_t BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(std::uint8_t icons) { borderIcons_ = icons; }
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition p) { position_ = p; }

  // The button that Esc presses. The form forgets it when it is destroyed first.
  Button* CancelButton() const { return cancelButton_; }
  void SetCancelButton(Button* b);

  // The context menu of the window (right click), whose short-cuts work while it is active. The
  // form forgets it when it is destroyed first.
  PopupMenu* ContextMenu() const { return contextMenu_; }
  void SetContextMenu(PopupMenu* m);

  // Key preview: the form sees every character key (letters, digits, punctuation, space, Enter,
  // Esc, Backspace) before the focused control does. The handler may set the key to 0 to keep it
  // from the control.
  using KeyPressEvent = std::function<void(Control& sender, char& key)>;
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  KeyPressEvent OnKeyPress;
  // A character key reaches the form (the backend calls this; so do tests). Without key preview
  // nothing happens.
  void KeyPress(char& key);

  // Raised each time the form is shown, modally or not, once its window is visible.
  NotifyEvent OnShow;
  void Shown();

  // Modal state: Application::ShowModal begins and ends it. While modal, Close (or a non-zero
  // modal result) ends the modal loop instead of destroying the window.
  bool Modal() const { return modal_; }
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  void BeginModal();
  void EndModal() { modal_ = false; }

  // The non-visual parts of this form (timer, menus, image lists), in creation order. One that
  // is destroyed first leaves the list.
  const std::vector<Component*>& Components() const { return components_; }
  void AddComponent(Component& c);

  // The user changed a system setting while the form is up. The area names which ("intl" for the
  // locale settings; empty when the system does not say); the backend raises it for every form.
  std::function<void(Form& sender, std::string_view area)> OnSettingChange;
  void SettingChange(std::string_view area) {
    if (OnSettingChange) OnSettingChange(*this, area);
  }

  // Closes the window; for the main form this ends the program. A modal form is hidden and its
  // modal result becomes Cancel unless it has one.
  void Close();
  bool Closed() const { return closed_; }

 private:
  std::string className_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  std::uint8_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  FormPosition position_ = FormPosition::Designed;
  Button* cancelButton_ = nullptr;
  int cancelKey_ = 0;
  PopupMenu* contextMenu_ = nullptr;
  int menuKey_ = 0;
  std::vector<Component*> components_;
  std::vector<int> componentKeys_;  // their free notifications, in the same order
  bool closed_ = false;
  bool keyPreview_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
};

}  // namespace widgets
