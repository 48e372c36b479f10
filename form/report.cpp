// The report of the pages: the same probes and row formatters as the pages, written as text or as
// JSON with the typed facts beside the rows, or as Prometheus metrics; to a file or the standard
// output.
#include "form/report.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <cmath>

#include "form/features_page.hpp"
#include "form/memory_page.hpp"
#include "form/orvane_form.hpp"
#include "funclib/bits.hpp"
#include "funclib/datetime.hpp"
#include "funclib/format.hpp"
#include "funclib/text.hpp"
#include "orvane_version.h"
#include "platform/errors.hpp"
#include "platform/network.hpp"
#include "platform/output.hpp"
#include "platform/utf.hpp"

namespace {

constexpr int kKiloByteUnit = 2;  // the Disks page's default unit
constexpr int kExitFailure = 2;
constexpr const char* kNotRead = "the system did not give it";

// The pages' names on the command line, in tab order (bit i: page i).
constexpr std::string_view kPageNames[] = {"memory", "system", "features", "disks", "other", "winamp"};

ReportPage Page(const char* sheet, bool panels) { return {std::string(LayoutCaption(sheet)), panels, {}, {}}; }

ReportPage MemoryPage(const platform::MemoryStatus& m, const platform::FormatSettings& fs) {
  // The counters start from this very reading, as they do when the window opens.
  const std::array<double, 3> measured = MeasuredKiB(m);
  std::array<std::int64_t, 3> baselines;
  for (size_t i = 0; i < 3; ++i) baselines[i] = static_cast<std::int64_t>(std::trunc(measured[i]));
  MemoryValues values;
  FormatMemoryValues(m, baselines, fs, values);
  ReportPage page = Page("Mem_Sheet", true);
  for (size_t i = 0; i < values.size(); ++i) page.rows.push_back(PanelRow(MemoryLabelNames[i], values[i]));
  return page;
}

ReportPage SystemPage(SystemReport& system, ProcessorFacts& processor, const platform::FormatSettings& fs) {
  system.facts = ProbeSystem();
  std::array<std::string, 17> values = FormatSystemValues(system.facts);
  const double hz = MeasureSystemClock();
  values[0] = ClockText(hz, fs);
  if (hz > 0) processor.clockHz = hz;
  ReportPage page = Page("Sys_Sheet", false);
  for (size_t row = 0; row < values.size(); ++row) {
    page.rows.push_back({std::string(SysRowCaptions[row])});
    if (!SysRowCaptions[row].empty()) page.rows.back().push_back(std::move(values[row]));
  }
  // What only the typed facts hold.
  platform::OsVersion os;
  if (platform::QueryOsVersion(os)) system.os = os;
  system.mac = funclib::ReadMacAddress("*");
  const platform::NetSession net;
  char host[256] = {};
  if (net.IsStarted())
    system.ipv4 = platform::QueryHostName(host, sizeof host) ? platform::ResolveAddresses(host)
                                                              : std::vector<std::string>{};
  return page;
}

ReportPage DisksPage(std::vector<DriveFacts>& drives, const platform::FormatSettings& fs) {
  ReportPage page = Page("Disk_Sheet", false);
  page.columns = LayoutColumns("Disk_ListView");
  const platform::CriticalErrorsFail quiet;  // an empty drive fails its queries, asks for no disk
  const std::uint32_t mask = platform::QueryLogicalDrives();
  for (int i = 0; i < 32; ++i) {
    if ((mask & funclib::BitMasks[i]) == 0) continue;
    drives.push_back(ProbeDrive(static_cast<char>('A' + i)));
    DriveRow drive = FormatDriveRow(drives.back(), kKiloByteUnit, fs);
    PageRow row{std::move(drive.caption)};
    for (std::string& text : drive.subItems) row.push_back(std::move(text));
    page.rows.push_back(std::move(row));
  }
  return page;
}

ReportPage OtherPage(ClockFacts& clock, std::vector<std::string>& printers, const platform::FormatSettings& fs) {
  clock = ProbeClocks();
  OtherValues v;
  FormatOtherValues(clock, true, fs, v);
  ReportPage page = Page("Misc_Sheet", true);
  page.rows = {PanelRow("UpTime_Label", v.uptime), PanelRow("CurTime_Label", v.currentTime),
               PanelRow("CompStart_Label", v.startTime), PanelRow("MouPos_Label", v.mouse)};
  printers = InstalledPrinterEntries();
  for (const std::string& printer : printers) page.rows.push_back(PanelRow("Printers_Label", printer));
  return page;
}

ReportPage WinampPage(PlayerFacts& f) {
  ReportPage page = Page("Winamp_Sheet", true);
  f = ProbePlayer();
  const bool failed = !f.answered || !f.captionRead;
  if (!f.running || (failed && !f.stillThere)) {  // none, or it quit while asked
    f.running = false;
    page.rows.push_back({"No player running"});
  } else if (failed) {
    page.rows.push_back({std::string(LayoutCaption("Winamp_GrpBox")), "Error occured!"});
  } else {
    PlayerRows r = FormatPlayerRows(f.replies, f.caption);
    page.rows = {PanelRow("WaVers_Label", r.version),     PanelRow("CurAction_Label", r.action),
                 PanelRow("WaCaption_Label", r.caption),  PanelRow("SongTitle_Label", r.title),
                 PanelRow("SongPos_Label", r.position),  PanelRow("PLPos1_Label", r.playlist)};
  }
  return page;
}

// A JSON string: the UTF-8 text with every control character escaped; a byte that is no part of
// valid UTF-8 becomes U+FFFD, so the document is valid whatever a text holds.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      const char* shortForm = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr;
      if (shortForm) {
        out += shortForm;
      } else {
        out += "\\u";
        funclib::AppendHex(out, static_cast<unsigned char>(c), 4);
      }
      ++i;
    } else {
      platform::utf_detail::AppendCodePoint(out, platform::utf_detail::NextUtf8(text, i));
    }
  }
  out += '"';
}

