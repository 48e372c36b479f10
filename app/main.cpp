// Program entry: with a report switch, write the report and end without a window; otherwise create
// the application and the main window and run the message loop.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "form/orvane_form.hpp"
#include "form/report.hpp"
#include "widgets/win32/backend.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> args(__argv + 1, __argv + __argc);
  if (const std::optional<int> exitCode = RunCommandLine(args)) return *exitCode;

  widgets::Application app;
  widgets::win32::Backend backend(app, instance);
  TFormOrvane form(app);
  backend.Realize(form);
  form.FormCreate();
  backend.Show(form);
  return backend.Run();
}
