// orvane_shots: starts Orvane.exe, saves a PNG screenshot of every page (and of any box a page
// opens, which it then closes) and of the about box, closes the program.
// Used by the run command on a machine without a display.
//   orvane_shots <Orvane.exe> <directory>
#include <cstdio>
#include <string>

#include "tests/e2e/driver.hpp"

namespace {

const char* const kPages[] = {"Memory", "System", "Feature Flags", "Disks", "Other", "Winamp"};

int failures = 0;

void Save(HWND hwnd, const std::string& path) {
  if (e2e::Screenshot(hwnd, path)) {
    std::printf("saved %s\n", path.c_str());
  } else {
    ++failures;
    std::fprintf(stderr, "orvane_shots: cannot save %s\n", path.c_str());
  }
}

std::string FileName(const std::string& page) {
  std::string name;
  for (char c : page) name += c == ' ' ? '-' : static_cast<char>(c | 0x20);
  return name;
}

}  // namespace

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
  HWND main = orvane.WaitForWindow("Kelvo Orvane v1.61 beta", "&Close", 20000);
  if (!main) {
    std::fprintf(stderr, "orvane_shots: the main window did not appear\n");
    return 1;
  }
  HWND tabs = e2e::FindChild(main, "", "SysTabControl32");
  for (int i = 0; i < 6; ++i) {
    if (i > 0 && (!tabs || !e2e::ClickTab(orvane.Process(), tabs, i))) {
      ++failures;
      std::fprintf(stderr, "orvane_shots: cannot select page %s\n", kPages[i]);
      continue;
    }
    e2e::Settle(i == 1 ? 3000 : 400);  // the System page measures the processor clock
    // A page may open a box on selection: record it, then close it.
    for (HWND box : e2e::OtherTopWindows(orvane.ProcessId(), main)) {
      Save(box, dir + "\\orvane-" + std::to_string(i) + "-" + FileName(kPages[i]) + "-box.png");
      PostMessageA(box, WM_CLOSE, 0, 0);
      e2e::Settle(300);
    }
    Save(main, dir + "\\orvane-" + std::to_string(i) + "-" + FileName(kPages[i]) + ".png");
  }
  // The about box, opened with F1 and closed with a key.
  PostMessageA(main, WM_KEYDOWN, VK_F1, 0);
  HWND about = nullptr;
  for (int waited = 0; !about && waited < 5000; waited += 100) {
    e2e::Settle(100);
    for (HWND box : e2e::OtherTopWindows(orvane.ProcessId(), main)) about = box;
  }
  if (about) {
    e2e::Settle(300);
    Save(about, dir + "\\orvane-about.png");
    PostMessageA(about, WM_CHAR, 'x', 0);
    e2e::Settle(300);
  } else {
    ++failures;
    std::fprintf(stderr, "orvane_shots: F1 opened no about box\n");
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  if (!orvane.WaitForExit(10000)) {
    std::fprintf(stderr, "orvane_shots: Orvane did not end after WM_CLOSE\n");
    return 1;
  }
  return failures ? 1 : 0;
}