void AppendInt(std::string& out, std::int64_t value) {
  char digits[20];
  char* first = std::end(digits);
  std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do *--first = static_cast<char>('0' + rest % 10);
  while (rest /= 10);
  if (value < 0) out += '-';
  out.append(first, std::end(digits));
}

// The text of a fixed, zero-terminated character array, without a copy.
template <size_t N>
std::string_view FixedView(const char (&field)[N]) {
  return {field, strnlen(field, N)};
}

// Writes JSON members and list elements with their separators; the members of the outermost
// object and the elements of a list among them start lines of their own. A null that stands for a
// failure is listed in `failures` with its path and the reason.
class Json {
 public:
  explicit Json(std::string& out) : out_(out) {}
  // Starts a member, or with no name a list element; the caller appends the value.
  std::string& Key(const char* name);
  void Open(const char* name, char bracket);  // '{' or '['
  void Close();
  void Int(const char* name, std::int64_t value);
  void Bool(const char* name, bool value);
  void String(const char* name, std::string_view value);
  void Null(const char* name);
  // A null for a value that could not be read: `path` + `name` and the reason go to the errors.
  void Failed(const char* name, std::string_view path, std::string_view reason);
  // A text that is empty when it could not be read.
  void Text(const char* name, std::string_view value, std::string_view path);

  // The elements of "errors", written as they come.
  std::string failures;

 private:
  std::string& out_;
  std::string open_;  // the brackets of the open containers, innermost last
  bool first_ = true;
};

std::string& Json::Key(const char* name) {
  const bool lines = open_.size() == 1 || (open_.size() == 2 && open_.back() == '[');
  if (!first_) out_ += lines ? "," : ", ";
  if (lines) out_ += open_.size() == 1 ? "\n  " : "\n    ";
  first_ = false;
  if (name) {
    AppendJsonString(out_, name);
    out_ += ": ";
  }
  return out_;
}

void Json::Open(const char* name, char bracket) {
  Key(name) += bracket;
  open_ += bracket;
  first_ = true;
}

void Json::Close() {
  out_ += open_.back() == '{' ? '}' : ']';
  open_.pop_back();
  first_ = false;
}

void Json::Int(const char* name, std::int64_t value) { AppendInt(Key(name), value); }
void Json::Bool(const char* name, bool value) { Key(name) += value ? "true" : "false"; }
void Json::String(const char* name, std::string_view value) { AppendJsonString(Key(name), value); }
void Json::Null(const char* name) { Key(name) += "null"; }

