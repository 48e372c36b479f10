// The report of the pages: the same probes and row formatters as the pages, written as text or as
// JSON with the typed facts beside the rows, or as Prometheus metrics; to a file or the standard
// output.
#include "form/report.hpp"

#include <array>
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
      platform::utf_detail::AppendUtf8(out, platform::utf_detail::NextUtf8(text, i));
    }
  }
  out += '"';
}

// Writes one JSON object member by member: `Key` puts the separator and the name, the caller the
// value.
class JsonObject {
 public:
  // `separator` goes between members: ", " on one line, ",\n  " one member a line.
  explicit JsonObject(std::string& out, const char* separator = ", ") : out_(out), separator_(separator) {
    out_ += '{';
    if (separator_[1] == '\n') out_ += separator_ + 1;
  }
  std::string& Key(std::string_view name) {
    if (!first_) out_ += separator_;
    first_ = false;
    AppendJsonString(out_, name);
    out_ += ": ";
    return out_;
  }
  void Int(std::string_view name, std::int64_t value) { Key(name) += std::to_string(value); }
  void Bool(std::string_view name, bool value) { Key(name) += value ? "true" : "false"; }
  void Null(std::string_view name) { Key(name) += "null"; }
  void String(std::string_view name, std::string_view value) { AppendJsonString(Key(name), value); }
  // A text, or null when it is empty.
  void Text(std::string_view name, std::string_view value) {
    if (value.empty())
      Null(name);
    else
      String(name, value);
  }
  void End() { out_ += '}'; }

 private:
  std::string& out_;
  const char* separator_;
  bool first_ = true;
};

// The failures behind the nulls of `data`: what (the value's path) and why.
struct Failures {
  std::vector<std::pair<std::string, std::string>> list;
  void Add(std::string what, std::string why) { list.emplace_back(std::move(what), std::move(why)); }
  void System(std::string what, std::uint32_t code) { Add(std::move(what), platform::SystemErrorText(code, true)); }
};

void AppendIso(std::string& out, const platform::LocalDateTime& t, int offsetMinutes) {
  out += '"';
  funclib::AppendIsoDateTime(out, t);
  funclib::AppendUtcOffset(out, offsetMinutes);
  out += '"';
}

void MemoryData(JsonObject& data, const platform::MemoryStatus& m) {
  JsonObject o(data.Key("memory"));
  o.Int("total_phys_bytes", static_cast<std::int64_t>(m.totalPhys));
  o.Int("avail_phys_bytes", static_cast<std::int64_t>(m.availPhys));
  o.Int("total_page_file_bytes", static_cast<std::int64_t>(m.totalPageFile));
  o.Int("avail_page_file_bytes", static_cast<std::int64_t>(m.availPageFile));
  o.Int("total_virtual_bytes", static_cast<std::int64_t>(m.totalVirtual));
  o.Int("avail_virtual_bytes", static_cast<std::int64_t>(m.availVirtual));
  o.Int("load_percent", m.memoryLoad);
  o.End();
}

