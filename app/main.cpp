// Program entry: with a report switch, write the report and end without a window; otherwise create
// the application and the main window and run the message loop.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "form/orvane_form.hpp"
#include "form/report.hpp"
#include "platform/utf.hpp"
#include "widgets/win32/backend.hpp"

namespace {

// The arguments as the system split them, in UTF-8: names in any script arrive whole.
std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.push_back(platform::Utf16ToUtf8(std::wstring_view(argv[i])));
  LocalFree(argv);
  return args;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (const std::optional<int> exitCode = RunCommandLine(CommandLineArguments())) return *exitCode;

  widgets::Application app;
  widgets::win32::Backend backend(app, instance);
  TFormOrvane form(app);
  backend.Realize(form);
  form.FormCreate();
  backend.Show(form);
  return backend.Run();
}