void Json::Failed(const char* name, std::string_view path, std::string_view reason) {
  Null(name);
  failures += failures.empty() ? "\n    {\"what\": \"" : ",\n    {\"what\": \"";
  ((failures += path) += name) += "\", \"error\": ";
  AppendJsonString(failures, reason);
  failures += '}';
}

void Json::Text(const char* name, std::string_view value, std::string_view path) {
  if (value.empty())
    Failed(name, path, kNotRead);
  else
    String(name, value);
}

void AppendIso(std::string& out, const platform::LocalDateTime& t, int offsetMinutes) {
  out += '"';
  funclib::AppendIsoDateTime(out, t);
  funclib::AppendUtcOffset(out, offsetMinutes);
  out += '"';
}

// The feature flags by the vendors' names, each from the register that defines it: the names
// separated by blanks, and per name a byte of register (0 leaf 1 EDX, 1 leaf 1 ECX, 2 leaf
// 0x80000001 EDX, 3 leaf 0x80000001 ECX) times 32 plus bit.
constexpr std::string_view kFlagNames =
    "fpu vme de pse tsc msr pae mce cx8 apic sep mtrr pge mca cmov pat pse36 psn clfsh ds acpi mmx fxsr sse sse2 "
    "ss htt tm pbe sse3 pclmulqdq dtes64 monitor ds_cpl vmx smx est tm2 ssse3 cnxt_id fma cx16 xtpr pdcm pcid "
    "dca sse4_1 sse4_2 x2apic movbe popcnt tsc_deadline aes xsave osxsave avx f16c rdrand hypervisor syscall nx "
    "mmxext fxsr_opt pdpe1gb rdtscp lm 3dnowext 3dnow lahf_lm cmp_legacy svm extapic cr8_legacy abm sse4a "
    "misalignsse 3dnowprefetch osvw ibs xop skinit wdt lwp fma4 tbm topoext";
constexpr std::uint8_t kFlagBits[] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27, 28,
    29, 31,                                                                          // leaf 1 EDX
    32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 44, 45, 46, 47, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60,
    61, 62, 63,                                                                      // leaf 1 ECX
    75, 84, 86, 89, 90, 91, 93, 94, 95,                                              // 0x80000001 EDX
    96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 111, 112, 117, 118};  // and ECX
static_assert(std::count(kFlagNames.begin(), kFlagNames.end(), ' ') + 1 == std::size(kFlagBits));

void ProcessorData(Json& j, const ProcessorFacts& p) {
  j.Open("processor", '{');
  j.Int("count", p.count);
  if (p.cpuid)
    j.String("vendor", CpuVendorText({p.leaf0.ebx, p.leaf0.edx, p.leaf0.ecx}));
  else
    j.Failed("vendor", "processor.", "the processor has no CPUID instruction");
  if (p.brand.empty())
    j.Null("brand");
  else
    j.String("brand", p.brand);
  // Family, model and stepping as the vendors define them: the extended family adds to family 15,
  // the extended model extends the model of families 6 and 15.
  const std::uint32_t sig = p.leaf1.eax, baseFamily = (sig >> 8) & 0xF;
  const std::uint32_t family = baseFamily == 0xF ? baseFamily + ((sig >> 20) & 0xFF) : baseFamily;
  const std::uint32_t model = (sig >> 4 & 0xF) | (baseFamily == 0x6 || baseFamily == 0xF ? (sig >> 16 & 0xF) << 4 : 0);
  const char* names[] = {"signature", "family", "model", "stepping", "leaf1_edx", "leaf1_ecx", "ext_edx", "ext_ecx"};
  const std::uint32_t values[] = {sig, family, model, sig & 0xF, p.leaf1.edx, p.leaf1.ecx, p.ext1.edx, p.ext1.ecx};
  for (size_t i = 0; i < std::size(names); ++i) {
    if (i < 6 ? p.hasLeaf1 : p.hasExt1)
      j.Int(names[i], values[i]);
    else
      j.Null(names[i]);  // a leaf the processor does not have
  }
  if (p.clockHz)
    j.Int("clock_hz", static_cast<std::int64_t>(*p.clockHz + 0.5));
  else
    j.Null("clock_hz");
  // A flag of a leaf the processor lacks is one it does not have.
  const std::uint32_t regs[] = {p.leaf1.edx, p.leaf1.ecx, p.ext1.edx, p.ext1.ecx};
  j.Open("flags", '{');
  std::string name;
  for (size_t i = 0, at = 0; i < std::size(kFlagBits); ++i) {
    const size_t end = std::min(kFlagNames.find(' ', at), kFlagNames.size());
    name = kFlagNames.substr(at, end - at);
    at = end + 1;
    j.Bool(name.c_str(), funclib::TestBit64(kFlagBits[i] & 31, regs[kFlagBits[i] >> 5]));
  }
  j.Close();
  j.Close();
}

