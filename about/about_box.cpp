#include "about/about_box.hpp"

#include <memory>

#include "about/about_texts.hpp"
#include "funclib/window.hpp"
#include "platform/shell.hpp"

namespace {

using namespace widgets;
using F = TFormAbout;
using MouseMoveHandler = void (F::*)(Control&, ShiftState, int, int);

// The credits: the maker and the postal support address. The second line is left free for the
// support link, which lies on it.
constexpr const char* kCredits =
    "Orvane by the Kelvo team\r\n"
    "\r\n"
    "Kelvo Productions Support\r\n"
    "P.O. Box 161\r\n"
    "Freeport FP 10361";

struct LabelRow {
  Label F::*label;
  const char* name;
  Rect bounds;
  const char* caption;
  Font font;
  bool autoSize;
  Alignment alignment;
  const char* hint;  // the link target, for links
  MouseMoveHandler onMouseMove;
};

Font FontOf(const char* name, int height, Color color) {
  Font f;
  f.name = name;
  f.height = height;
  f.color = color;
  return f;
}

const Font kTahoma = FontOf("Tahoma", -11, clMaroon);
const Font kLink = FontOf("Tahoma", -11, kLinkColor);

// In creation order: later ones lie on top (the support link over the credits' second line).
const LabelRow kLabels[] = {
    {&F::About_Label, "About_Label", {48, 33, 160, 65}, kCredits, kTahoma, false, Alignment::Left, nullptr,
     &F::LinkOff_MouMove},
    {&F::Comp_Label, "Comp_Label", {8, 122, 213, 26}, "Compiled in  on \r\n(Dayname, Month Day, Year - Time)",
     FontOf("Tahoma", -11, 0x505050), false, Alignment::Center, nullptr, &F::LinkOff_MouMove},
    {&F::Kelvo_Label, "Kelvo_Label", {8, 5, 213, 19}, "Kelvo Productions", FontOf("Courier New", -16, 0x804000), false,
     Alignment::Center, nullptr, &F::LinkOff_MouMove},
    {&F::Hp_Label, "Hp_Label", {48, 98, 104, 13}, "www.kelvo.example", kLink, true, Alignment::Left,
     "http://www.kelvo.example/", &F::LinkOn_MouMove},
    {&F::Support_Label, "Support_Label", {48, 46, 91, 13}, "help@kelvo.example", kLink, true, Alignment::Left,
     "mailto:help@kelvo.example", &F::LinkOn_MouMove},
};

}  // namespace

TFormAbout::TFormAbout() : Form("TFormAbout") {
  SetName("FormAbout");
  SetCaption("About Kelvo Products");
  SetClientSize(236, 162);
  SetBorderStyle(BorderStyle::ToolWindow);
  SetBorderIcons(biSystemMenu);
  SetPosition(FormPosition::ScreenCenter);
  SetKeyPreview(true);
  OnKeyPress = [this](Control& s, char& key) { FormKeyPress(s, key); };
  auto leave = [this](Control& s, ShiftState sh, int x, int y) { LinkOff_MouMove(s, sh, x, y); };
  OnMouseMove = leave;

  Main_Panel.SetName("Main_Panel");
  Main_Panel.SetParent(this);
  Main_Panel.SetBounds({4, 4, 229, 154});
  Main_Panel.SetBevels(Bevel::Raised, Bevel::Lowered);
  Main_Panel.OnMouseMove = leave;

  auto label = [this](const LabelRow& row) {
    Label& l = this->*row.label;
    l.SetName(row.name);
    l.SetParent(&Main_Panel);
    l.SetBounds(row.bounds);
    l.SetAutoSize(row.autoSize);
    l.SetAlignment(row.alignment);
    l.SetFont(row.font);
    l.SetCaption(row.caption);
    if (row.hint) {
      l.SetHint(row.hint);
      l.SetShowHint(true);
      l.SetCursor(crHandPoint);
      l.OnClick = [this](Control& s) { Link_Click(s); };
    }
    const MouseMoveHandler h = row.onMouseMove;
    l.OnMouseMove = [this, h](Control& s, ShiftState sh, int x, int y) { (this->*h)(s, sh, x, y); };
  };
  auto bevel = [this](BevelLine& b, const char* name, Rect bounds) {
    b.SetName(name);
    b.SetParent(&Main_Panel);
    b.SetBounds(bounds);
    b.SetShape(BevelShape::BottomLine);
  };

  label(kLabels[0]);
  App_Image.SetName("App_Image");
  App_Image.SetParent(&Main_Panel);
  App_Image.SetBounds({8, 35, 32, 32});
  App_Image.SetCursor(crHandPoint);
  App_Image.SetShowHint(true);
  App_Image.OnClick = [this](Control& s) { App_Image_Click(s); };
  App_Image.OnMouseMove = leave;
  label(kLabels[1]);
  Comp_Label.SetAnchors(akLeft | akRight | akBottom);
  bevel(Split1_Bevel, "Split1_Bevel", {2, 27, 225, 2});
  label(kLabels[2]);
  bevel(Split2_Bevel, "Split2_Bevel", {2, 116, 225, 2});
  label(kLabels[3]);
  label(kLabels[4]);
}

void TFormAbout::Link_Click(Control& sender) { funclib::ShellOpen(sender.Hint(), "", "", platform::kShowNormal); }

void TFormAbout::LinkOn_MouMove(Control& sender, ShiftState, int, int) {
  sender.SetFontStyle(fsUnderline);
  sender.SetFontColor(kLinkHoverColor);
}

void TFormAbout::LinkOff_MouMove(Control&, ShiftState, int, int) {
  // Runs on every move over the box: both setters cost nothing when the links are at rest.
  for (Label* link : {&Hp_Label, &Support_Label}) {
    link->SetFontStyle(0);
    link->SetFontColor(kLinkColor);
  }
}

void TFormAbout::FormKeyPress(Control&, char&) { Close(); }

void TFormAbout::App_Image_Click(Control&) {
  funclib::ShellOpen(about::ReadmePath(platform::ExecutablePath()), "", "", platform::kShowNormal);
}

void ShowAbout(Application& app, std::string_view text) {
  // The box lives for this call only; it is destroyed (windows and all) however the call ends.
  auto box = std::make_unique<TFormAbout>();
  box->SetCaption(about::AboutCaption(text));
  box->Comp_Label.SetCaption(about::BuildStamp());
  box->App_Image.SetIcon(app.Icon());
  box->App_Image.SetHint("View Readme.txt");
  app.ShowModal(*box);
}