// The feature flags by the vendors' names, each from the register that defines it: 0 leaf 1 EDX,
// 1 leaf 1 ECX, 2 leaf 0x80000001 EDX, 3 leaf 0x80000001 ECX.
struct FlagBit {
  const char* name;
  std::uint8_t reg, bit;
};
constexpr FlagBit kFlagBits[] = {
    {"fpu", 0, 0},         {"vme", 0, 1},         {"de", 0, 2},          {"pse", 0, 3},
    {"tsc", 0, 4},         {"msr", 0, 5},         {"pae", 0, 6},         {"mce", 0, 7},
    {"cx8", 0, 8},         {"apic", 0, 9},        {"sep", 0, 11},        {"mtrr", 0, 12},
    {"pge", 0, 13},        {"mca", 0, 14},        {"cmov", 0, 15},       {"pat", 0, 16},
    {"pse36", 0, 17},      {"psn", 0, 18},        {"clfsh", 0, 19},      {"ds", 0, 21},
    {"acpi", 0, 22},       {"mmx", 0, 23},        {"fxsr", 0, 24},       {"sse", 0, 25},
    {"sse2", 0, 26},       {"ss", 0, 27},         {"htt", 0, 28},        {"tm", 0, 29},
    {"pbe", 0, 31},        {"sse3", 1, 0},        {"pclmulqdq", 1, 1},   {"dtes64", 1, 2},
    {"monitor", 1, 3},     {"ds_cpl", 1, 4},      {"vmx", 1, 5},         {"smx", 1, 6},
    {"est", 1, 7},         {"tm2", 1, 8},         {"ssse3", 1, 9},       {"cnxt_id", 1, 10},
    {"fma", 1, 12},        {"cx16", 1, 13},       {"xtpr", 1, 14},       {"pdcm", 1, 15},
    {"pcid", 1, 17},       {"dca", 1, 18},        {"sse4_1", 1, 19},     {"sse4_2", 1, 20},
    {"x2apic", 1, 21},     {"movbe", 1, 22},      {"popcnt", 1, 23},     {"tsc_deadline", 1, 24},
    {"aes", 1, 25},        {"xsave", 1, 26},      {"osxsave", 1, 27},    {"avx", 1, 28},
    {"f16c", 1, 29},       {"rdrand", 1, 30},     {"hypervisor", 1, 31}, {"syscall", 2, 11},
    {"nx", 2, 20},         {"mmxext", 2, 22},     {"fxsr_opt", 2, 25},   {"pdpe1gb", 2, 26},
    {"rdtscp", 2, 27},     {"lm", 2, 29},         {"3dnowext", 2, 30},   {"3dnow", 2, 31},
    {"lahf_lm", 3, 0},     {"cmp_legacy", 3, 1},  {"svm", 3, 2},         {"extapic", 3, 3},
    {"cr8_legacy", 3, 4},  {"abm", 3, 5},         {"sse4a", 3, 6},       {"misalignsse", 3, 7},
    {"3dnowprefetch", 3, 8}, {"osvw", 3, 9},      {"ibs", 3, 10},        {"xop", 3, 11},
    {"skinit", 3, 12},     {"wdt", 3, 13},        {"lwp", 3, 15},        {"fma4", 3, 16},
    {"tbm", 3, 21},        {"topoext", 3, 22},
};

void ProcessorData(JsonObject& data, const ProcessorFacts& p, Failures& failures) {
  JsonObject o(data.Key("processor"));
  o.Int("count", p.count);
  if (!p.cpuid) failures.Add("processor.vendor", "the processor has no CPUID instruction");
  if (p.cpuid)
    o.String("vendor", CpuVendorText({p.leaf0.ebx, p.leaf0.edx, p.leaf0.ecx}));
  else
    o.Null("vendor");
  o.Text("brand", p.brand);
  // Family, model and stepping as the vendors define them: the extended family adds to family 15,
  // the extended model extends the model of families 6 and 15.
  const std::uint32_t sig = p.leaf1.eax, baseFamily = (sig >> 8) & 0xF;
  const std::uint32_t family = baseFamily == 0xF ? baseFamily + ((sig >> 20) & 0xFF) : baseFamily;
  const std::uint32_t model =
      (sig >> 4 & 0xF) | (baseFamily == 0x6 || baseFamily == 0xF ? (sig >> 16 & 0xF) << 4 : 0);
  const std::pair<const char*, std::int64_t> leaf1[] = {
      {"signature", sig},          {"family", family},          {"model", model},
      {"stepping", sig & 0xF},     {"leaf1_edx", p.leaf1.edx},  {"leaf1_ecx", p.leaf1.ecx}};
  for (const auto& [name, value] : leaf1)
    if (p.hasLeaf1)
      o.Int(name, value);
    else
      o.Null(name);
  for (const auto& [name, value] : {std::pair("ext_edx", p.ext1.edx), std::pair("ext_ecx", p.ext1.ecx)})
    if (p.hasExt1)
      o.Int(name, value);
    else
      o.Null(name);
  if (p.clockHz)
    o.Int("clock_hz", std::llround(*p.clockHz));
  else
    o.Null("clock_hz");
  // A flag of a leaf the processor lacks is one it does not have.
  const std::uint32_t regs[] = {p.leaf1.edx, p.leaf1.ecx, p.ext1.edx, p.ext1.ecx};
  JsonObject flags(o.Key("flags"));
  for (const FlagBit& f : kFlagBits) flags.Bool(f.name, funclib::TestBit64(f.bit, regs[f.reg]));
  flags.End();
  o.End();
}