void SystemData(Json& j, const SystemReport& s) {
  const funclib::TOrvane& c = s.facts.computer;
  const std::string_view path = "system.";
  j.Open("system", '{');
  j.Text("user", FixedView(c.UserName), path);
  j.Text("computer", FixedView(c.ComputerName), path);
  if (s.ipv4) {
    j.Open("ipv4", '[');
    for (const std::string& address : *s.ipv4) j.String(nullptr, address);
    j.Close();
  } else {
    j.Failed("ipv4", path, "the network could not be started");
  }
  if (s.mac.failedStep == 0) {
    std::string& out = j.Key("mac") += '"';
    for (size_t i = 0; i < s.mac.bytes.size(); ++i) {
      if (i) out += ':';
      funclib::AppendHex(out, s.mac.bytes[i], 2);
    }
    out += '"';
  } else {
    std::string reason = "NetBIOS failed with code ";
    AppendInt(reason, s.mac.code);
    j.Failed("mac", path, reason);
  }
  if (s.os) {
    j.Open("windows", '{');
    j.Int("platform_id", s.os->platformId);
    j.Int("major", s.os->major);
    j.Int("minor", s.os->minor);
    j.Int("build", s.os->build);
    j.Close();
  } else {
    j.Failed("windows", path, kNotRead);
  }
  j.Text("windows_dir", FixedView(c.WindowsDir), path);
  j.Text("temp_dir", FixedView(c.TempDir), path);
  j.Open("keyboard", '{');
  j.Int("type", s.facts.keyboardType);
  j.Int("function_keys", s.facts.functionKeys);
  j.Close();
  j.Int("mouse_buttons", s.facts.mouseButtons);
  const platform::DisplayMode& d = s.facts.display;
  if (d.width > 0) {
    j.Open("screen", '{');
    j.Int("width", d.width);
    j.Int("height", d.height);
    j.Int("bits_per_pixel", d.bitsPerPixel);
    j.Int("refresh_hz", d.refreshHz);
    j.Close();
  } else {
    j.Failed("screen", path, "the screen's device context could not be made");
  }
  j.Close();
}

constexpr const char* kDriveTypes[] = {"unknown", "no_root", "removable", "fixed", "remote", "cdrom", "ramdisk"};
// The file-system flags by name, in the order of their FS_* bits 0 to 4, then bit 15.
constexpr const char* kDriveFlags[] = {"case_sensitive", "case_preserved", "unicode", "acls", "compression", "compressed"};

void DriveData(Json& j, const DriveFacts& d, size_t index) {
  j.Open(nullptr, '{');
  j.String("root", DriveRoot(d.letter));
  std::string path = "drives[";
  AppendInt(path, static_cast<std::int64_t>(index));
  path += "].";
  const std::string reason = platform::SystemErrorText(d.error, true);
  if (d.volumeRead)
    j.String("label", d.volume.label);
  else
    j.Failed("label", path, reason);
  j.String("type", kDriveTypes[d.driveType < std::size(kDriveTypes) ? d.driveType : 0]);
  if (d.volumeRead) {
    j.String("file_system", d.volume.fileSystem);
    j.Int("serial", d.volume.serial);
  } else {
    j.Failed("file_system", path, reason);
    j.Failed("serial", path, reason);
  }
  if (d.spaceRead) {
    j.Int("total_bytes", static_cast<std::int64_t>(d.total));
    j.Int("free_bytes", static_cast<std::int64_t>(d.freeToCaller));
  } else {
    j.Failed("total_bytes", path, reason);
    j.Failed("free_bytes", path, reason);
  }
  if (d.volumeRead) {
    j.Open("flags", '{');
    for (int i = 0; i < 6; ++i) j.Bool(kDriveFlags[i], funclib::TestBit64(i < 5 ? i : 15, d.volume.flags));
    j.Close();
  } else {
    j.Failed("flags", path, reason);
  }
  j.Close();
}

