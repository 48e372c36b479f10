// Start-up time of Orvane against a program that makes the same windows by hand: from process
// start until the program waits for input (WaitForInputIdle) with its main window visible.
// First writes Orvane's window tree (window_tree.hpp) for startup_reference, then starts the two
// in turn and prints each one's median. With --hold it only starts Orvane, picks the shortest
// interval and the page of that index, minimises it or hides it in the tray if asked, prints
// "holding" and keeps it so for 30 s (for tools/cpu_ratio.sh, cpu_states.sh and relay_calls.sh).
//   startup_bench.exe --orvane=<exe> --reference=<exe> --tree=<file> [--runs=10]
//   startup_bench.exe --orvane=<exe> --hold=<page> [--as=minimised|tray]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/driver.hpp"

namespace {

// A text written into a buffer of the target process by a message that takes a record pointing
// to it (TCM_GETITEMA, LVM_GETCOLUMNA); Record has the text pointer at textField.
template <class Record>
std::string RemoteText(HANDLE process, HWND hwnd, UINT msg, WPARAM wp, Record rec, char* Record::*textField,
                       int Record::*sizeField, Record* back = nullptr) {
  constexpr SIZE_T kText = 512;
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(Record) + kText, MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return "";
  rec.*textField = remote + sizeof(Record);
  rec.*sizeField = static_cast<int>(kText);
  char text[kText] = {};
  SIZE_T done = 0;
  DWORD_PTR r = 0;
  const bool ok = WriteProcessMemory(process, remote, &rec, sizeof rec, &done) &&
                  SendMessageTimeoutA(hwnd, msg, wp, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000, &r) && r &&
                  ReadProcessMemory(process, remote + sizeof(Record), text, kText - 1, &done) &&
                  (!back || ReadProcessMemory(process, remote, back, sizeof(Record), &done));
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return ok ? std::string(text, strnlen(text, kText - 1)) : "";
}

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
  auto* out = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const std::string cls = e2e::ClassName(hwnd);  // the system's own, and the lists of combo boxes
  if (pid == out->first && cls != "IME" && cls != "ComboLBox") out->second.push_back(hwnd);
  return TRUE;
}

bool WriteTree(e2e::Program& p, HWND main, const std::string& path) {
  std::pair<DWORD, std::vector<HWND>> top{p.ProcessId(), {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&top));
  std::stable_partition(top.second.begin(), top.second.end(), [&](HWND h) { return h == main; });
  std::vector<HWND> all;
  for (HWND h : top.second) {
    all.push_back(h);
    if (h == main)
      for (HWND c : e2e::Descendants(main)) {
        // The parts that a combo box or list makes itself (its list, its header) are not made by hand.
        const std::string owner = e2e::ClassName(GetParent(c));
        if (owner != "ComboBox" && owner != WC_LISTVIEWA && e2e::ClassName(c) != "ComboLBox") all.push_back(c);
      }
  }
  std::ofstream out(path, std::ios::binary);
  for (size_t i = 0; i < all.size(); ++i) {
    HWND h = all[i];
    HWND parent = (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr;
    const int pi = parent ? static_cast<int>(std::find(all.begin(), all.end(), parent) - all.begin()) : -1;
    RECT r;
    if (parent) {
      GetWindowRect(h, &r);
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    } else {
      GetClientRect(h, &r);
    }
    const std::string cls = e2e::ClassName(h);
    out << "window\t" << pi << '\t' << cls << '\t' << std::hex << GetWindowLongA(h, GWL_STYLE) << '\t'
        << GetWindowLongA(h, GWL_EXSTYLE) << std::dec << '\t' << r.left << '\t' << r.top << '\t' << r.right - r.left
        << '\t' << r.bottom - r.top << '\t' << (cls == "ComboBox" ? "" : e2e::WindowText(h)) << '\n';
    if (cls == "ComboBox") {
      const int n = static_cast<int>(SendMessageA(h, CB_GETCOUNT, 0, 0));
      for (int k = 0; k < n; ++k) {
        char text[512] = {};
        if (SendMessageA(h, CB_GETLBTEXTLEN, k, 0) < static_cast<LRESULT>(sizeof text))
          SendMessageA(h, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(text));
        out << "item\t" << i << '\t' << text << '\n';
      }
    } else if (cls == WC_TABCONTROLA) {
      const int n = static_cast<int>(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0));
      for (int k = 0; k < n; ++k) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        out << "item\t" << i << '\t' << RemoteText(p.Process(), h, TCM_GETITEMA, k, tab, &TCITEMA::pszText, &TCITEMA::cchTextMax) << '\n';
      }
    } else if (cls == WC_LISTVIEWA) {
      int columns = 0;
      for (;; ++columns) {
        LVCOLUMNA col{}, back{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        const std::string text = RemoteText(p.Process(), h, LVM_GETCOLUMNA, columns, col, &LVCOLUMNA::pszText,
                                            &LVCOLUMNA::cchTextMax, &back);
        if (!back.mask) break;
        out << "column\t" << i << '\t' << back.cx << '\t' << text << '\n';
      }
      const int rows = e2e::ListItemCount(h);
      for (int row = 0; row < rows; ++row)
        for (int sub = 0; sub < columns; ++sub)
          out << "cell\t" << i << '\t' << row << '\t' << sub << '\t' << e2e::RemoteListText(p.Process(), h, row, sub) << '\n';
    }
  }
  return static_cast<bool>(out);
}

