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

class Button;
class PopupMenu;

class Form : public Control {
 public:
  explicit Form(std::string className) : Control(ControlKind::Form), className_(std::move(className)) {}

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

  // The button that Esc presses.
  Button* CancelButton() const { return cancelButton_; }
  void SetCancelButton(Button* b) { cancelButton_ = b; }

  // The context menu of the window (right click), whose short-cuts work while it is active.
  PopupMenu* ContextMenu() const { return contextMenu_; }
  void SetContextMenu(PopupMenu* m) { contextMenu_ = m; }

  // The non-visual parts of this form (timer, menus, image lists), in creation order.
  const std::vector<Component*>& Components() const { return components_; }
  void AddComponent(Component& c) { components_.push_back(&c); }

  // The user changed a system setting while the form is up. The area names which ("intl" for the
  // locale settings; empty when the system does not say); the backend raises it for every form.
  std::function<void(Form& sender, std::string_view area)> OnSettingChange;
  void SettingChange(std::string_view area) {
    if (OnSettingChange) OnSettingChange(*this, area);
  }

  // Closes the window; for the main form this ends the program.
  void Close();
  bool Closed() const { return closed_; }

 private:
  std::string className_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  std::uint8_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  FormPosition position_ = FormPosition::Designed;
  Button* cancelButton_ = nullptr;
  PopupMenu* contextMenu_ = nullptr;
  std::vector<Component*> components_;
  bool closed_ = false;
};

}  // namespace widgets