// The play states the player reports, by name.
const char* PlayState(std::int32_t state) {
  return state == 1 ? "playing" : state == 3 ? "paused" : state == 0 ? "stopped" : nullptr;
}

void PlayerData(Json& j, const PlayerFacts& f) {
  if (!f.running) return j.Null("player");
  j.Open("player", '{');
  const bool answering = f.answered && f.captionRead;
  const char* state = PlayState(f.replies.state);
  j.Bool("answering", answering);
  if (!answering) {
    j.Failed("state", "player.", "the player did not answer");
    for (const char* name : {"title", "position_ms", "length_s", "version"}) j.Null(name);
  } else {
    if (state)
      j.String("state", state);
    else
      j.Failed("state", "player.", "an unknown play state");
    std::string title = FormatPlayerRows(f.replies, f.caption).title;
    title.erase(title.find_last_not_of(' ') + 1);
    title.erase(0, title.find_first_not_of(' '));
    j.String("title", title);
    j.Int("position_ms", f.replies.position);
    j.Int("length_s", f.replies.length);
    j.Int("version", f.replies.version2);
  }
  j.Close();
}

void AppendData(std::string& out, const Report& report) {
  const ReportFacts& facts = report.facts;
  Json j(out);
  j.Open(nullptr, '{');
  if (const auto& m = facts.memory) {
    j.Open("memory", '{');
    const char* names[] = {"total_phys_bytes",      "avail_phys_bytes",    "total_page_file_bytes",
                           "avail_page_file_bytes", "total_virtual_bytes", "avail_virtual_bytes"};
    const std::uint64_t values[] = {m->totalPhys,     m->availPhys,    m->totalPageFile,
                                    m->availPageFile, m->totalVirtual, m->availVirtual};
    for (size_t i = 0; i < std::size(names); ++i) j.Int(names[i], static_cast<std::int64_t>(values[i]));
    j.Int("load_percent", m->memoryLoad);
    j.Close();
  }
  if (facts.processor) ProcessorData(j, *facts.processor);
  if (facts.system) SystemData(j, *facts.system);
  if (facts.drives) {
    j.Open("drives", '[');
    for (size_t i = 0; i < facts.drives->size(); ++i) DriveData(j, (*facts.drives)[i], i);
    j.Close();
  }
  if (const auto& c = facts.clock) {
    j.Open("clock", '{');
    j.Int("uptime_ms", static_cast<std::int64_t>(c->uptimeMs));
    AppendIso(j.Key("boot_time"), funclib::SubtractMilliseconds(c->now, c->uptimeMs), report.utcOffsetMinutes);
    AppendIso(j.Key("now"), c->now, report.utcOffsetMinutes);
    j.Close();
  }
  if (facts.printers) {
    j.Open("printers", '[');
    for (const std::string& printer : *facts.printers) j.String(nullptr, printer);
    j.Close();
  }
  if (facts.player) PlayerData(j, *facts.player);
  j.Key("errors") += '[';
  (out += j.failures) += "]}";
}

// A Prometheus label value: backslash, quote and line feed escaped.
void AppendLabel(std::string& out, const char* name, std::string_view value) {
  out += out.empty() ? "" : ",";
  out += name;
  out += "=\"";
  for (const char c : value) {
    if (c == '\\' || c == '"' || c == '\n') out += '\\';
    out += c == '\n' ? 'n' : c;
  }
  out += '"';
}

// Writes gauges in the text exposition format: a family's HELP and TYPE lines before its first
// sample, each sample's value a count of 10^-decimals units.
struct Metrics {
  std::string out;
  std::string_view family;

