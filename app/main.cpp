// Program entry: create the application and the main window, run the message loop.
#include <windows.h>

#include "form/orvane_form.hpp"
#include "widgets/win32/backend.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  widgets::Application app;
  widgets::win32::Backend backend(app, instance);
  TFormOrvane form(app);
  backend.Realize(form);
  form.FormCreate();
  backend.Show(form);
  return backend.Run();
}