void SystemData(JsonObject& data, const SystemReport& s, Failures& failures) {
  const funclib::TOrvane& c = s.facts.computer;
  JsonObject o(data.Key("system"));
  const std::pair<const char*, std::string> texts[] = {{"user", funclib::FixedText(c.UserName)},
                                                       {"computer", funclib::FixedText(c.ComputerName)}};
  for (const auto& [name, value] : texts) {
    o.Text(name, value);
    if (value.empty()) failures.Add(std::string("system.") + name, kNotRead);
  }
  if (s.ipv4) {
    std::string& out = o.Key("ipv4");
    out += '[';
    for (size_t i = 0; i < s.ipv4->size(); ++i) {
      if (i) out += ", ";
      AppendJsonString(out, (*s.ipv4)[i]);
    }
    out += ']';
  } else {
    o.Null("ipv4");
    failures.Add("system.ipv4", "the network could not be started");
  }
  if (s.mac.failedStep == 0) {
    std::string& out = o.Key("mac");
    out += '"';
    for (size_t i = 0; i < s.mac.bytes.size(); ++i) {
      if (i) out += ':';
      funclib::AppendHex(out, s.mac.bytes[i], 2);
    }
    out += '"';
  } else {
    o.Null("mac");
    const char* step = s.mac.failedStep == 'A' ? "enumeration" : s.mac.failedStep == 'B' ? "reset" : "adapter status";
    failures.Add("system.mac", std::string("NetBIOS ") + step + " failed with code " + std::to_string(s.mac.code));
  }
  if (s.os) {
    JsonObject w(o.Key("windows"));
    w.Int("platform_id", s.os->platformId);
    w.Int("major", s.os->major);
    w.Int("minor", s.os->minor);
    w.Int("build", s.os->build);
    w.End();
  } else {
    o.Null("windows");
    failures.Add("system.windows", kNotRead);
  }
  for (const auto& [name, value] : {std::pair("windows_dir", funclib::FixedText(c.WindowsDir)),
                                    std::pair("temp_dir", funclib::FixedText(c.TempDir))}) {
    o.Text(name, value);
    if (value.empty()) failures.Add(std::string("system.") + name, kNotRead);
  }
  JsonObject k(o.Key("keyboard"));
  k.Int("type", s.facts.keyboardType);
  k.Int("function_keys", s.facts.functionKeys);
  k.End();
  o.Int("mouse_buttons", s.facts.mouseButtons);
  const platform::DisplayMode& d = s.facts.display;
  if (d.width > 0) {
    JsonObject screen(o.Key("screen"));
    screen.Int("width", d.width);
    screen.Int("height", d.height);
    screen.Int("bits_per_pixel", d.bitsPerPixel);
    screen.Int("refresh_hz", d.refreshHz);
    screen.End();
  } else {
    o.Null("screen");
    failures.Add("system.screen", "the screen's device context could not be made");
  }
  o.End();
}

constexpr const char* kDriveTypes[] = {"unknown", "no_root", "removable", "fixed", "remote", "cdrom", "ramdisk"};
// The file-system flags by name and FS_* bit.
constexpr std::pair<const char*, std::uint32_t> kDriveFlags[] = {
    {"case_sensitive", 0x1}, {"case_preserved", 0x2}, {"unicode", 0x4},
    {"acls", 0x8},           {"compression", 0x10},   {"compressed", 0x8000}};

void DriveData(std::string& out, const DriveFacts& d, size_t index, Failures& failures) {
  JsonObject o(out);
  o.String("root", DriveRoot(d.letter));
  const std::string path = "drives[" + std::to_string(index) + "].";
  const auto unread = [&](const char* name) {
    o.Null(name);
    failures.System(path + name, d.error);
  };
  if (d.volumeRead) {
    o.String("label", d.volume.label);
  } else {
    unread("label");
  }
  o.String("type", kDriveTypes[d.driveType < std::size(kDriveTypes) ? d.driveType : 0]);
  if (d.volumeRead) {
    o.String("file_system", d.volume.fileSystem);
    o.Int("serial", d.volume.serial);
  } else {
    unread("file_system");
    unread("serial");
  }
  if (d.spaceRead) {
    o.Int("total_bytes", static_cast<std::int64_t>(d.total));
    o.Int("free_bytes", static_cast<std::int64_t>(d.freeToCaller));
  } else {
    unread("total_bytes");
    unread("free_bytes");
  }
  if (d.volumeRead) {
    JsonObject flags(o.Key("flags"));
    for (const auto& [name, bit] : kDriveFlags) flags.Bool(name, (d.volume.flags & bit) != 0);
    flags.End();
  } else {
    unread("flags");
  }
  o.End();
}

// The play states the player reports, by name.
const char* PlayState(std::int32_t state) {
  return state == 1 ? "playing" : state == 3 ? "paused" : state == 0 ? "stopped" : nullptr;
}

