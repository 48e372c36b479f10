// The System page: seventeen facts about the machine in one list, filled on the first visit and
// again on a double-click. The processor clock is measured last, after the list has been painted
// with a placeholder in its row, since the measurement blocks the window for about two seconds.
#include <cstdio>

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

// The vendor text of CPUID leaf 0: the registers' bytes in memory order, up to the first zero.
std::string VendorText(const std::array<std::uint32_t, 3>& regs) {
  char bytes[12];
  for (int i = 0; i < 12; ++i) bytes[i] = static_cast<char>((regs[i / 4] >> (8 * (i % 4))) & 0xFF);
  return funclib::FixedText(bytes);
}

// "Type t, Family f, Model m, Stepping s" from the four low fields of the signature; the
// extended model and family fields above bit 15 are not shown.
std::string ModelText(std::uint32_t signature) {
  auto field = [signature](int shift) { return static_cast<int>(funclib::ExtractBits64(shift, 4, signature)); };
  char text[64];
  std::snprintf(text, sizeof text, "Type %d, Family %d, Model %d, Stepping %d", field(12), field(8), field(4),
                field(0));
  return text;
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
  char text[64];
  std::snprintf(text, sizeof text, "%d x %d x %d @ %d Hz", m.width, m.height, m.bitsPerPixel, m.refreshHz);
  return text;
}

// The clock in MHz with four decimals and the locale's decimal separator, never grouped.
std::string ClockText(double hz, const platform::FormatSettings& fs) {
  platform::FormatSettings plain = fs;
  plain.thousandSeparator.clear();
  return funclib::FormatNumber(hz / 1e6, 4, plain) + " MHz";
}

}  // namespace

void TFormOrvane::SysList_Fill() {
  app_.SetScreenCursor(widgets::crHourGlass);
  Sys_ListView.BeginUpdate();
  Sys_ListView.ClearItems();

  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  const platform::ProcessorInfo processors = platform::QueryProcessorInfo();
  funclib::TOrvane facts;
  funclib::GetOrvaneInfo(facts);
  if (facts.UserName[0] == '\0') funclib::SetFixedText(facts.UserName, "n/a");
  if (facts.IPAddress == std::string(1, '\0')) facts.IPAddress = "n/a";

  for (int row = 0; row < static_cast<int>(SysRowCaptions.size()); ++row) {
    const int item = Sys_ListView.AddItem(std::string(SysRowCaptions[static_cast<size_t>(row)]));
    std::string value;
    switch (row) {
      case 0: value = kClockPlaceholder; break;
      case 1: value = std::to_string(processors.count); break;
      case 2: {
        std::array<std::uint32_t, 3> vendor;
        funclib::GetCpuVendor(vendor);
        value = VendorText(vendor);
        break;
      }
      case 3: value = ModelText(signature[0]); break;
      case 4: value = "i" + std::to_string(processors.type); break;
      case 5: value = KeyboardText(platform::QueryKeyboardType(), platform::QueryFunctionKeyCount()); break;
      case 6: value = "#" + std::to_string(platform::QueryMouseButtonCount()); break;
      case 7: value = DisplayText(platform::QueryDisplayMode()); break;
      case 9: value = funclib::FixedText(facts.UserName); break;
      case 10: value = funclib::FixedText(facts.ComputerName); break;
      case 11: value = facts.IPAddress; break;
      case 12: value = facts.MACAddress; break;
      case 13: value = facts.WinFamily; break;
      case 14: value = facts.WinVersion; break;
      case 15: value = funclib::FixedText(facts.WindowsDir); break;
      case 16: value = funclib::FixedText(facts.TempDir); break;
      default: break;
    }
    if (row != kBlankRow) Sys_ListView.AddSubItem(item, std::move(value));
  }
  Sys_ListView.EndUpdate();

  // Paint the list with its placeholder before the long measurement. Queued input runs here: a
  // double-click refills the list completely (and sets the cursor back), so the busy cursor is
  // set again and the clock row is written only if the list still has it.
  app_.ProcessMessages();
  app_.SetScreenCursor(widgets::crHourGlass);
  const double hz = funclib::MeasureCpuClock(kClockMilliseconds, true);
  if (Sys_ListView.ItemCount() > 0 && !Sys_ListView.Items()[0].subItems.empty())
    Sys_ListView.SetCell(0, 1, ClockText(hz, formatSettings_));
  app_.SetScreenCursor(widgets::crDefault);
}

void TFormOrvane::Sys_ListView_DblClick(widgets::Control&) { SysList_Fill(); }
