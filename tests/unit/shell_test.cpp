#include <gtest/gtest.h>

#include "form/orvane_form.hpp"

namespace {

TEST(Shell, MainWindowIsFixedAndCentredWithItsCaption) {
  widgets::Application app;
  TFormOrvane form(app);
  EXPECT_EQ(form.Caption(), "*");
  EXPECT_EQ(form.ClientWidth(), 376);
  EXPECT_EQ(form.ClientHeight(), 331);
  EXPECT_EQ(form.GetBorderStyle(), widgets::BorderStyle::Single);
  EXPECT_EQ(form.BorderIcons(), widgets::biSystemMenu | widgets::biMinimize);
  EXPECT_EQ(form.Position(), widgets::FormPosition::ScreenCenter);
  form.FormCreate();
  EXPECT_EQ(form.Caption(), "Kelvo Orvane v1.61 beta");
  EXPECT_EQ(app.Title(), "Kelvo Orvane v1.61 beta");
}

}  // namespace