void PlayerData(JsonObject& data, const PlayerFacts& f, Failures& failures) {
  if (!f.running) return data.Null("player");
  JsonObject o(data.Key("player"));
  const bool answering = f.answered && f.captionRead;
  o.Bool("answering", answering);
  if (!answering) {
    for (const char* name : {"state", "title", "position_ms", "length_s", "version"}) o.Null(name);
    failures.Add("player", "the player did not answer");
    return o.End();
  }
  if (const char* state = PlayState(f.replies.state)) {
    o.String("state", state);
  } else {
    o.Null("state");
    failures.Add("player.state", "an unknown play state " + std::to_string(f.replies.state));
  }
  std::string title = FormatPlayerRows(f.replies, f.caption).title;
  while (!title.empty() && title.back() == ' ') title.pop_back();
  while (!title.empty() && title.front() == ' ') title.erase(0, 1);
  o.String("title", title);
  o.Int("position_ms", f.replies.position);
  o.Int("length_s", f.replies.length);
  o.Int("version", f.replies.version2);
  o.End();
}

void AppendData(std::string& out, const Report& report) {
  const ReportFacts& facts = report.facts;
  Failures failures;
  JsonObject data(out, ",\n  ");
  if (facts.memory) MemoryData(data, *facts.memory);
  if (facts.processor) ProcessorData(data, *facts.processor, failures);
  if (facts.system) SystemData(data, *facts.system, failures);
  if (facts.drives) {
    std::string& list = data.Key("drives");
    list += '[';
    for (size_t i = 0; i < facts.drives->size(); ++i) {
      list += i ? ",\n    " : "\n    ";
      DriveData(list, (*facts.drives)[i], i, failures);
    }
    list += ']';
  }
  if (facts.clock) {
    JsonObject c(data.Key("clock"));
    c.Int("uptime_ms", static_cast<std::int64_t>(facts.clock->uptimeMs));
    AppendIso(c.Key("boot_time"), funclib::SubtractMilliseconds(facts.clock->now, facts.clock->uptimeMs),
              report.utcOffsetMinutes);
    AppendIso(c.Key("now"), facts.clock->now, report.utcOffsetMinutes);
    c.End();
  }
  if (facts.printers) {
    std::string& list = data.Key("printers");
    list += '[';
    for (size_t i = 0; i < facts.printers->size(); ++i) {
      if (i) list += ", ";
      AppendJsonString(list, (*facts.printers)[i]);
    }
    list += ']';
  }
  if (facts.player) PlayerData(data, *facts.player, failures);
  std::string& list = data.Key("errors");
  list += '[';
  for (size_t i = 0; i < failures.list.size(); ++i) {
    list += i ? ",\n    " : "\n    ";
    JsonObject e(list);
    e.String("what", failures.list[i].first);
    e.String("error", failures.list[i].second);
    e.End();
  }
  list += ']';
  data.End();
}

// A Prometheus label value: backslash, quote and line feed escaped.
void AppendLabel(std::string& out, std::string_view name, std::string_view value) {
  out += name;
  out += "=\"";
  for (const char c : value) {
    if (c == '\\' || c == '"' || c == '\n') out += '\\';
    out += c == '\n' ? 'n' : c;
  }
  out += '"';
}

void AppendFamily(std::string& out, const char* name, const char* help) {
  out += "# HELP ";
  out += name;
  out += ' ';
  out += help;
  out += "\n# TYPE ";
  out += name;
  out += " gauge\n";
}

void AppendSample(std::string& out, const char* name, std::string_view labels, std::string_view value) {
  out += name;
  if (!labels.empty()) (out += '{').append(labels) += '}';
  (out += ' ').append(value) += '\n';
}

