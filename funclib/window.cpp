#include "funclib/window.hpp"

#include <cstring>

#include "funclib/owner_window.hpp"
#include "funclib/text.hpp"
#include "platform/clipboard.hpp"
#include "platform/dialogs.hpp"
#include "platform/fonts.hpp"
#include "platform/shell.hpp"

namespace funclib {
int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) {
  std::string shown = text;
  ReplaceSubstring(shown, "\\n", "\r\n", 1, 0);
  return platform::RunMessageBox(OwnerWindow, shown, caption, flags | platform::kMbSetForeground);
}

std::string ClipboardText(std::uint8_t mode, const std::string& text) {
  std::string result(1, '\0');
  const platform::ClipboardSession clipboard(OwnerWindow);
  if (!clipboard.IsOpen()) return result;
  switch (mode) {
    case kClipboardRead:
      if (platform::ClipboardHasText()) {
        result = platform::ClipboardReadTextBlock();
        result.resize(strnlen(result.data(), result.size()));  // up to the first zero
      }
      break;
    case kClipboardReplace:
      platform::ClipboardWriteText(text);
      break;
    case kClipboardEmpty:
      result[0] = platform::ClipboardEmpty() ? '\1' : '\0';
      break;
    default:
      break;
  }
  return result;
}

platform::FontHandle GetIconTitleFont() { return platform::CreateIconTitleFont(); }

int ShellOpen(const std::string& fileName, const std::string& parameters, const std::string& directory,
              int showCmd) {
  return platform::ShellExecuteDefault(OwnerWindow, fileName, parameters, directory, showCmd);
}

}  // namespace funclib
