#pragma once
// Window-level helpers of the library: message box, clipboard text, the icon-title font and
// opening documents with the shell. Each acts on behalf of OwnerWindow.
#include <cstdint>
#include <string>

#include "platform/types.hpp"

namespace funclib {

// Shows a message box whose two-character sequences "\n" (backslash, n) become line breaks, and
// which always comes to the foreground. Returns the id of the button pressed (0 when it could
// not be shown).
int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t flags);

// What ClipboardText does with the clipboard.
inline constexpr std::uint8_t kClipboardRead = 0;
inline constexpr std::uint8_t kClipboardReplace = 1;
inline constexpr std::uint8_t kClipboardEmpty = 2;

// The clipboard's plain text. kClipboardRead reads it; kClipboardReplace replaces it with `text`;
// kClipboardEmpty empties the clipboard and returns one character of code 1 (emptied) or 0
// (failed). Any other mode does nothing. The result is the one character of code 0, never equal to a caption, whenever there is
// nothing else to return: the clipboard is busy, holds no text, or the mode was 1.
std::string ClipboardText(std::uint8_t mode, const std::string& text = {});

// A new font as the desktop's icon titles use; 0 on failure. The caller owns it (platform::DestroyFont).
platform::FontHandle GetIconTitleFont();

// Starts the default action of a document, program or link. Returns the shell's result, greater
// than 32 on success; nothing is shown to the user on failure.
int ShellOpen(const std::string& fileName, const std::string& parameters, const std::string& directory,
              int showCmd);

}  // namespace funclib
