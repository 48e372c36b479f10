// Start-up written by hand: makes the windows listed in a window tree file (window_tree.hpp) with
// plain CreateWindowEx calls, the same classes, styles and texts, fills the lists and shows the
// main window. Classes that are not the system's get a procedure that paints the text on the
// background, as a hand-written panel would.
//   startup_reference.exe <tree file>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/bench/reference/bare_window.hpp"
#include "tests/bench/reference/window_tree.hpp"

namespace {

LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc;
      GetClientRect(hwnd, &rc);
      char text[256];
      const int n = GetWindowTextA(hwnd, text, sizeof text);
      SelectObject(dc, bare::DialogFont());
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      ExtTextOutA(dc, 2, 1, ETO_OPAQUE | ETO_CLIPPED, &rc, text, static_cast<UINT>(n), nullptr);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (!GetParent(hwnd)) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

std::vector<bare::TreeWindow> Read(const char* path) {
  std::vector<bare::TreeWindow> tree;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string part; std::getline(ss, part, '\t');) f.push_back(part);
    if (f.empty()) continue;
    if (f[0] == "window" && f.size() >= 9) {
      bare::TreeWindow w;
      w.parent = std::atoi(f[1].c_str());
      w.cls = f[2];
      w.style = std::strtoul(f[3].c_str(), nullptr, 16);
      w.exStyle = std::strtoul(f[4].c_str(), nullptr, 16);
      w.x = std::atoi(f[5].c_str()), w.y = std::atoi(f[6].c_str());
      w.width = std::atoi(f[7].c_str()), w.height = std::atoi(f[8].c_str());
      w.text = f.size() > 9 ? f[9] : "";
      tree.push_back(w);
    } else if (f.size() >= 3 && std::atoi(f[1].c_str()) < static_cast<int>(tree.size())) {
      bare::TreeWindow& w = tree[static_cast<size_t>(std::atoi(f[1].c_str()))];
      if (f[0] == "item") w.items.push_back(f[2]);
      if (f[0] == "column" && f.size() >= 4) w.columns.emplace_back(std::atoi(f[2].c_str()), f[3]);
      if (f[0] == "cell" && f.size() >= 5) w.cells.push_back({std::atoi(f[2].c_str()), std::atoi(f[3].c_str()), f[4]});
    }
  }
  return tree;
}

void Fill(HWND hwnd, const bare::TreeWindow& w) {
  int i = 0;
  if (w.cls == "ComboBox")
    for (const std::string& item : w.items) SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (w.cls == "ComboBox" && !w.items.empty()) SendMessageA(hwnd, CB_SETCURSEL, 0, 0);
  if (w.cls == WC_TABCONTROLA)
    for (const std::string& item : w.items) {
      TCITEMA tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = const_cast<char*>(item.c_str());
      SendMessageA(hwnd, TCM_INSERTITEMA, i++, reinterpret_cast<LPARAM>(&tab));
    }
  i = 0;
  for (const auto& [width, text] : w.columns) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = width;
    col.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hwnd, LVM_INSERTCOLUMNA, i++, reinterpret_cast<LPARAM>(&col));
  }
  for (const auto& cell : w.cells) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = cell.item;
    item.iSubItem = cell.sub;
    item.pszText = const_cast<char*>(cell.text.c_str());
    SendMessageA(hwnd, cell.sub == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, cell.item, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_reference <tree file>\n");
    return 2;
  }
  const std::vector<bare::TreeWindow> tree = Read(argv[1]);
  if (tree.empty()) return 1;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<HWND> made;
  HWND main = nullptr;
  for (const bare::TreeWindow& w : tree) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (!GetClassInfoExA(nullptr, w.cls.c_str(), &known) && !GetClassInfoExA(instance, w.cls.c_str(), &known)) {
      WNDCLASSEXA wc{};
      wc.cbSize = sizeof wc;
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = OwnProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = w.cls.c_str();
      RegisterClassExA(&wc);
    }
    HWND parent = w.parent >= 0 ? made[static_cast<size_t>(w.parent)] : nullptr;
    int width = w.width, height = w.height, x = w.x, y = w.y;
    if (!parent) {  // a top-level window: its client size is given
      RECT r{0, 0, width, height};
      AdjustWindowRectEx(&r, w.style, FALSE, w.exStyle);
      width = r.right - r.left, height = r.bottom - r.top;
      x = y = CW_USEDEFAULT;
    }
    const bool visible = (w.style & WS_VISIBLE) && parent;
    HWND hwnd = CreateWindowExA(w.exStyle, w.cls.c_str(), w.text.c_str(), w.style & ~(visible ? 0 : WS_VISIBLE), x, y,
                                width, height, parent, nullptr, instance, nullptr);
    if (parent) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(bare::DialogFont()), FALSE);
    Fill(hwnd, w);
    if (!main && !parent && w.cls != TOOLTIPS_CLASSA) main = hwnd;
    made.push_back(hwnd);
  }
  if (!main) return 1;
  ShowWindow(main, SW_SHOW);
  UpdateWindow(main);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
