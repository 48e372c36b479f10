#pragma once
// A running Orvane.exe with its main window found, for the end-to-end tests.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/e2e_env.hpp"

namespace e2e {

inline const char* const kPages[] = {"Memory", "System", "Feature Flags", "Disks", "Other", "Winamp"};

class OrvaneWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(orvane_.Start(TheEnv().orvane)) << "cannot start " << TheEnv().orvane;
    main_ = orvane_.WaitForWindow(kMainCaption, "&Close", 15000);
    ASSERT_NE(main_, nullptr) << "no visible window captioned \"" << kMainCaption << "\"";
  }
  // The value panel on the row of the label with this text.
  HWND ValueOf(const std::string& label) { return ValueBeside(main_, label); }
  // Starts the stand-in player with this caption and shows the Winamp page; returns its caption
  // panel, once that shows the caption (or after 5 s).
  HWND ShowPlayerTitled(Program& player, const std::string& title) {
    EXPECT_TRUE(player.Start(TheEnv().player, "\"--caption=" + title + "\""));
    EXPECT_TRUE(ClickTab(orvane_.Process(), FindChild(main_, "", "SysTabControl32"), 5));
    HWND panel = ValueOf("Window caption:");
    for (int i = 0; i < 100 && WindowText(panel) != title; ++i) Settle(50);
    return panel;
  }

  Program orvane_;
  HWND main_ = nullptr;
};

}  // namespace e2e
