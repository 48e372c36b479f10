// orvane_shots: starts Orvane.exe, saves a PNG screenshot of its window, closes it.
// Used by the run command on a machine without a display.
//   orvane_shots <Orvane.exe> <directory>
#include <cstdio>
#include <string>

#include "tests/e2e/driver.hpp"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: orvane_shots <Orvane.exe> <directory>\n");
    return 2;
  }
  const std::string dir = e2e::WindowsPath(argv[2]);
  e2e::Program orvane;
  if (!orvane.Start(argv[1])) {
    std::fprintf(stderr, "orvane_shots: cannot start %s\n", argv[1]);
    return 1;
  }
  HWND main = orvane.WaitForWindow("Kelvo Orvane v1.61 beta", "", 20000);
  if (!main) {
    std::fprintf(stderr, "orvane_shots: the main window did not appear\n");
    return 1;
  }
  int failures = 0;
  const std::string path = dir + "\\orvane-main.png";
  if (e2e::Screenshot(main, path))
    std::printf("saved %s\n", path.c_str());
  else
    ++failures, std::fprintf(stderr, "orvane_shots: cannot save %s\n", path.c_str());
  PostMessageA(main, WM_CLOSE, 0, 0);
  if (!orvane.WaitForExit(10000)) {
    std::fprintf(stderr, "orvane_shots: Orvane did not end after WM_CLOSE\n");
    return 1;
  }
  return failures ? 1 : 0;
}