  void Sample(const char* name, const char* help, std::string_view labels, std::uint64_t units, int decimals = 0) {
    if (name != family) {
      family = name;
      ((out += "# HELP ") += name) += ' ';
      ((out += help) += "\n# TYPE ") += name;
      out += " gauge\n";
    }
    out += name;
    if (!labels.empty()) (out += '{').append(labels) += '}';
    out += ' ';
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    AppendInt(out, static_cast<std::int64_t>(units / scale));
    if (decimals > 0) {
      out += '.';
      const size_t at = out.size();
      AppendInt(out, static_cast<std::int64_t>(units % scale + scale));
      out.erase(at, 1);  // the leading 1 of scale: the fraction keeps its zeros
    }
    out += '\n';
  }
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

// "/name" or "-name" in any case; `name` in lower case.
bool IsSwitch(std::string_view arg, std::string_view name) {
  return !arg.empty() && (arg[0] == '/' || arg[0] == '-') && EqualsIgnoringCase(arg.substr(1), name);
}

// The pages of a "/pages:" list, or the name it does not know.
unsigned ParsePages(std::string_view list, std::string& unknown) {
  unsigned pages = 0;
  for (size_t start = 0;; ) {
    const size_t end = std::min(list.find(',', start), list.size());
    const std::string_view name = list.substr(start, end - start);
    unsigned bit = 0;
    for (size_t i = 0; i < std::size(kPageNames); ++i)
      if (EqualsIgnoringCase(name, kPageNames[i])) bit = 1u << i;
    if (bit == 0) {
      unknown = name;
      return 0;
    }
    pages |= bit;
    if (end == list.size()) return pages;
    start = end + 1;
  }
}

}  // namespace

ProcessorFacts ProbeProcessor() {
  ProcessorFacts p;
  p.count = platform::QueryProcessorInfo().count;
  p.cpuid = platform::CpuidAvailable();
  if (!p.cpuid) return p;
  p.leaf0 = platform::ExecuteCpuid(0);
  p.hasLeaf1 = p.leaf0.eax >= 1;
  if (p.hasLeaf1) p.leaf1 = platform::ExecuteCpuid(1);
  const std::uint32_t maxExt = platform::ExecuteCpuid(0x80000000).eax;
  p.hasExt1 = maxExt >= 0x80000001 && maxExt <= 0x8000FFFF;  // old processors echo another leaf
  if (p.hasExt1) p.ext1 = platform::ExecuteCpuid(0x80000001);
  if (p.hasExt1 && maxExt >= 0x80000004) {
    char brand[48];
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
      const platform::CpuidRegisters r = platform::ExecuteCpuid(0x80000002 + leaf);
      const std::uint32_t regs[] = {r.eax, r.ebx, r.ecx, r.edx};
      for (int i = 0; i < 16; ++i) brand[leaf * 16 + i] = static_cast<char>(regs[i / 4] >> (8 * (i % 4)));
    }
    p.brand = funclib::FixedText(brand);
    p.brand.erase(0, p.brand.find_first_not_of(' '));
    p.brand.erase(p.brand.find_last_not_of(' ') + 1);
  }
  return p;
}

Report ProbeReport(const platform::FormatSettings& fs, unsigned pages) {
  Report report;
  ReportFacts& facts = report.facts;
  report.time = platform::QueryLocalTime(report.utcOffsetMinutes);
  std::string computer;
  if (platform::QueryComputerName(computer, 16)) facts.computer = std::move(computer);
  if (pages & (kReportSystem | kReportFeatures)) facts.processor = ProbeProcessor();
  if (pages & kReportMemory) {
    facts.memory = platform::GetMemoryStatus();
    report.pages.push_back(MemoryPage(*facts.memory, fs));
  }
  if (pages & kReportSystem) report.pages.push_back(SystemPage(facts.system.emplace(), *facts.processor, fs));
  if (pages & kReportFeatures) {
    ReportPage features = Page("hWnd_Sheet", false);
    features.columns = LayoutColumns("CpuId_ListView");
    features.rows = FormatFeatureRows(ProbeFeatureWord());
    report.pages.push_back(std::move(features));
  }
  if (pages & kReportDisks) report.pages.push_back(DisksPage(facts.drives.emplace(), fs));
  if (pages & kReportOther) report.pages.push_back(OtherPage(facts.clock.emplace(), facts.printers.emplace(), fs));
  if (pages & kReportWinamp) report.pages.push_back(WinampPage(facts.player.emplace()));
  return report;
}

std::string ReportText(const Report& report, const platform::FormatSettings& fs) {
  std::string out = ORVANE_PRODUCT " v" ORVANE_VERSION_TEXT " report, ";
  funclib::AppendDateTime(out, report.time, fs);
  out += " (UTC";
  funclib::AppendUtcOffset(out, report.utcOffsetMinutes);
  out += ")\r\n";
  for (const ReportPage& page : report.pages) {
    out += "\r\n[" + page.title + "]\r\n";
    auto line = [&](const PageRow& row) {
      for (size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += page.panels ? ": " : "\t";
        out += row[i];
      }
      out += "\r\n";
    };
    if (!page.columns.empty()) line(page.columns);
    for (const PageRow& row : page.rows) line(row);
  }
  return out;
}

