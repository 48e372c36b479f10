// `Orvane.exe /report` against this driver's own readings and the open window's texts.
#include <windows.h>
#include <cpuid.h>

#include <iterator>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

#include "tests/e2e/orvane_window.hpp"

namespace e2e {
namespace {

using Rows = std::map<std::string, std::vector<std::string>>;

// Runs `Orvane.exe /report <args>` for at most 10 s and reads `file`'s rows, split, by first column.
DWORD Report(const std::string& args, const std::string& file, Rows& rows, HANDLE out = nullptr) {
  std::string cmd = "\"" + WindowsPath(TheEnv().orvane) + "\" /report " + args;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = out ? STARTF_USESTDHANDLES : 0;
  si.hStdOutput = out;
  PROCESS_INFORMATION pi{};
  DWORD code = 99;
  if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, out != nullptr, 0, nullptr, nullptr, &si, &pi)) {
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  if (out) CloseHandle(out);
  if (file.empty()) return code;
  std::ifstream text(file, std::ios::binary);
  for (std::string line; std::getline(text, line);) {
    if (line.ends_with("\r")) line.pop_back();
    const std::string sep = line.find('\t') != std::string::npos ? "\t" : ": ";
    std::vector<std::string> cols;
    for (size_t start = 0, end = 0; end != std::string::npos; start = end + sep.size()) {
      end = line.find(sep, start);
      cols.push_back(line.substr(start, end - start));
    }
    rows[cols[0]] = cols;
  }
  text.close();
  DeleteFileA(file.c_str());
  return code;
}

using ReportTest = OrvaneWindow;

TEST_F(ReportTest, AgreesWithTheDriverAndTheWindowAndGoesToARedirectedOutputAlike) {
  const std::string file = ShotPath("orvane_report.txt"), redirected = ShotPath("orvane_stdout.txt");
  Rows rows, viaStdout;
  ASSERT_EQ(Report("\"" + file + "\"", file, rows), 0u) << "a report within 10 s";
  const ULONGLONG uptimeNow = GetTickCount64();
  auto at = [&rows](const std::string& key, size_t col = 1) { return rows[key].size() > col ? rows[key][col] : "-"; };

  MEMORYSTATUSEX m{};
  m.dwLength = sizeof m;
  ASSERT_TRUE(GlobalMemoryStatusEx(&m));
  std::string kib = at("Total physical RAM size");
  std::erase_if(kib, [](char ch) { return ch < '0' || ch > '9'; });
  EXPECT_EQ(kib, std::to_string((m.ullTotalPhys + 512) / 1024));
  EXPECT_EQ(at("Total physical RAM size"), WindowText(ValueOf("Total physical RAM size:")));
  unsigned regs[4] = {}, days = 0, hours = 0, minutes = 0, seconds = 0;  // regs: EBX EDX ECX EAX of leaf 0
  ASSERT_TRUE(__get_cpuid(0, &regs[3], &regs[0], &regs[2], &regs[1]));
  char vendor[13] = {};
  std::memcpy(vendor, regs, 12);
  EXPECT_EQ(at("Processor Vendor"), vendor);
  SYSTEM_INFO si;
  GetSystemInfo(&si);
  EXPECT_EQ(at("# of Processors"), std::to_string(si.dwNumberOfProcessors));
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {}, text[64];
  DWORD n = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &n));
  EXPECT_EQ(at("Computer Name"), name);
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
  std::snprintf(text, sizeof text, "%u x %u x %u @ %u Hz", unsigned(mode.dmPelsWidth), unsigned(mode.dmPelsHeight),
                unsigned(mode.dmBitsPerPel), unsigned(mode.dmDisplayFrequency));
  EXPECT_EQ(at("Screen Resolution"), text);
  char label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
  DWORD serial = 0;
  ASSERT_TRUE(GetVolumeInformationA("C:\\", label, sizeof label, &serial, nullptr, nullptr, fs, sizeof fs));
  const std::string c_row = std::string(label) + " (C:)";
  EXPECT_EQ(at(c_row, 3), fs);
  std::snprintf(text, sizeof text, "%04X-%04X", unsigned(serial >> 16), unsigned(serial & 0xFFFF));
  EXPECT_EQ(at(c_row, 4), text);
  ASSERT_EQ(std::sscanf(at("Windows Uptime").c_str(), "%u days, %u hrs, %u min, %u sec", &days, &hours, &minutes,
                        &seconds), 4);
  const ULONGLONG reported = (((days * 24ull + hours) * 60 + minutes) * 60 + seconds) * 1000;
  EXPECT_LT(uptimeNow - reported, 15000u) << "the uptime of a report written just now, never ahead of it";

  // The window's System rows (vendor, screen mode, computer name) and its C: row but the free space.
  HWND tabs = FindChild(main_, "", "SysTabControl32");
  for (auto [tab, sheet, wanted, cols] :
       {std::tuple(1, "System", std::string("Processor Vendor|Screen Resolution|Computer Name|"), std::vector{1}),
        std::tuple(3, "Disks", c_row + "|", std::vector{1, 3, 4, 5})}) {
    ASSERT_TRUE(ClickTab(orvane_.Process(), tabs, tab));
    Settle(300);
    ASSERT_TRUE(WaitResponsive(main_, 15000));
    HWND list = FindChild(FindChild(main_, sheet, "OrvaneTabSheet"), "", "SysListView32");
    int seen = 0;
    for (int row = 0; row < ListItemCount(list); ++row) {
      const std::string caption = RemoteListText(orvane_.Process(), list, row, 0);
      if (caption.empty() || wanted.find(caption + "|") == std::string::npos) continue;
      ++seen;
      for (int col : cols) EXPECT_EQ(at(caption, col), RemoteListText(orvane_.Process(), list, row, col)) << caption;
    }
    EXPECT_EQ(seen, tab == 1 ? 3 : 1) << sheet;
  }

  HANDLE out = CreateFileA(redirected.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  SetHandleInformation(out, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);  // the report's standard output
  ASSERT_EQ(Report("", redirected, viaStdout, out), 0u);
  EXPECT_EQ(viaStdout.size(), rows.size());
  for (const std::string key : {"Total physical RAM size", "Processor Vendor", "Computer Name", "Screen Resolution",
                                "[Feature Flags]", "ALL", "31", "Windows Directory"})
    EXPECT_EQ(viaStdout[key], rows[key]) << key;

  const std::string folder = ShotPath("orvane_no_such_folder");
  EXPECT_EQ(Report("\"" + folder + "\\r.txt\"", folder + "\\r.txt", rows), 2u) << "a folder that does not exist";
  EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The number after "key": in `json`, searched from `from`; -1 when it is missing or null.
long long Number(const std::string& json, const std::string& key, size_t from = 0) {
  const size_t at = json.find("\"" + key + "\": ", from);
  if (at == std::string::npos || json.compare(at + key.size() + 4, 4, "null") == 0) return -1;
  return std::strtoll(json.c_str() + at + key.size() + 4, nullptr, 10);
}

// The text after "key": "... up to the closing quote (the texts checked here hold no escapes).
std::string Text(const std::string& json, const std::string& key, size_t from = 0) {
  const size_t at = json.find("\"" + key + "\": \"", from);
  if (at == std::string::npos) return "-";
  const size_t start = at + key.size() + 5;
  return json.substr(start, json.find('"', start) - start);
}

TEST_F(ReportTest, TypedDataAgreesWithTheDriversOwnReadings) {
  const std::string file = ShotPath("orvane_report.json");
  Rows unused;
  ASSERT_EQ(Report("/json \"" + file + "\"", "", unused), 0u);
  const ULONGLONG uptimeNow = GetTickCount64();
  std::ifstream in(file, std::ios::binary);
  const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(file.c_str());
  const size_t data = json.find("\n\"data\": {");
  ASSERT_NE(data, std::string::npos) << json;

  MEMORYSTATUSEX m{};
  m.dwLength = sizeof m;
  ASSERT_TRUE(GlobalMemoryStatusEx(&m));
  for (auto [key, own] : {std::pair("total_phys_bytes", m.ullTotalPhys), std::pair("total_page_file_bytes", m.ullTotalPageFile),
                          std::pair("total_virtual_bytes", m.ullTotalVirtual)})
    EXPECT_NEAR(static_cast<double>(Number(json, key, data)), static_cast<double>(own), own / 100.0) << key;

  const size_t processor = json.find("\"processor\": {", data);
  SYSTEM_INFO si;
  GetSystemInfo(&si);
  EXPECT_EQ(Number(json, "count", processor), static_cast<long long>(si.dwNumberOfProcessors));
  unsigned r[4] = {};  // EAX EBX ECX EDX
  __cpuid(0, r[0], r[1], r[2], r[3]);
  const unsigned vendorRegs[3] = {r[1], r[3], r[2]};
  EXPECT_EQ(Text(json, "vendor", processor), std::string(reinterpret_cast<const char*>(vendorRegs), 12));
  __cpuid(1, r[0], r[1], r[2], r[3]);
  // Intel's and AMD's definition: family 15 adds the extended family; families 6 and 15 take the
  // extended model as the model's high digit.
  const unsigned family = (r[0] >> 8) & 15, model = (r[0] >> 4) & 15;
  EXPECT_EQ(Number(json, "family", processor), family == 15 ? 15 + ((r[0] >> 20) & 255) : family);
  EXPECT_EQ(Number(json, "model", processor), family == 6 || family == 15 ? ((r[0] >> 12) & 0xF0) + model : model);
  EXPECT_EQ(Number(json, "stepping", processor), r[0] & 15);
  EXPECT_EQ(Number(json, "leaf1_edx", processor), r[3]);
  unsigned brand[13] = {};  // leaves 0x80000002-4, then a zero
  __cpuid(0x80000000, r[0], r[1], r[2], r[3]);
  for (unsigned leaf = 0; leaf < 3 && r[0] >= 0x80000004; ++leaf) {
    unsigned* b = brand + 4 * leaf;
    __cpuid(0x80000002 + leaf, b[0], b[1], b[2], b[3]);
  }
  std::string own(reinterpret_cast<const char*>(brand));
  own.erase(0, own.find_first_not_of(' '));
  own.erase(own.find_last_not_of(' ') + 1);
  EXPECT_EQ(Text(json, "brand", processor), own.empty() ? "-" : own);

  const DWORD drives = GetLogicalDrives();
  int seen = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    ULARGE_INTEGER avail, total;
    const std::string root = std::string(1, letter) + ":\\";
    if (!(drives & (1u << (letter - 'A'))) || !GetDiskFreeSpaceExA(root.c_str(), &avail, &total, nullptr)) continue;
    const size_t at = json.find("{\"root\": \"" + std::string(1, letter) + ":\\\\\"", data);
    ASSERT_NE(at, std::string::npos) << root;
    EXPECT_EQ(Number(json, "total_bytes", at), static_cast<long long>(total.QuadPart)) << root;
    ++seen;
  }
  EXPECT_GE(seen, 2) << "C: and Z:";
  const long long uptime = Number(json, "uptime_ms", data);
  EXPECT_LE(uptime, static_cast<long long>(uptimeNow));
  EXPECT_LT(static_cast<long long>(uptimeNow) - uptime, 2000) << "the uptime of a report written just now";
}

}  // namespace
}  // namespace e2e
