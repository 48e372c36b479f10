#pragma once
// TFormOrvane: the main window's behaviour.
#include "widgets/application.hpp"
#include "widgets/form.hpp"

class TFormOrvane : public widgets::Form {
 public:
  explicit TFormOrvane(widgets::Application& app);

  // The start-up sequence, run once after the windows of the layout exist.
  void FormCreate();

 private:
  widgets::Application& app_;
};