std::string ReportJson(const Report& report) {
  std::string out = "{\"schema\": \"orvane-report/1\", \"program\": ";
  AppendJsonString(out, ORVANE_PRODUCT);
  out += ", \"version\": ";
  AppendJsonString(out, ORVANE_VERSION_TEXT);
  out += ", \"time\": ";
  AppendIso(out, report.time, report.utcOffsetMinutes);
  out += ", \"pages\": [";
  for (size_t p = 0; p < report.pages.size(); ++p) {
    const ReportPage& page = report.pages[p];
    out += p ? ",\n  {\"title\": " : "\n  {\"title\": ";
    AppendJsonString(out, page.title);
    out += ", \"rows\": [";
    for (size_t r = 0; r < page.rows.size(); ++r) {
      out += r ? ",\n    [" : "\n    [";
      for (size_t c = 0; c < page.rows[r].size(); ++c) {
        if (c) out += ", ";
        AppendJsonString(out, page.rows[r][c]);
      }
      out += ']';
    }
    out += "]}";
  }
  out += "],\n\"data\": ";
  AppendData(out, report);
  out += "}\n";
  return out;
}

std::string ReportMetrics(const Report& report) {
  const ReportFacts& facts = report.facts;
  Metrics m;
  std::string labels;
  AppendLabel(labels, "version", ORVANE_VERSION_TEXT);
  AppendLabel(labels, "computer", facts.computer);
  m.Sample("orvane_info", "The program's version and the computer's name.", labels, 1);
  if (const auto& s = facts.memory) {
    m.Sample("orvane_memory_physical_total_bytes", "Physical memory.", {}, s->totalPhys);
    m.Sample("orvane_memory_physical_available_bytes", "Free physical memory.", {}, s->availPhys);
    m.Sample("orvane_memory_commit_limit_bytes", "Memory the system can commit: RAM and page files.", {},
             s->totalPageFile);
    m.Sample("orvane_memory_commit_available_bytes", "Memory the system can still commit.", {}, s->availPageFile);
    m.Sample("orvane_memory_load_ratio", "Share of physical memory in use, as the system rates it.", {},
             s->memoryLoad, 2);
  }
  if (facts.clock) m.Sample("orvane_uptime_seconds", "Time since the system started.", {}, facts.clock->uptimeMs, 3);
  if (const auto& p = facts.processor) {
    m.Sample("orvane_processors", "Logical processors.", {}, p->count);
    if (p->clockHz)
      m.Sample("orvane_processor_clock_hertz", "The processor's clock, measured.", {},
               static_cast<std::uint64_t>(*p->clockHz + 0.5));
  }
  for (int free = 0; free < 2 && facts.drives; ++free) {
    for (const DriveFacts& d : *facts.drives) {
      if (!d.spaceRead) continue;
      labels.clear();
      AppendLabel(labels, "drive", std::string{d.letter, ':'});
      AppendLabel(labels, "label", d.volume.label);
      AppendLabel(labels, "fs", d.volume.fileSystem);
      if (free)
        m.Sample("orvane_drive_free_bytes", "Free space on the drive's volume for this user.", labels, d.freeToCaller);
      else
        m.Sample("orvane_drive_size_bytes", "Size of the drive's volume.", labels, d.total);
    }
  }
  if (const auto& player = facts.player) {
    const bool answering = player->running && player->answered && player->captionRead;
    const char* state = answering ? PlayState(player->replies.state) : nullptr;
    for (const char* name : {"playing", "paused", "stopped"}) {
      labels.clear();
      AppendLabel(labels, "state", name);
      m.Sample("orvane_player_state", "The player's state: 1 for the one it is in.", labels,
               state && std::string_view(state) == name);
    }
  }
  return m.out;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  using Action = CommandLine::Action;
  using Format = CommandLine::Format;
  CommandLine cl;
  bool report = false;
  const char* format = nullptr;  // the format switch given
  const char* pages = nullptr;
  const auto invalid = [&cl](std::string_view what, std::string_view subject = {}, std::string_view more = {}) {
    cl.action = Action::Invalid;
    ((cl.error = what) += subject) += more;
  };
  for (const std::string& arg : args) {
    const bool json = IsSwitch(arg, "json");
    if (IsSwitch(arg, "report")) {
      report = true;
    } else if (json || IsSwitch(arg, "prom")) {
      if (format && (cl.format == Format::Json) != json) invalid("/json and /prom cannot be given together");
      cl.format = json ? Format::Json : Format::Metrics;
      format = json ? "/json" : "/prom";
    } else if (IsSwitch(arg, "?") || IsSwitch(arg, "h") || IsSwitch(arg, "help") || EqualsIgnoringCase(arg, "--help")) {
      cl.action = Action::Usage;
      return cl;
    } else if (IsSwitch(std::string_view(arg).substr(0, 7), "pages:")) {
      std::string unknown;
      cl.pages = ParsePages(std::string_view(arg).substr(7), unknown);
      if (cl.pages == 0) invalid("unknown page \"", unknown, "\" in ");
      pages = "/pages:";
    } else if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
      invalid("unknown switch ");
    } else if (arg.empty()) {
      invalid("an empty file name");
    } else if (!cl.file.empty()) {
      invalid("a second file name ");
    } else {
      cl.file = arg;
    }
    if (cl.action == Action::Invalid) {
      if (!cl.error.ends_with(' ')) return cl;
      cl.error += arg;  // the argument named
      return cl;
    }
  }
  if (report)
    cl.action = Action::Report;
  else if (format || pages)  // a plain file name alone opens the window, as it always did
    invalid(format ? format : pages, " needs /report");
  return cl;
}