// A fraction with `digits` decimals of an integer count of 10^-digits units: 370 and 3 give 0.370.
std::string Decimal(std::uint64_t units, int digits) {
  std::uint64_t scale = 1;
  for (int i = 0; i < digits; ++i) scale *= 10;
  std::string text = std::to_string(units / scale) + '.';
  std::string fraction = std::to_string(units % scale);
  return text + std::string(static_cast<size_t>(digits) - fraction.size(), '0') + fraction;
}

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
  char computer[64] = {};
  if (platform::QueryComputerName(computer, sizeof computer)) facts.computer = funclib::FixedText(computer);
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
  std::string out, labels;
  AppendFamily(out, "orvane_info", "The program's version and the computer's name.");
  AppendLabel(labels, "version", ORVANE_VERSION_TEXT);
  AppendLabel(labels += ',', "computer", facts.computer);
  AppendSample(out, "orvane_info", labels, "1");
  if (const auto& m = facts.memory) {
    AppendFamily(out, "orvane_memory_physical_total_bytes", "Physical memory.");
    AppendSample(out, "orvane_memory_physical_total_bytes", {}, std::to_string(m->totalPhys));
    AppendFamily(out, "orvane_memory_physical_available_bytes", "Free physical memory.");
    AppendSample(out, "orvane_memory_physical_available_bytes", {}, std::to_string(m->availPhys));
    AppendFamily(out, "orvane_memory_commit_limit_bytes", "Memory the system can commit: RAM and page files.");
    AppendSample(out, "orvane_memory_commit_limit_bytes", {}, std::to_string(m->totalPageFile));
    AppendFamily(out, "orvane_memory_commit_available_bytes", "Memory the system can still commit.");
    AppendSample(out, "orvane_memory_commit_available_bytes", {}, std::to_string(m->availPageFile));
    AppendFamily(out, "orvane_memory_load_ratio", "Share of physical memory in use, as the system rates it.");
    AppendSample(out, "orvane_memory_load_ratio", {}, Decimal(m->memoryLoad, 2));
  }
  if (const auto& c = facts.clock) {
    AppendFamily(out, "orvane_uptime_seconds", "Time since the system started.");
    AppendSample(out, "orvane_uptime_seconds", {}, Decimal(c->uptimeMs, 3));
  }
  if (const auto& p = facts.processor) {
    AppendFamily(out, "orvane_processor_count", "Logical processors.");
    AppendSample(out, "orvane_processor_count", {}, std::to_string(p->count));
    if (p->clockHz) {
      AppendFamily(out, "orvane_processor_clock_hertz", "The processor's clock, measured.");
      AppendSample(out, "orvane_processor_clock_hertz", {}, std::to_string(std::llround(*p->clockHz)));
    }
  }
  if (const auto& drives = facts.drives) {
    for (const auto& [name, help, free] :
         {std::tuple("orvane_drive_size_bytes", "Size of the drive's volume.", false),
          std::tuple("orvane_drive_free_bytes", "Free space on the drive's volume for this user.", true)}) {
      AppendFamily(out, name, help);
      for (const DriveFacts& d : *drives) {
        if (!d.spaceRead) continue;
        labels.clear();
        AppendLabel(labels, "drive", std::string{d.letter, ':'});
        AppendLabel(labels += ',', "label", d.volume.label);
        AppendLabel(labels += ',', "fs", d.volume.fileSystem);
        AppendSample(out, name, labels, std::to_string(free ? d.freeToCaller : d.total));
      }
    }
  }
  if (const auto& player = facts.player) {
    AppendFamily(out, "orvane_player_state", "The player's state: 1 for the one it is in.");
    const bool answering = player->running && player->answered && player->captionRead;
    const char* state = answering ? PlayState(player->replies.state) : nullptr;
    for (const char* name : {"playing", "paused", "stopped"}) {
      labels.clear();
      AppendLabel(labels, "state", name);
      AppendSample(out, "orvane_player_state", labels, state && std::string_view(state) == name ? "1" : "0");
    }
  }
  return out;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  using Action = CommandLine::Action;
  using Format = CommandLine::Format;
  CommandLine cl;
  bool report = false, formatGiven = false, pagesGiven = false;
  const auto invalid = [&cl](std::string error) {
    cl.action = Action::Invalid;
    cl.error = std::move(error);
    return cl;
  };
  for (const std::string& arg : args) {
    if (IsSwitch(arg, "report")) {
      report = true;
    } else if (IsSwitch(arg, "json") || IsSwitch(arg, "prom")) {
      const Format format = IsSwitch(arg, "json") ? Format::Json : Format::Metrics;
      if (formatGiven && format != cl.format) return invalid("/json and /prom cannot be given together");
      cl.format = format;
      formatGiven = true;
    } else if (IsSwitch(arg, "?") || IsSwitch(arg, "h") || IsSwitch(arg, "help") || EqualsIgnoringCase(arg, "--help")) {
      cl.action = Action::Usage;
      return cl;
    } else if (arg.size() > 7 && IsSwitch(std::string_view(arg).substr(0, 7), "pages:")) {
      std::string unknown;
      cl.pages = ParsePages(std::string_view(arg).substr(7), unknown);
      if (cl.pages == 0) return invalid("unknown page \"" + unknown + "\" in " + arg);
      pagesGiven = true;
    } else if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
      return invalid("unknown switch " + arg);
    } else if (arg.empty()) {
      return invalid("an empty file name");
    } else if (!cl.file.empty()) {
      return invalid("a second file name " + arg);
    } else {
      cl.file = arg;
    }
  }
  if (report)
    cl.action = Action::Report;
  else if (formatGiven || pagesGiven)  // a plain file name alone opens the window, as it always did
    return invalid(std::string(formatGiven ? (cl.format == Format::Json ? "/json" : "/prom") : "/pages:") +
                   " needs /report");
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