// Milliseconds from process start until it idles with a visible main window; -1 on failure.
double TimeStart(const std::string& exe, const std::string& args, const std::string& tree = "") {
  LARGE_INTEGER f, t0, t1;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  e2e::Program p;
  if (!p.Start(exe, args)) return -1;
  WaitForInputIdle(p.Process(), 30000);
  HWND main = nullptr;
  for (int i = 0; i < 3000 && !main; ++i) {
    std::pair<DWORD, std::vector<HWND>> top{p.ProcessId(), {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&top));
    for (HWND h : top.second)
      if (IsWindowVisible(h) && !(GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && !e2e::WindowText(h).empty())
        main = h;
    if (!main) Sleep(1);
  }
  QueryPerformanceCounter(&t1);
  if (!main) return -1;
  if (!tree.empty()) {
    e2e::Settle(500);
    if (!WriteTree(p, main, tree)) return -1;
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  if (!p.WaitForExit(10000)) p.Kill();
  return static_cast<double>(t1.QuadPart - t0.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Hold: the window as the user left it: shown, minimised or hidden in the tray.
enum class Shown { Visible, Minimised, Tray };

int Hold(const std::string& orvane, int page, Shown shown) {
  e2e::Program p;
  HWND main = p.Start(orvane) ? p.WaitForWindow("Kelvo Orvane v1.61 beta", "&Close", 15000) : nullptr;
  HWND interval = nullptr;
  for (HWND h : main ? e2e::Descendants(main) : std::vector<HWND>{})
    if (GetParent(h) == main && e2e::ClassName(h) == "ComboBox") interval = h;
  if (!interval || !e2e::ClickTab(p.Process(), e2e::FindChild(main, "", WC_TABCONTROLA), page)) return 1;
  e2e::PickComboItem(interval, 0);
  e2e::Settle(500);
  if (shown == Shown::Minimised) PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (shown == Shown::Tray) PostMessageA(e2e::FindChild(main, "&Tray", "Button"), BM_CLICK, 0, 0);
  for (int i = 0; i < 100 && shown != Shown::Visible && IsWindowVisible(main) && !IsIconic(main); ++i) Sleep(20);
  std::printf("holding page %d at %s%s\n", page, e2e::WindowText(interval).c_str(),
              shown == Shown::Minimised ? ", minimised" : shown == Shown::Tray ? ", in the tray" : "");
  std::fflush(stdout);
  Sleep(30000);
  return 0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string orvane, reference, tree;
  int runs = 10, hold = -1;
  Shown shown = Shown::Visible;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--orvane=", 0) == 0) orvane = a.substr(9);
    if (a.rfind("--reference=", 0) == 0) reference = a.substr(12);
    if (a.rfind("--tree=", 0) == 0) tree = a.substr(7);
    if (a.rfind("--runs=", 0) == 0) runs = std::max(1, std::atoi(a.c_str() + 7));
    if (a.rfind("--hold=", 0) == 0) hold = std::atoi(a.c_str() + 7);
    if (a == "--as=minimised") shown = Shown::Minimised;
    if (a == "--as=tray") shown = Shown::Tray;
  }
  if (!orvane.empty() && hold >= 0) return Hold(orvane, hold, shown);
  if (orvane.empty() || reference.empty() || tree.empty()) {
    std::fprintf(stderr, "usage: startup_bench --orvane=<exe> (--reference=<exe> --tree=<file> [--runs=10] | --hold=<page> [--as=minimised|tray])\n");
    return 2;
  }
  if (TimeStart(orvane, "", tree) < 0) {
    std::fprintf(stderr, "startup_bench: no window from %s\n", orvane.c_str());
    return 1;
  }
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    a.push_back(TimeStart(orvane, ""));
    b.push_back(TimeStart(reference, "\"" + e2e::WindowsPath(tree) + "\""));
    std::printf("run %d: Orvane %.0f ms, reference %.0f ms\n", i + 1, a.back(), b.back());
    std::fflush(stdout);
  }
  const double ma = Median(a), mb = Median(b);
  std::printf("median of %d: Orvane %.0f ms, same windows by hand %.0f ms, ratio %.2f\n", runs, ma, mb, ma / mb);
  return 0;
}