std::string UsageText() {
  return "Usage: Orvane [/report [/json | /prom] [/pages:LIST] [FILE]]\r\n"
         "\r\n"
         "  (none)       open the window\r\n"
         "  /report      write every page as text in UTF-8, without a window, to FILE or the\r\n"
         "               standard output\r\n"
         "  /json        with /report: one JSON document instead, the pages' rows and the typed\r\n"
         "               facts (format orvane-report/1, described by orvane-report.schema.json)\r\n"
         "  /prom        with /report: the numbers in the Prometheus text format instead\r\n"
         "  /pages:LIST  with /report: only these pages, separated by commas: memory, system,\r\n"
         "               features, disks, other, winamp; the processor clock, which takes about\r\n"
         "               two seconds to measure, only with system\r\n"
         "  /?           show this text (also /help, -h, --help)\r\n"
         "\r\n"
         "Switches may also start with - and are written in any case. FILE is written whole or not\r\n"
         "at all; a device (NUL, CON, COM1) is written directly, a read-only file is left alone.\r\n"
         "Exit code 0 on success, 2 when FILE cannot be written or an argument is wrong. In a\r\n"
         "console, \"Orvane\" runs Orvane.com, which waits for the report and returns its exit code.\r\n";
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args) {
  const CommandLine cl = ParseCommandLine(args);
  switch (cl.action) {
    case CommandLine::Action::Window: return std::nullopt;
    case CommandLine::Action::Usage: platform::WriteStandardStream(platform::Stream::Output, UsageText()); return 0;
    case CommandLine::Action::Invalid:
      platform::WriteStandardStream(platform::Stream::Error, "Orvane: " + cl.error + "\r\n\r\n" + UsageText());
      return kExitFailure;
    case CommandLine::Action::Report: break;
  }
  const platform::FormatSettings fs = funclib::UserFormatSettings();
  const Report report = ProbeReport(fs, cl.pages);
  const std::string text = cl.format == CommandLine::Format::Json      ? ReportJson(report)
                           : cl.format == CommandLine::Format::Metrics ? ReportMetrics(report)
                                                                       : ReportText(report, fs);
  if (cl.file.empty()) return platform::WriteStandardStream(platform::Stream::Output, text) ? 0 : kExitFailure;
  if (const std::uint32_t error = platform::ReplaceFileWith(cl.file, text)) {
    platform::WriteStandardStream(platform::Stream::Error, "Orvane: cannot write the report to " + cl.file + ": " +
                                                               platform::SystemErrorText(error, false) + "\r\n");
    return kExitFailure;
  }
  return 0;
}
