#pragma once
// TFormAbout: the modal about box. It names the product with its version, shows the build stamp and
// the maker's credits, and has three targets: the program's icon opens Readme.txt beside the
// executable, two links open the home page and a mail to support. Any character key closes it.
#include <string_view>

#include "widgets/application.hpp"
#include "widgets/form.hpp"
#include "widgets/image.hpp"
#include "widgets/label.hpp"
#include "widgets/panel.hpp"

// Colours of the links: blue at rest, dark blue and underlined under the mouse.
inline constexpr widgets::Color kLinkColor = widgets::clBlue;
inline constexpr widgets::Color kLinkHoverColor = 0x804000;

class TFormAbout : public widgets::Form {
 public:
  TFormAbout();

  // Clicking a link opens its target (the link's hint) with the shell; the box stays open.
  void Link_Click(widgets::Control& sender);
  // The link under the mouse is underlined; moving over anything else of the box restores both.
  void LinkOn_MouMove(widgets::Control& sender, widgets::ShiftState shift, int x, int y);
  void LinkOff_MouMove(widgets::Control& sender, widgets::ShiftState shift, int x, int y);
  // Any character key (Esc, Enter and Backspace included) closes the box.
  void FormKeyPress(widgets::Control& sender, char& key);
  // The icon opens Readme.txt beside the executable; the box stays open.
  void App_Image_Click(widgets::Control& sender);

  widgets::Panel Main_Panel;
  widgets::Label About_Label;
  widgets::Image App_Image;
  widgets::Label Comp_Label;
  widgets::BevelLine Split1_Bevel;
  widgets::Label Kelvo_Label;
  widgets::BevelLine Split2_Bevel;
  widgets::Label Hp_Label, Support_Label;
};

// Makes a fresh about box captioned "About " + text, with the build stamp and the application's
// icon, shows it modally over the main window and returns once it is closed. The box is destroyed
// then, also when showing it failed (the failure is passed on).
void ShowAbout(widgets::Application& app, std::string_view text);
