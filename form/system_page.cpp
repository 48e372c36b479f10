// The System page: seventeen facts about the machine in one list, filled on the first visit and
// again on a double-click. The processor clock is measured last, after the list has been painted
// with a placeholder in its row, since the measurement blocks the window for about two seconds.
#include "form/system_page.hpp"


#include "form/orvane_form.hpp"
#include "funclib/bits.hpp"
#include "funclib/computer.hpp"
#include "funclib/format.hpp"
#include "funclib/processor.hpp"
#include "funclib/text.hpp"
#include "platform/display.hpp"
#include "platform/input.hpp"
#include "platform/sysinfo.hpp"

const std::array<std::string_view, 17> SysRowCaptions{
    "CPU Clock",       "# of Processors", "Processor Vendor",  "Processor Model",   "? Instruction Set",
    "? Keyboard Type", "Mouse Buttons",   "Screen Resolution", "",                  "User Name",
    "Computer Name",   "IP Address",      "MAC Address",       "Windows System",    "Windows Version",
    "Windows Directory", "Temp Directory"};

const std::array<std::string_view, 7> KeyboardTypeNames{
    "IBM PC/XT or compatible (83-key)", "Olivetti \"ICO\" (102-key)", "IBM PC/AT (84-key) or similar",
    "IBM enhanced (101/102-key)",       "Nokia 1050 and similar",     "Nokia 9140 and similar",
    "Japanese type"};

namespace {

constexpr std::uint16_t kClockMilliseconds = 2048;
constexpr int kBlankRow = 8;
constexpr const char* kClockPlaceholder = "calulation clock freq...";

// "Type t, Family f, Model m, Stepping s" from the four low fields of the signature; the
// extended model and family fields above bit 15 are not shown.
std::string ModelText(std::uint32_t signature) {
  auto field = [signature](int shift) { return static_cast<int>(funclib::ExtractBits64(shift, 4, signature)); };
  return "Type " + std::to_string(field(12)) + ", Family " + std::to_string(field(8)) + ", Model " +
         std::to_string(field(4)) + ", Stepping " + std::to_string(field(0));
}

// The keyboard's name and its function keys. A type the name table does not know (0 when the
// system cannot tell) is named by its number.
std::string KeyboardText(int type, int functionKeys) {
  std::string text = type >= 1 && type <= static_cast<int>(KeyboardTypeNames.size())
                         ? std::string(KeyboardTypeNames[static_cast<size_t>(type - 1)])
                         : "Unknown type " + std::to_string(type);
  return text + ", " + std::to_string(functionKeys) + " Func";
}

std::string DisplayText(const platform::DisplayMode& m) {
  return std::to_string(m.width) + " x " + std::to_string(m.height) + " x " + std::to_string(m.bitsPerPixel) +
         " @ " + std::to_string(m.refreshHz) + " Hz";
}

}  // namespace

std::string CpuVendorText(const std::array<std::uint32_t, 3>& regs) {
  char bytes[12];
  for (int i = 0; i < 12; ++i) bytes[i] = static_cast<char>((regs[i / 4] >> (8 * (i % 4))) & 0xFF);
  return funclib::FixedText(bytes);
}

SystemFacts ProbeSystem() {
  SystemFacts s;
  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  s.signature = signature[0];
  funclib::GetCpuVendor(s.vendor);
  s.processors = platform::QueryProcessorInfo();
  s.keyboardType = platform::QueryKeyboardType();
  s.functionKeys = platform::QueryFunctionKeyCount();
  s.mouseButtons = platform::QueryMouseButtonCount();
  s.display = platform::QueryDisplayMode();
  funclib::GetOrvaneInfo(s.computer);
  return s;
}

double MeasureSystemClock() { return funclib::MeasureCpuClock(kClockMilliseconds, true); }

std::array<std::string, 17> FormatSystemValues(const SystemFacts& s) {
  const funclib::TOrvane& c = s.computer;
  // A resolver that finds nothing leaves the one character of code 0.
  const std::string ip = c.IPAddress == std::string(1, '\0') ? "n/a" : c.IPAddress;
  const std::string user = c.UserName[0] == '\0' ? "n/a" : funclib::FixedText(c.UserName);
  return {kClockPlaceholder,
          std::to_string(s.processors.count),
          CpuVendorText(s.vendor),
          ModelText(s.signature),
          "i" + std::to_string(s.processors.type),
          KeyboardText(s.keyboardType, s.functionKeys),
          "#" + std::to_string(s.mouseButtons),
          DisplayText(s.display),
          "",
          user,
          funclib::FixedText(c.ComputerName),
          ip,
          c.MACAddress,
          c.WinFamily,
          c.WinVersion,
          funclib::FixedText(c.WindowsDir),
          funclib::FixedText(c.TempDir)};
}

std::string ClockText(double hz, const platform::FormatSettings& fs) {
  platform::FormatSettings plain = fs;
  plain.thousandSeparator.clear();
  return funclib::FormatNumber(hz / 1e6, 4, plain) + " MHz";
}

void TFormOrvane::SysList_Fill() {
  app_.SetScreenCursor(widgets::crHourGlass);
  Sys_ListView.BeginUpdate();
  Sys_ListView.ClearItems();
  std::array<std::string, 17> values = FormatSystemValues(ProbeSystem());
  for (int row = 0; row < static_cast<int>(SysRowCaptions.size()); ++row) {
    const int item = Sys_ListView.AddItem(std::string(SysRowCaptions[static_cast<size_t>(row)]));
    if (row != kBlankRow) Sys_ListView.AddSubItem(item, std::move(values[static_cast<size_t>(row)]));
  }
  Sys_ListView.EndUpdate();

  // Paint the list with its placeholder before the long measurement. Queued input runs here: a
  // double-click refills the list completely (and sets the cursor back), so the busy cursor is
  // set again and the clock row is written only if the list still has it.
  app_.ProcessMessages();
  app_.SetScreenCursor(widgets::crHourGlass);
  const double hz = MeasureSystemClock();
  if (Sys_ListView.ItemCount() > 0 && !Sys_ListView.Items()[0].subItems.empty())
    Sys_ListView.SetCell(0, 1, ClockText(hz, formatSettings_));
  app_.SetScreenCursor(widgets::crDefault);
}

void TFormOrvane::Sys_ListView_DblClick(widgets::Control&) { SysList_Fill(); }
