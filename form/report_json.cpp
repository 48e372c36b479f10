// The report as one JSON document: the pages' rows as the window shows them and, beside them, the
// same facts typed, named and locale-free, straight from the probe records (format 1, described by
// docs/orvane-report.schema.json).
#include <algorithm>
#include <cstring>

#include "form/report.hpp"
#include "form/report_writers.hpp"
#include "funclib/bits.hpp"
#include "funclib/datetime.hpp"
#include "funclib/text.hpp"
#include "orvane_version.h"
#include "platform/errors.hpp"
#include "platform/utf.hpp"

namespace {

constexpr const char* kNotRead = "the system did not give it";

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

}  // namespace

void AppendInt(std::string& out, std::int64_t value) {
  char digits[20];
  char* first = std::end(digits);
  std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do *--first = static_cast<char>('0' + rest % 10);
  while (rest /= 10);
  if (value < 0) out += '-';
  out.append(first, std::end(digits));
}

const char* PlayState(std::int32_t state) {
  return state == 1 ? "playing" : state == 3 ? "paused" : state == 0 ? "stopped" : nullptr;
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
