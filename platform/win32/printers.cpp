#include "platform/printers.hpp"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "platform/utf.hpp"

namespace platform {
namespace {

std::string Text(const wchar_t* s) { return s ? Utf16ToUtf8(std::wstring_view(s)) : std::string(); }

// EnumPrinters into a buffer that grows while the list does (a printer may be added between the
// size query and the read). False when the system refuses or reports more records than it wrote.
bool Enumerate(DWORD flags, DWORD level, size_t recordSize, std::vector<BYTE>& buffer, DWORD& count) {
  DWORD needed = 0;
  count = 0;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (EnumPrintersW(flags, nullptr, level, buffer.empty() ? nullptr : buffer.data(),
                      static_cast<DWORD>(buffer.size()), &needed, &count))
      return count == 0 || buffer.size() >= count * recordSize;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) return false;
    buffer.resize(needed);
  }
  return false;
}

}  // namespace

std::vector<PrinterInfo> EnumeratePrinters(bool ntFamily) {
  std::vector<PrinterInfo> printers;
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (ntFamily) {
    if (!Enumerate(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, 4, sizeof(PRINTER_INFO_4W), buffer, count)) return printers;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) printers.push_back({Text(info[i].pPrinterName), {}});
  } else {
    if (!Enumerate(PRINTER_ENUM_LOCAL, 5, sizeof(PRINTER_INFO_5W), buffer, count)) return printers;
    const auto* info = reinterpret_cast<const PRINTER_INFO_5W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) printers.push_back({Text(info[i].pPrinterName), Text(info[i].pPortName)});
  }
  return printers;
}

}  // namespace platform
